#include <gtest/gtest.h>

#include <QFontMetrics>
#include <algorithm>
#include <sstream>
#include <vector>

#include "desktop/font_choice.hpp"
#include "desktop/session_helpers.hpp"
#include "playback/message_box_closer.hpp"
#include "runtime/headless/headless_platform.hpp"

namespace totechita::desktop {
namespace {

using namespace playback;

// The credits name a Windows face.
const LabelStyle kCredits{.fore = {255, 255, 255},
                          .back = {0, 0, 0},
                          .font_family = "ＭＳ Ｐゴシック",
                          .font_points = 26.25};

// Sizes go at 96 dots per inch, the pixels the forms are laid out in: 9 points for the board's
// labels, 26.25 for the credits, whose Windows face becomes the Japanese family here.
TEST(FontChoice, LabelsAreDrawnInAJapaneseFaceAtTheirSizeInPixels) {
  for (const auto& [style, pixels] : {std::pair{LabelStyle{}, 12}, std::pair{kCredits, 35}}) {
    const QFont font = label_font(style);
    const QFontMetrics metrics(font);
    EXPECT_TRUE(metrics.inFont(QChar(u'ペ')) && metrics.inFont(QChar(u'水')))
        << font.family().toStdString();
    EXPECT_EQ(font.pixelSize(), pixels);
  }
  EXPECT_EQ(label_font(kCredits).family(), japanese_family());
}

TEST(FontChoiceOnAMachine, PrefersIPAPGothicThenAnyJapaneseFamilyThenWarnsOnce) {
  struct Case {
    FontFamilies families;
    QString chosen_for_credits;
    long warnings;
  };
  const std::vector<Case> cases{
      {{{"DejaVu Sans", "IPAGothic", "IPAPGothic"}, {"IPAGothic", "IPAPGothic"}}, "IPAPGothic", 0},
      {{{"DejaVu Sans", "Noto Sans CJK JP"}, {"Noto Sans CJK JP"}}, "Noto Sans CJK JP", 0},
      {{{"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ Ｐゴシック", "IPAPGothic"}},
       "ＭＳ Ｐゴシック",
       0},
      {{{"DejaVu Sans", "Liberation Serif"}, {}}, "", 1},
  };
  for (const Case& c : cases) {
    std::ostringstream warnings;
    const FontChoice choice(c.families, warnings);
    for (int paint = 0; paint < 3; ++paint)
      choice.label_font({});
    if (!c.chosen_for_credits.isEmpty()) {
      EXPECT_EQ(choice.label_font(kCredits).family(), c.chosen_for_credits);
    }
    const std::string said = warnings.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), c.warnings) << said;
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
