#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <vector>

#include "board/form2.hpp"
#include "desktop/font_choice.hpp"
#include "desktop/game_font.hpp"
#include "runtime/headless/headless_platform.hpp"
#include "runtime/runtime.hpp"

namespace totechita::desktop {
namespace {

// The credits name a Windows face.
const LabelStyle kCredits{.fore = {255, 255, 255},
                          .back = {0, 0, 0},
                          .font_family = "ＭＳ Ｐゴシック",
                          .font_points = 26.25};

TEST(GameFont, IsTheCutDownFaceCompiledIntoTheProgram) {
  EXPECT_EQ(register_font(QString::fromLatin1(kGameFontResource)),
            QStringLiteral("Totechita Gothic"));
  EXPECT_EQ(register_font(QStringLiteral(":/fonts/none.ttf")), QString());
}

// Sizes go at 96 dots per inch, the pixels the forms are laid out in: 9 points for the board's
// labels, 26.25 for the credits, whose Windows face is not installed here. The font Qt really
// draws with is the game's, which holds the Japanese glyphs itself.
TEST(FontChoice, LabelsAreDrawnInTheGamesFontAtTheirSizeInPixels) {
  for (const auto& [style, pixels] : {std::pair{LabelStyle{}, 12}, std::pair{kCredits, 35}}) {
    const QFont font = label_font(style);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Totechita Gothic"));
    const QFontMetrics metrics(font);
    EXPECT_TRUE(metrics.inFont(QChar(u'ペ')) && metrics.inFont(QChar(u'水')));
    EXPECT_EQ(font.pixelSize(), pixels);
  }
}

TEST(FontChoiceOnAMachine, TakesTheFamilyALabelNamesWhenInstalledElseTheGamesOwn) {
  struct Case {
    QStringList installed;
    QString for_the_board;
    QString for_the_credits;
  };
  const std::vector<Case> cases{
      {{"DejaVu Sans", "IPAPGothic", "Own"}, "Own", "Own"},
      {{"ＭＳ Ｐゴシック", "Own"}, "Own", "ＭＳ Ｐゴシック"},
  };
  for (const Case& c : cases) {
    const FontChoice choice(QStringLiteral("Own"), c.installed);
    EXPECT_EQ(choice.label_font({}).family(), c.for_the_board);
    EXPECT_EQ(choice.label_font(kCredits).family(), c.for_the_credits);
  }
}

// Each caption of the board is laid out to fit its label on one line.
TEST(FontChoice, BoardCaptionsFitTheirLabels) {
  HeadlessPlatform platform;
  Runtime runtime(platform, 0);
  const Form2& board = runtime.show<Form2>();
  const QFontMetrics metrics(label_font({}));
  for (const Label* label :
       {&board.Label4, &board.Label5, &board.Label6, &board.Label8, &board.Label12}) {
    const LabelState& state = label->peek_state();
    EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(state.caption)),
              static_cast<int>(state.bounds.width / kTwipsPerPixel))
        << state.caption;
    EXPECT_LE(metrics.height(), static_cast<int>(state.bounds.height / kTwipsPerPixel));
  }
}

}  // namespace
}  // namespace totechita::desktop
