#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <fstream>
#include <sstream>

#include "desktop/game_font.hpp"
#include "desktop/mapped_files.hpp"
#include "desktop/session_helpers.hpp"
#include "playback/message_box_closer.hpp"
#include "playback/window_script_driver.hpp"
#include "script/script_runner.hpp"

namespace totechita::desktop::testing {
namespace {

// Qt maps a system font when the text it draws asks for a glyph that the face it was given lacks.
const std::string kFontFiles = R"(\.(ttf|otf|ttc|otc|pfb|pfa)$)";

TEST(GameFont, IsTheCutDownFaceCompiledIntoTheProgram) {
  EXPECT_EQ(register_font(QString::fromLatin1(kGameFontResource)),
            QStringLiteral("Totechita Gothic"));
  EXPECT_EQ(register_font(QStringLiteral(":/fonts/none.ttf")), QString());
}

// Every menu drawn open, with every caption of its commands.
TEST(GameFont, HoldsEveryCharacterOfTheMenus) {
  BoardSession session;
  QMenuBar* bar = session.board_window().menu_bar();
  bar->grab();
  const QList<QMenu*> menus = bar->findChildren<QMenu*>();
  ASSERT_FALSE(menus.isEmpty());
  for (QMenu* menu : menus)
    menu->grab();
  EXPECT_EQ(mapped_files(kFontFiles), std::vector<std::string>{});
}

// The whole game through the windows: the title, the board's labels as they change, the finale's
// message boxes, the ending's credits.
TEST(GameFont, HoldsEveryCharacterTheWholeGameShows) {
  std::ifstream file(WHOLE_GAME_SCRIPT, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  ScriptedSession session(0, ScriptedSession::Start::later);
  MessageBoxCloser closer([](QMessageBox& box) { box.grab(); });
  WindowScriptDriver driver(session);
  std::ostringstream ignored;
  EXPECT_EQ(exit_status_of([&] {
              EXPECT_EQ(script::run_script(text.str(), driver, ignored, ignored), 0);
              session.window("Form3")->grab();
            }),
            0);
  EXPECT_EQ(mapped_files(kFontFiles), std::vector<std::string>{});
}

}  // namespace
}  // namespace totechita::desktop::testing
