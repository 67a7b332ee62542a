#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <fstream>
#include <sstream>

#include "desktop/mapped_files.hpp"
#include "desktop/screen_transcript.hpp"
#include "desktop/session_helpers.hpp"
#include "playback/replay_driver.hpp"
#include "playback/window_script_driver.hpp"
#include "script/script_parser.hpp"
#include "script/script_recorder.hpp"
#include "script/script_runner.hpp"

namespace totechita::desktop::testing {
namespace {

std::string file_text(const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string whole_game_script() { return file_text(WHOLE_GAME_SCRIPT); }

// A recording with each run of one key at one instant on one line ("key Right 43"), as the copy
// kept for the page's tests has it: the same game, a line a run.
std::string with_counted_keys(const std::string& recording) {
  std::istringstream lines(recording);
  std::string counted;
  std::string run;
  int run_length = 0;
  const auto end_run = [&] {
    if (run_length > 0)
      counted += run + (run_length > 1 ? " " + std::to_string(run_length) : "") + "\n";
    run_length = 0;
  };
  for (std::string line; std::getline(lines, line);) {
    if (run_length > 0 && line == run) {
      ++run_length;
      continue;
    }
    end_run();
    if (line.starts_with("key ")) {
      run = line;
      run_length = 1;
    } else {
      counted += line + "\n";
    }
  }
  end_run();
  return counted;
}

// The whole-game script played through the real windows inside the real event loop, as
// `totechita` runs: keys as key events, menu commands through the menu bar's actions, clicks
// with the mouse, message boxes closed with OK. The game must play as the headless driver
// plays it, the screen must show each window and box when the driver says it did, and the
// event loop must end with status 0. The game's font holds every character it drew meanwhile:
// the title, the board's labels as they change, the finale's message boxes, the ending's credits.
TEST(WholeGame, PlaysThroughTheWindowsAsTheHeadlessDriverDoes) {
  const std::string text = whole_game_script();
  std::ostringstream headless;
  std::ostringstream headless_err;
  ASSERT_EQ(script::run_headless(text, headless, headless_err), script::kScriptPassed)
      << headless_err.str();

  auto session = std::make_unique<ScriptedSession>(0, ScriptedSession::Start::later);
  ScreenTranscript screen([&] { return session->game().runtime().scheduler().now(); },
                          [](QMessageBox& box) { box.grab(); });
  WindowScriptDriver driver(*session);
  std::ostringstream out;
  std::ostringstream err;
  bool ending_shown_at_the_end = false;
  const int status = exit_status_of([&] {
    EXPECT_EQ(script::run_script(text, driver, out, err), script::kScriptPassed) << err.str();
    const QPointer<QWidget> ending = screen.window("Form3");
    ending_shown_at_the_end = ending && ending->isVisible();
    if (ending_shown_at_the_end) ending->grab();
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
  EXPECT_EQ(mapped_files(kFontFiles), std::vector<std::string>{});
}

// The whole game played through the windows with real Qt events and recorded as it goes, the
// player reading the house's message for 700 ms: the recording, played by the headless driver,
// shows what the screen showed, to the millisecond (the clock's jump after the box included).
// The page's tests watch this recording as the desktop writes it: the copy kept beside the
// scripts must be it, its keys counted.
TEST(Recording, ReplaysHeadlessToWhatTheScreenShowed) {
  std::string script = whole_game_script();
  const std::size_t seed = script.find("\nseed 1\n");
  ASSERT_NE(seed, std::string::npos);
  script.erase(seed + 1, 7);  // the game's own seed, as the recording will say

  ScriptedSession session(1, ScriptedSession::Start::later);
  ScreenTranscript screen([&] { return session.game().runtime().scheduler().now(); },
                          [&](QMessageBox& box) {
                            if (box.text() == QStringLiteral("ごろさん家出現！！"))
                              session.stall(700);
                          });
  std::ostringstream recording;
  script::ScriptRecorder recorder(recording, 1);
  session.game().clock().set_observer(recorder);
  WindowScriptDriver driver(session);
  std::ostringstream ignored;
  EXPECT_EQ(exit_status_of([&] {
              EXPECT_EQ(script::run_script(script, driver, ignored, ignored), 0) << ignored.str();
            }),
            0);
  recorder.finish(session.game().runtime().scheduler().now());

  EXPECT_NE(recording.str().find("\njump 700\n"), std::string::npos) << recording.str();
  std::ostringstream replayed;
  std::ostringstream complaint;
  EXPECT_EQ(script::run_headless(recording.str(), replayed, complaint), 0) << complaint.str();
  EXPECT_EQ(event_lines(replayed.str()), screen.lines());
  EXPECT_EQ(screen.lines().back(), "t=50301 end");
  EXPECT_EQ(with_counted_keys(recording.str()), file_text(RECORDED_WHOLE_GAME))
      << "write this recording, its keys counted, to " << RECORDED_WHOLE_GAME;
}

// A recording plays in the windows at its own pace: a message box stays up as long as the jump
// after it says, the player's keys change nothing, and the game plays as the headless driver
// plays the same script.
TEST(Replay, ShowsARecordingAtItsPaceAndIgnoresThePlayer) {
  const std::string script =
      "seed 4\nwait 1500\nset Label13.Caption 3100\nwait 1000\njump 300\nwait 100\n"
      "print Text1.Text\n";
  std::ostringstream headless;
  std::ostringstream complaint;
  ASSERT_EQ(script::run_headless(script, headless, complaint), 0) << complaint.str();

  ScriptedSession session(0, ScriptedSession::Start::later);
  session.game().set_player_gate([](const Input&) { return false; });
  ReplayDriver driver(session, script, ClockDriver::elapsed_clock());
  QTimer::singleShot(2000, [&] { QTest::keyClick(session.window("Form2"), Qt::Key_Right); });
  QElapsedTimer real;
  real.start();
  std::ostringstream replayed;
  EXPECT_EQ(script::run_script(script, driver, replayed, complaint), 0) << complaint.str();
  EXPECT_EQ(replayed.str(), headless.str());
  EXPECT_GE(real.elapsed(), 2900) << "the replay keeps the recording's pace, box included";
}

}  // namespace
}  // namespace totechita::desktop::testing
