#include <gtest/gtest.h>

#include <QPointer>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "desktop/script_replay.hpp"
#include "desktop/session_helpers.hpp"
#include "script/script_parser.hpp"
#include "script/script_runner.hpp"

namespace totechita::desktop::testing {
namespace {

std::vector<script::Command> whole_game_script() {
  std::ifstream file(WHOLE_GAME_SCRIPT);
  std::stringstream text;
  text << file.rdbuf();
  auto parsed = script::parse_script(text.str());
  if (auto* error = std::get_if<script::ParseError>(&parsed)) {
    ADD_FAILURE() << "line " << error->line << ": " << error->problem;
    return {};
  }
  return std::get<std::vector<script::Command>>(parsed);
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

std::vector<std::string> headless_transcript(const std::vector<script::Command>& commands) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(script::run_script(commands, out, err), script::kScriptPassed) << err.str();
  return lines_of(out.str());
}

std::vector<std::string> containing(const std::vector<std::string>& lines, const char* part) {
  std::vector<std::string> found;
  std::copy_if(lines.begin(), lines.end(), std::back_inserter(found),
               [&](const std::string& line) { return line.find(part) != std::string::npos; });
  return found;
}

// The script that the headless whole-game test plays, played again through the real windows
// inside the real event loop, as `totechita` runs it: the screen must show what the driver
// printed, at the same virtual times, and the event loop must end with status 0.
TEST(WholeGame, PlaysThroughTheWindowsAsTheHeadlessDriverDoes) {
  const std::vector<script::Command> commands = whole_game_script();
  ASSERT_FALSE(commands.empty());
  const std::vector<std::string> expected = headless_transcript(commands);
  ASSERT_EQ(containing(expected, " msgbox ").size(), 2u);
  ASSERT_EQ(containing(expected, " end").size(), 1u);

  auto replay = std::make_unique<ScriptReplay>();
  bool ending_shown_at_the_end = false;
  const int status = exit_status_of([&] {
    replay->play(commands);
    const QPointer<QWidget> ending = replay->transcript().window("Form3");
    ending_shown_at_the_end = ending && ending->isVisible();
  });

  EXPECT_EQ(replay->failure(), "");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(containing(replay->transcript().lines(), " msgbox "), containing(expected, " msgbox "));
  EXPECT_EQ(containing(replay->transcript().lines(), " end"), containing(expected, " end"));
  EXPECT_EQ(replay->transcript().lines(), expected);
  EXPECT_EQ(replay->transcript().message_box_titles(),
            std::vector<std::string>(2, "KORUMEDOトテチータ"));
  EXPECT_TRUE(replay->transcript().window("Form1").isNull());  // deleted once hidden
  EXPECT_TRUE(replay->transcript().window("Form2").isNull());
  EXPECT_TRUE(ending_shown_at_the_end);
  const QPointer<QWidget> ending = replay->transcript().window("Form3");
  ASSERT_FALSE(ending.isNull());
  EXPECT_EQ(ending->windowTitle(), QStringLiteral("KORUMEDO トテチータ"));
  replay.reset();  // what `totechita` does once its event loop has ended
  EXPECT_TRUE(ending.isNull());
}

}  // namespace
}  // namespace totechita::desktop::testing
