#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "runtime/key_codes.hpp"
#include "script/script_recorder.hpp"
#include "script/script_runner.hpp"

namespace totechita::script {
namespace {

struct LongGame {
  const char* what;
  std::function<void(ScriptRecorder&)> play;
  const char* limit;  // what the recording says of the limit it came to
};

// A game that would take its recording past the limits of a script (a session left running for
// days, a message box left open for more than a day) would be written as a script that no player
// can read. The recording stops before the line that would pass them and says why, once; what it
// holds up to there is whole and plays as the game did.
TEST(ScriptRecorder, StopsAtTheLimitsOfAScriptWithAWholeScript) {
  const LongGame games[] = {
      {"more than a day on the clock",
       [](ScriptRecorder& recorder) {
         recorder.input(kMaxServedTime + 1, KeyDown{kKeyLeft});
         recorder.finish(kMaxServedTime + 2);
       },
       "the script's waits and untils come to more than 86400000 ms (24 hours)"},
      {"a message box open for more than a day",
       [](ScriptRecorder& recorder) {
         recorder.jumped(2100, 2100 + kMaxWait + 1);
         recorder.input(2100 + kMaxWait + 1, KeyDown{kKeyLeft});
       },
       "a wait, jump or until is longer than 100000000 ms"},
  };
  for (const LongGame& game : games) {
    std::ostringstream recording;
    std::vector<std::string> said;
    ScriptRecorder recorder(recording, 7, [&](const std::string& why) { said.push_back(why); });
    recorder.input(2000, KeyDown{kKeyRight});
    game.play(recorder);
    recorder.finish(kMaxWait * 2);

    EXPECT_EQ(said, std::vector<std::string>{std::string("the recording has come to the limits of "
                                                         "a script (") +
                                             game.limit + ")"})
        << game.what;
    EXPECT_TRUE(recording.str().ends_with("\nseed 7\nwait 2000\nkey Right\n")) << game.what;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_headless(recording.str(), out, err), kScriptPassed) << game.what << err.str();
  }
}

}  // namespace
}  // namespace totechita::script
