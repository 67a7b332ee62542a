#include <gtest/gtest.h>

#include <QFontMetrics>
#include <algorithm>
#include <sstream>
#include <vector>

#include "board/form2.hpp"
#include "desktop/font_choice.hpp"
#include "desktop/session_helpers.hpp"
#include "desktop/snapshots/message_box_closer.hpp"
#include "ending/form3.hpp"
#include "runtime/headless/headless_platform.hpp"
#include "runtime/runtime.hpp"

namespace totechita::desktop {
namespace {

// The credits name a Windows face.
const LabelStyle kCredits{.fore = {255, 255, 255},
                          .back = {0, 0, 0},
                          .font_family = "ＭＳ Ｐゴシック",
                          .font_points = 26.25};

bool has_japanese_glyphs(const QFont& font) {
  const QFontMetrics metrics(font);
  return metrics.inFont(QChar(u'ペ')) && metrics.inFont(QChar(u'水'));
}

TEST(FontChoice, TheDefaultFontHasJapaneseGlyphsAtNinePoints) {
  const QFont font = label_font({});
  EXPECT_TRUE(has_japanese_glyphs(font)) << font.family().toStdString();
  EXPECT_EQ(font.pixelSize(), 12);
}

// "ＭＳ Ｐゴシック" is a Windows face: it becomes the Japanese family, at 26.25 points.
TEST(FontChoice, TheCreditsFontIsReplacedByAJapaneseFace) {
  const QFont font = label_font(kCredits);
  EXPECT_EQ(font.family(), japanese_family());
  EXPECT_TRUE(has_japanese_glyphs(font));
  EXPECT_EQ(font.pixelSize(), 35);
}

TEST(FontChoiceOnAMachine, PrefersIPAPGothicThenAnyJapaneseFamilyWithoutAWord) {
  struct Case {
    FontFamilies families;
    QString chosen;
  };
  const std::vector<Case> cases{
      {{{"DejaVu Sans", "IPAGothic", "IPAPGothic"}, {"IPAGothic", "IPAPGothic"}}, "IPAPGothic"},
      {{{"DejaVu Sans", "Noto Sans CJK JP"}, {"Noto Sans CJK JP"}}, "Noto Sans CJK JP"},
  };
  for (const Case& c : cases) {
    std::ostringstream warnings;
    const FontChoice choice(c.families, warnings);
    EXPECT_EQ(choice.japanese_family(), c.chosen);
    EXPECT_EQ(choice.label_font(kCredits).family(), c.chosen);
    EXPECT_EQ(warnings.str(), "");
  }
}

TEST(FontChoiceOnAMachine, WithoutAnyJapaneseFamilyWarnsOnceInOneLine) {
  std::ostringstream warnings;
  const FontChoice choice({{"DejaVu Sans", "Liberation Serif"}, {}}, warnings);
  for (int paint = 0; paint < 3; ++paint) {
    choice.label_font({});
    choice.label_font(kCredits);
  }
  const std::string text = warnings.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
  EXPECT_NE(text.find("Japanese"), std::string::npos) << text;
}

TEST(FontChoiceOnAMachine, KeepsARequestedFamilyThatIsInstalled) {
  std::ostringstream warnings;
  const FontChoice choice({{"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ Ｐゴシック", "IPAPGothic"}},
                          warnings);
  EXPECT_EQ(choice.label_font(kCredits).family(), "ＭＳ Ｐゴシック");
  EXPECT_EQ(choice.label_font({}).family(), "IPAPGothic");
}

// Each caption of the board is laid out to fit its label on one line.
TEST(FontChoice, BoardCaptionsFitTheirLabels) {
  HeadlessPlatform platform;
  Runtime runtime(platform, 0);
  const Form2& board = runtime.show<Form2>();
  const QFontMetrics metrics(label_font({}));
  for (const Label* label :
       {&board.Label4, &board.Label5, &board.Label6, &board.Label8, &board.Label12}) {
    const LabelState& state = std::get<LabelState>(label->peek());
    EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(state.caption)),
              static_cast<int>(state.width / 15))
        << state.caption;
    EXPECT_LE(metrics.height(), static_cast<int>(state.height / 15));
  }
}

// The default font is chosen when the first menu or message box is made, not at start-up.
TEST(FontChoice, MenusAndMessageBoxesAreInTheJapaneseFace) {
  std::vector<QString> box_families;
  MessageBoxCloser closer([&](QMessageBox& box) { box_families.push_back(box.font().family()); });
  testing::BoardSession session;
  EXPECT_EQ(session.board_window().menu_bar()->font().family(), japanese_family());
  session.change([&] { session.board().Label13.set_caption("3100"); });
  session.wait(1000);
  EXPECT_EQ(box_families, std::vector<QString>{japanese_family()});
}

}  // namespace
}  // namespace totechita::desktop
