#include <gtest/gtest.h>

#include <sstream>

#include "script/headless_driver.hpp"
#include "script/script_parser.hpp"
#include "script/script_runner.hpp"

namespace totechita::script {
namespace {

struct Played {
  int status;
  std::string out;
  std::string err;
};

Played play(const std::string& text) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = run_headless(text, out, err);
  return {status, out.str(), err.str()};
}

constexpr const char* kBoardShown = "t=0 show Form1\nt=1500 show Form2\nt=1500 unload Form1\n";

std::string repeated(std::string_view line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i)
    text += line;
  return text;
}

TEST(ScriptParser, ReadsEveryCommandAndSkipsBlankAndCommentLines) {
  auto parsed = parse_script(
      "# a comment\n\n  # the score goes \"100\" then \"300\n\tseed 42\nwait 1600\n"
      "until Form2.Loaded true 100\nuntil end 5\nkey Right 3\nkey 0\nclick Label3\nmenu 茂佐\n"
      "close Form2\nset Text1.Text \"a \\\"b\\\" \\\\c\"\nprint Form2.Image1.Left\n"
      "expect Label9.Caption 0\ndump\ndump Form2\r\n# " +
      std::string(5000, 'x') + "\n");
  ASSERT_TRUE(std::holds_alternative<std::vector<Command>>(parsed));
  const auto& commands = std::get<std::vector<Command>>(parsed);
  ASSERT_EQ(commands.size(), 14u);
  EXPECT_EQ(commands[0].line, 4);
  EXPECT_EQ(std::get<Seed>(commands[0].action).seed, 42u);
  EXPECT_EQ(std::get<Until>(commands[2].action).ref->property, "Loaded");
  EXPECT_FALSE(std::get<Until>(commands[3].action).ref.has_value());
  EXPECT_EQ(std::get<PlayerInput>(commands[4].action).input, Input(KeyDown{39}));
  EXPECT_EQ(std::get<PlayerInput>(commands[4].action).count, 3);
  EXPECT_EQ(std::get<Set>(commands[9].action).value, "a \"b\" \\c");
  EXPECT_EQ(std::get<Print>(commands[10].action).ref.form + "." +
                std::get<Print>(commands[10].action).ref.control,
            "Form2.Image1");
  EXPECT_EQ(
      std::get<Dump>(commands[12].action).form + "|" + std::get<Dump>(commands[13].action).form,
      "|Form2");
  EXPECT_EQ(commands[13].line, 17);
}

struct BadScript {
  std::string text;
  int status;
  const char* err;  // the whole line on standard error
  bool plays;       // the game ran up to the bad line: only the running game could tell
};

// Each bad script ends with one line naming its line and the problem; a malformed one is
// refused whole, before the game starts.
TEST(ScriptRunner, BadScriptsEndWithOneLineNamingTheLineAndTheProblem) {
  const BadScript scripts[] = {
      {"seed 3\nleap 5\n", 2, "line 2: unknown command \"leap\"", false},
      {"wait\n", 2, "line 1: expected \"wait MS\"", false},
      {"wait 1 2\n", 2, "line 1: expected \"wait MS\"", false},
      {"wait 1600\nclick Label3 twice\n", 2, "line 2: expected \"click CONTROL\"", false},
      {"print Label1.Caption extra\n", 2, "line 1: expected \"print REF\"", false},
      {"dump Form2 Form3\n", 2, "line 1: expected \"dump [FORM]\"", false},
      {"wait 1.5\n", 2, "line 1: the wait must be a whole number, not \"1.5\"", false},
      {"wait -5\n", 2, "line 1: the wait must be from 0 to 100000000, not -5", false},
      {"wait 100000001\n", 2, "line 1: the wait must be from 0 to 100000000, not 100000001", false},
      {"wait 99999999999999999999999\n", 2,
       "line 1: the wait must be from 0 to 100000000, not 99999999999999999999999", false},
      {"key Enter -2\n", 2, "line 1: the count must be from 1 to 100000, not -2", false},
      {"key Right 0\n", 2, "line 1: the count must be from 1 to 100000, not 0", false},
      {"key 65536\n", 2, "line 1: a key code must be from 0 to 65535, not 65536", false},
      {"key Sideways\n", 2,
       "line 1: unknown key Sideways (Left, Up, Right, Down, Enter, Backspace or a code)", false},
      {"close Form9\n", 2, "line 1: there is no form named Form9", false},
      {"dump Form7\n", 2, "line 1: there is no form named Form7", false},
      {"print Form9.Image1.Left\n", 2, "line 1: there is no form named Form9", false},
      {"print Image1\n", 2, "line 1: \"Image1\" is not CONTROL.PROPERTY or FORM.CONTROL.PROPERTY",
       false},
      {"print Form2..Left\n", 2,
       "line 1: \"Form2..Left\" is not CONTROL.PROPERTY or FORM.CONTROL.PROPERTY", false},
      {"wait 1600\nprint Image1.Colour\n", 2, "line 2: there is no property named Colour", false},
      {"set Text1.Text \"half\n", 2, "line 1: a quoted value has no closing quote", false},
      {"set Text1.Text \"a\"b\n", 2, "line 1: a closing quote must end its word", false},
      {"jump 5\nseed 3\n", 2, "line 2: seed must come before the first wait, jump or until", false},
      {"jump -1\n", 2, "line 1: the jump must be from 0 to 100000000, not -1", false},
      {"# fine\nprint Label1.Caption \xc3\x28\n", 2, "line 2: the line is not valid UTF-8", false},
      {"print Text1.Text\xff\n", 2, "line 1: the line is not valid UTF-8", false},
      {"print Text1.Text\x1b[2J\n", 2, "line 1: the line holds a control character", false},
      {std::string("wait 1\0\n", 8), 2, "line 1: the line holds a control character", false},
      {"wait 1\n" + std::string(4097, 'x') + "\n", 2, "line 2: the line is longer than 4096 bytes",
       false},
      {repeated("key Left 100000\n", 21), 2, "line 21: the script gives more than 2000000 inputs",
       false},
      {"wait 50000000\nuntil end 36400001\n", 2,
       "line 2: the script's waits and untils come to more than 86400000 ms (24 hours)", false},
      {repeated("dump\n", 10001), 2, "line 10001: the script dumps more than 10000 times", false},
      {std::string(kMaxScriptBytes + 1, '#'), 2, "the script is larger than 16 MB (16777216 bytes)",
       false},
      {"wait 1600\nclick Label99\n", 2, "line 2: Form2 has no control Label99", true},
      {"wait 1600\nprint Timer1.Caption\n", 2, "line 2: Timer1 has no property Caption", true},
      {"wait 1600\nmenu mnunothing\n", 2, "line 2: Form2 has no menu item mnunothing", true},
      {"print Form3.Image1.Left\n", 2, "line 1: Form3 is not loaded", true},
      {"close Form2\n", 2, "line 1: Form2 is not loaded", true},
      {"wait 1600\nset Image1.Visible maybe\n", 2, "line 2: \"maybe\" is not a value for Visible",
       true},
      {"wait 1600\nset Timer1.Interval -3\n", 2, "line 2: \"-3\" is not a value for Interval",
       true},
      {"wait 1600\nset Form2.Caption x\n", 2, "line 2: Form2.Caption is read-only", true},
      {"wait 1600\nexpect Label9.Caption 5\n", 1,
       "line 2: expect Form2.Label9.Caption: got 0, expected 5", true},
      {"until Form2.Loaded true 1499\n", 1, "line 1: until: Form2.Loaded is not true after 1499 ms",
       true},
      {"until end 100\n", 1, "line 1: until: the program has not ended after 100 ms", true},
      {"wait 1600\nmenu 終了\nwait 10\n", 1, "line 3: the program has already ended", true},
      {"wait 1600\nset Text1.Text abc\nkey Right\n", 2,
       "line 3: the game stopped on a runtime error", true},
  };
  for (const BadScript& script : scripts) {
    const Played played = play(script.text);
    EXPECT_EQ(played.status, script.status) << script.text;
    EXPECT_EQ(played.err, std::string(script.err) + "\n") << script.text;
    EXPECT_EQ(played.out.empty(), !script.plays) << script.text;
  }
}

TEST(ScriptRunner, PrintsEventsValuesAndDumps) {
  const Played played = play(
      "seed 42\nwait 1600\nmenu mnumosa\nprint Image7.Left\nprint Form2.Image7.Top\n"
      "print Form1.Loaded\nprint Form2.Caption\nset Image7.Visible false\nset Label13.Caption 300\n"
      "set Image1.Left 120\nset Timer18.Interval 0\nprint Image7.Visible\nexpect Label13.Caption "
      "300\n"
      "expect Image1.Left 120\nexpect Timer18.Interval 0\ndump Form1\n"
      "until Form2.Image1.Left 0 100\nprint Image1.Left\n");
  EXPECT_EQ(played.status, kScriptPassed) << played.err;
  EXPECT_EQ(played.out, std::string(kBoardShown) +
                            "Form2.Image7.Left=4000\nForm2.Image7.Top=4000\nForm1.Loaded=false\n"
                            "Form2.Caption=KORUMEDO　トテチータ\nForm2.Image7.Visible=false\n"
                            "{\"form\":\"Form1\",\"Loaded\":false}\nForm2.Image1.Left=0\n");
}

TEST(ScriptRunner, UntilWaitsForAFormStillToComeAndStopsAtTheFirstInstantItHolds) {
  const Played played = play(
      "until Form2.Image1.Left 0 1600\nexpect Form2.Image1.Top 0\nprint Form1.Loaded\n"
      "until Form2.Loaded false 100\n");
  EXPECT_EQ(played.out, std::string(kBoardShown) + "Form1.Loaded=false\n");
  EXPECT_EQ(played.err, "line 4: until: Form2.Loaded is not false after 100 ms\n");
  const Played at = play("until Form2.Loaded true 2000\nwait 0\nmenu 終了\n");
  EXPECT_EQ(at.out, std::string(kBoardShown) + "t=1500 end\n") << "no later than 1500";
}

// A jump ticks each overdue timer once where a wait serves every tick: the plane, stepping every
// second from 2500 ms, takes one step over a jump of five seconds and five over a wait.
TEST(ScriptRunner, AJumpMakesUpNoTicks) {
  EXPECT_EQ(play("wait 1600\njump 5000\nprint Image11.Left\n").out,
            std::string(kBoardShown) + "Form2.Image11.Left=4400\n");
  EXPECT_EQ(play("wait 1600\nwait 5000\nprint Image11.Left\n").out,
            std::string(kBoardShown) + "Form2.Image11.Left=4000\n");
  EXPECT_EQ(play("wait 1600\n" + repeated("jump 100000000\n", 3)).status, kScriptPassed)
      << "nor does it count as time served";
}

// Watching a recording runs the game on after its script, when the session that printed is gone.
TEST(ScriptRunner, TheGameGoesOnSilentlyAfterItsScript) {
  HeadlessDriver driver;
  std::ostringstream out;
  ASSERT_EQ(run_script("wait 100\n", driver, out, out), kScriptPassed);
  driver.advance_to(2000);
  EXPECT_EQ(out.str(), "t=0 show Form1\n");
}

}  // namespace
}  // namespace totechita::script
