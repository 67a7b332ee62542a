// The real totechita-script on scripts a stranger might write: each bad one ends with status 2
// and one line on standard error that names the line and the problem, and nothing hangs.
#include <gtest/gtest.h>

#include <algorithm>

#include "driver/child_process.hpp"

namespace totechita::testing {
namespace {

using namespace std::chrono_literals;

// The script goes in on standard input, as in the README's example.
Finished run_script_driver(const std::string& script) {
  const ScratchFile input(script);
  return run_program({TOTECHITA_SCRIPT}, input.path(), 60s);
}

long count_lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

struct BadScript {
  const char* name;
  std::string text;
  int line;
  const char* problem;
  bool plays;  // the game ran up to the bad line: a problem only the running game can see
};

void PrintTo(const BadScript& script, std::ostream* out) { *out << script.name; }

const BadScript kBadScripts[] = {
    {"UnknownCommand", "seed 3\njump 5\n", 2, "unknown command \"jump\"", false},
    {"MissingWord", "wait\n", 1, "expected \"wait MS\"", false},
    {"ExtraWord", "wait 1600\nclick Label3 twice\n", 2, "expected \"click CONTROL\"", false},
    {"NotANumber", "wait 1.5\n", 1, "must be a whole number, not \"1.5\"", false},
    {"NegativeCount", "key Enter -2\n", 1, "the count must be from 1 to 100000, not -2", false},
    {"WaitOfTenToTheTwelve", "wait 1000000000000\n", 1, "from 0 to 100000000", false},
    {"UnknownForm", "close Form9\n", 1, "no form named Form9", false},
    {"UnknownProperty", "wait 1600\nprint Image1.Colour\n", 2, "no property named Colour", false},
    {"UnclosedQuote", "set Text1.Text \"half\n", 1, "no closing quote", false},
    {"InvalidUtf8", "# fine\nprint Label1.Caption \xc3\x28\n", 2, "not valid UTF-8", false},
    {"TenMegabyteLine", "wait 1\n" + std::string(10'000'000, 'x') + "\n", 2, "longer than", false},
    {"UnknownControl", "wait 1600\nclick Label99\n", 2, "Form2 has no control Label99", true},
    {"PropertyTheControlLacks", "wait 1600\nprint Timer1.Caption\n", 2,
     "Timer1 has no property Caption", true},
    {"UnknownMenuItem", "wait 1600\nmenu mnunothing\n", 2, "Form2 has no menu item mnunothing",
     true},
    {"FormNotLoaded", "print Form3.Image1.Left\n", 1, "Form3 is not loaded", true},
    {"ValueThatDoesNotFit", "wait 1600\nset Image1.Visible maybe\n", 2, "not a value for Visible",
     true},
};

class BadScripts : public ::testing::TestWithParam<BadScript> {};

TEST_P(BadScripts, EndWithStatusTwoAndOneLineNamingTheLineAndTheProblem) {
  const BadScript& script = GetParam();
  const Finished run = run_script_driver(script.text);
  ASSERT_FALSE(run.timed_out);
  EXPECT_EQ(run.exit_status, 2);
  EXPECT_EQ(count_lines(run.err), 1) << run.err;
  EXPECT_TRUE(run.err.starts_with("line " + std::to_string(script.line) + ": ")) << run.err;
  EXPECT_NE(run.err.find(script.problem), std::string::npos) << run.err;
  // A malformed script is refused whole, before the game starts.
  EXPECT_EQ(run.out.empty(), !script.plays) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Driver, BadScripts, ::testing::ValuesIn(kBadScripts),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(BigScripts, ATenMegabyteLineIsRefusedQuicklyInLittleMemory) {
  const Finished run = run_script_driver(std::string(10'000'000, 'x'));
  ASSERT_FALSE(run.timed_out);
  EXPECT_EQ(run.err, "line 1: the line is longer than 4096 bytes\n");
  EXPECT_LT(run.elapsed, 10s);
  EXPECT_LT(run.peak_memory_kib, 128 * 1024) << "the input is 10 MB";
}

TEST(BigScripts, AMistakeAfterAMillionLinesIsFoundByItsNumber) {
  std::string script;
  for (int i = 0; i < 1'000'000; ++i)
    script += "# ok\n";
  const Finished run = run_script_driver(script + "wait x\n");
  ASSERT_FALSE(run.timed_out);
  EXPECT_EQ(run.exit_status, 2);
  EXPECT_EQ(run.err, "line 1000001: the wait must be a whole number, not \"x\"\n");
}

TEST(DriverProcess, ARuntimeErrorPrintsTheErrorEventAndExitsTwo) {
  const Finished run = run_script_driver("wait 1600\nset Text1.Text abc\nkey Right\n");
  ASSERT_FALSE(run.timed_out);
  EXPECT_EQ(run.exit_status, 2);
  EXPECT_EQ(run.err, "line 3: the game stopped on a runtime error\n");
  EXPECT_NE(run.out.find("t=1600 error 実行時エラー '13':"), std::string::npos) << run.out;
  EXPECT_TRUE(run.out.ends_with("t=1600 end\n")) << run.out;
}

TEST(DriverProcess, ReadsAScriptFileNamedOnTheCommandLine) {
  const ScratchFile script("wait 1600\nexpect Form2.Loaded true\n");
  const Finished run = run_program({TOTECHITA_SCRIPT, script.path()}, "/dev/null", 60s);
  EXPECT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.out, "t=0 show Form1\nt=1500 show Form2\nt=1500 unload Form1\n");
}

TEST(DriverProcess, AFileItCannotReadOrTooManyArgumentsExitTwoWithOneLine) {
  const ScratchFile script("");
  const Finished missing =
      run_program({TOTECHITA_SCRIPT, script.sibling("missing.script")}, "/dev/null", 60s);
  EXPECT_EQ(missing.exit_status, 2);
  EXPECT_EQ(count_lines(missing.err), 1);
  EXPECT_NE(missing.err.find("cannot read"), std::string::npos) << missing.err;
  const Finished folder = run_program({TOTECHITA_SCRIPT, "/tmp"}, "/dev/null", 60s);
  EXPECT_EQ(folder.exit_status, 2) << "a folder is no script";
  EXPECT_EQ(count_lines(folder.err), 1);
  const Finished extra = run_program({TOTECHITA_SCRIPT, "a", "b"}, "/dev/null", 60s);
  EXPECT_EQ(extra.exit_status, 2);
  EXPECT_EQ(count_lines(extra.err), 1);
  EXPECT_NE(extra.err.find("usage"), std::string::npos) << extra.err;
}

}  // namespace
}  // namespace totechita::testing
