#include <gtest/gtest.h>

#include <QPointer>
#include <fstream>
#include <sstream>

#include "desktop/screen_transcript.hpp"
#include "desktop/session_helpers.hpp"
#include "playback/window_script_driver.hpp"
#include "script/script_parser.hpp"
#include "script/script_runner.hpp"

namespace totechita::desktop::testing {
namespace {

std::string whole_game_script() {
  std::ifstream file(WHOLE_GAME_SCRIPT, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The event lines of a transcript ("t=1500 show Form2"), without the values it printed.
std::vector<std::string> event_lines(const std::string& transcript) {
  std::vector<std::string> lines;
  std::istringstream in(transcript);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("t=")) lines.push_back(line);
  }
  return lines;
}

// The whole-game script played through the real windows inside the real event loop, as
// `totechita` runs: keys as key events, menu commands through the menu bar's actions, clicks
// with the mouse, message boxes closed with OK. The game must play as the headless driver
// plays it, the screen must show each window and box when the driver says it did, and the
// event loop must end with status 0.
TEST(WholeGame, PlaysThroughTheWindowsAsTheHeadlessDriverDoes) {
  const std::string text = whole_game_script();
  std::ostringstream headless;
  std::ostringstream headless_err;
  ASSERT_EQ(script::run_headless(text, headless, headless_err), script::kScriptPassed)
      << headless_err.str();
  const auto commands = std::get<std::vector<script::Command>>(script::parse_script(text));

  auto session = std::make_unique<ScriptedSession>(0, ScriptedSession::Start::later);
  ScreenTranscript screen([&] { return session->game().runtime().scheduler().now(); });
  WindowScriptDriver driver(*session);
  std::ostringstream out;
  std::ostringstream err;
  bool ending_shown_at_the_end = false;
  const int status = exit_status_of([&] {
    EXPECT_EQ(script::run_script(commands, driver, out, err), script::kScriptPassed) << err.str();
    const QPointer<QWidget> ending = screen.window("Form3");
    ending_shown_at_the_end = ending && ending->isVisible();
  });

  EXPECT_EQ(status, 0);
  EXPECT_EQ(out.str(), headless.str());
  EXPECT_EQ(screen.lines(), event_lines(headless.str()));
  EXPECT_EQ(screen.message_box_titles(), std::vector<std::string>(2, "KORUMEDOトテチータ"));
  EXPECT_TRUE(screen.window("Form1").isNull()) << "deleted once hidden";
  EXPECT_TRUE(screen.window("Form2").isNull());
  EXPECT_TRUE(ending_shown_at_the_end);
  const QPointer<QWidget> ending = screen.window("Form3");
  ASSERT_FALSE(ending.isNull());
  EXPECT_EQ(ending->windowTitle(), QStringLiteral("KORUMEDO トテチータ"));
  session.reset();  // what `totechita` does once its event loop has ended
  EXPECT_TRUE(ending.isNull());
}

}  // namespace
}  // namespace totechita::desktop::testing
