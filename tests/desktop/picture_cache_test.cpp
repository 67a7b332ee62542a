#include <gtest/gtest.h>

#include <QImage>
#include <QSvgRenderer>
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
  const PictureState& state = std::get<PictureState>(picture.peek());
  const QRectF rect = to_pixel_rect(state.left, state.top, state.width, state.height, scale);
  return (rect.size() * scale).toSize();
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

  Picture Image1{*this,
                 "Image1",
                 {.left = 0, .top = 0, .width = 1500, .height = 1500, .visible = true},
                 "title"};
};

TEST(PictureCache, TheTitleAndThePortraitAreRenderedAtBuildTimeAtScaleOneAndTwo) {
  HeadlessPlatform platform;
  Runtime runtime(platform, 0);
  const std::vector<const Picture*> pictures{&runtime.show<Form1>().Image1,
                                             &runtime.show<Form3>().Image1};
  for (const Picture* picture : pictures) {
    for (const qreal scale : {1.0, 2.0}) {
      const QSize size = device_size(*picture, scale);
      EXPECT_FALSE(PictureCache::prerendered(picture->asset(), size).isNull())
          << picture->asset() << " at " << size.width() << "x" << size.height();
    }
  }
  EXPECT_FALSE(PictureCache::prerendered("icon", {32, 32}).isNull());
  EXPECT_TRUE(PictureCache::prerendered("title", {514, 467}).isNull());
}

// A raster rendered at build time shows what the game would render from the SVG it ships.
TEST(PictureCache, APictureRenderedAtBuildTimeLooksLikeItsSvg) {
  for (const auto& [asset, size] : {std::pair<std::string, QSize>{"title", {513, 467}},
                                    {"portrait", {468, 410}},
                                    {"icon", {32, 32}}}) {
    const QImage prerendered = PictureCache::prerendered(asset, size);
    QSvgRenderer svg(PictureCache::resource_path(asset));
    const QImage rendered = render_picture(svg, size);
    ASSERT_EQ(prerendered.size(), rendered.size()) << asset;
    int different = 0;
    for (int y = 0; y < size.height(); ++y) {
      for (int x = 0; x < size.width(); ++x) {
        different += prerendered.pixel(x, y) != rendered.pixel(x, y);
      }
    }
    EXPECT_LE(different, size.width() * size.height() / 200) << asset;
  }
}

TEST(PictureCache, DroppingAnAssetForgetsItAtEverySizeAndKeepsTheOthers) {
  PictureCache cache;
  cache.picture("title", {513, 467}, 1);
  cache.picture("title", {513, 467}, 1.5);
  cache.picture("player", {25, 25}, 1);
  EXPECT_TRUE(cache.holds("title"));
  cache.drop("title");
  EXPECT_FALSE(cache.holds("title"));
  EXPECT_TRUE(cache.holds("player"));
  cache.drop("player");
  EXPECT_FALSE(cache.holds("player"));
}

TEST(PictureCache, TheTitlePictureGoesWhenTheTitleIsUnloaded) {
  ScriptedSession session;
  session.window("Form1")->canvas().grab();
  const PictureCache& pictures = session.game().platform().pictures();
  EXPECT_TRUE(pictures.holds("title"));
  session.run_until(kBoardShown + 150);
  ASSERT_EQ(session.window("Form1"), nullptr);
  session.window("Form2")->canvas().grab();
  EXPECT_FALSE(pictures.holds("title"));
  EXPECT_TRUE(pictures.holds("player"));
}

TEST(PictureCache, APictureStaysWhileAnotherLoadedFormShowsIt) {
  ScriptedSession session;
  Runtime& runtime = session.game().runtime();
  TitleThumbnail* thumbnail = nullptr;
  session.change([&] { thumbnail = &runtime.show<TitleThumbnail>(); });
  session.window("Form1")->canvas().grab();
  session.window("TitleThumbnail")->canvas().grab();
  const PictureCache& pictures = session.game().platform().pictures();
  session.run_until(kBoardShown + 150);
  ASSERT_EQ(session.window("Form1"), nullptr);
  EXPECT_TRUE(pictures.holds("title"));
  session.change([&] { runtime.unload(*thumbnail); });
  EXPECT_FALSE(pictures.holds("title"));
}

}  // namespace
}  // namespace totechita::desktop::testing
