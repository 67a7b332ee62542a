#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "desktop/picture_cache.hpp"
#include "desktop/picture_rendering.hpp"
#include "desktop/session_helpers.hpp"
#include "desktop/twips.hpp"
#include "ending/form3.hpp"
#include "runtime/headless/headless_platform.hpp"
#include "title/form1.hpp"

namespace totechita::desktop::testing {
namespace {

// The size of a picture control on its form, in device pixels at `scale`.
QSize device_size(const Picture& picture, qreal scale) {
  const Bounds& b = picture.peek_state().bounds;
  const QRectF rect = to_pixel_rect(b.left, b.top, b.width, b.height, scale);
  return (rect.size() * scale).toSize();
}

// Every picture of the three forms at scale 1 and 2, and the icon, is rendered at build time at
// the size its form shows it, and looks like what the game would render from the SVG it ships:
// at those scales the game parses no SVG.
TEST(PictureCache, PicturesRenderedAtBuildTimeFitTheirFormsAndLookLikeTheirSvg) {
  HeadlessPlatform platform;
  Runtime runtime(platform, 0);
  std::vector<std::pair<std::string, QSize>> prerendered{{"icon", {32, 32}}};
  for (const Form* form : std::initializer_list<const Form*>{
           &runtime.show<Form1>(), &runtime.show<Form2>(), &runtime.show<Form3>()}) {
    for (const Picture* picture : form->pictures())
      for (const qreal scale : {1.0, 2.0})
        prerendered.emplace_back(picture->asset(), device_size(*picture, scale));
  }
  ASSERT_EQ(prerendered.size(), 1 + 2 * (1 + 14 + 1));
  for (const auto& [asset, size] : prerendered) {
    const QImage image = PictureCache::prerendered(asset, size);
    ASSERT_FALSE(image.isNull()) << asset << " at " << size.width() << "x" << size.height();
    const QImage rendered = render_picture(PictureCache::resource_path(asset), size);
    int different = 0;
    for (int y = 0; y < size.height(); ++y) {
      for (int x = 0; x < size.width(); ++x)
        different += image.pixel(x, y) != rendered.pixel(x, y);
    }
    EXPECT_LE(different, size.width() * size.height() / 200) << asset;
  }
  EXPECT_TRUE(PictureCache::prerendered("title", {514, 467}).isNull());
}

// The title unpacked ahead, on another thread, is the picture the paint would unpack; the
// portrait at scale 2, dropped while it may still be unpacking, is gone.
TEST(PictureCache, APictureUnpackedAheadIsTheOneThePaintWouldUnpack) {
  PictureCache pictures;
  pictures.unpack_ahead("title", {513, 467}, 1.0);
  pictures.unpack_ahead("portrait", {234, 205}, 2.0);
  EXPECT_TRUE(pictures.holds("portrait"));
  pictures.drop("portrait");
  EXPECT_FALSE(pictures.holds("portrait"));
  const QPixmap& title = pictures.picture("title", {513, 467}, 1.0);
  EXPECT_TRUE(title.toImage() == PictureCache::prerendered("title", {513, 467}));
}

// A second form that shows the title's picture, small.
class TitleThumbnail final : public Form {
 public:
  static constexpr std::string_view kName = "TitleThumbnail";
  explicit TitleThumbnail(Runtime& runtime)
      : Form(runtime, std::string(kName),
             {.caption = "thumbnail",
              .client_width = 1500,
              .client_height = 1500,
              .back_color = std::nullopt}) {}

  Picture Image1{*this, "Image1", {.bounds = {0, 0, 1500, 1500}, .visible = true}, "title"};
};

// A form's pictures go when it is unloaded, unless another loaded form shows them.
TEST(PictureCache, APictureGoesWithTheLastFormThatShowsIt) {
  ScriptedSession session;
  Runtime& runtime = session.game().runtime();
  TitleThumbnail* thumbnail = nullptr;
  session.change([&] { thumbnail = &runtime.show<TitleThumbnail>(); });
  session.window("Form1")->canvas().grab();
  session.window("TitleThumbnail")->canvas().grab();
  const PictureCache& pictures = session.game().platform().pictures();
  session.run_until(kBoardShown + 150);
  ASSERT_EQ(session.window("Form1"), nullptr);
  session.window("Form2")->canvas().grab();
  EXPECT_TRUE(pictures.holds("title"));
  EXPECT_TRUE(pictures.holds("player"));
  session.change([&] { runtime.unload(*thumbnail); });
  EXPECT_FALSE(pictures.holds("title"));
}

}  // namespace
}  // namespace totechita::desktop::testing
