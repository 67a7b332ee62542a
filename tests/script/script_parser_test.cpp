#include "script/script_parser.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "script/script_runner.hpp"

namespace totechita::script {
namespace {

ParseError parse_error(const std::string& text) {
  auto parsed = parse_script(text);
  EXPECT_TRUE(std::holds_alternative<ParseError>(parsed)) << text;
  return std::holds_alternative<ParseError>(parsed) ? std::get<ParseError>(parsed) : ParseError{};
}

struct Played {
  int status;
  std::string out;
  std::string err;
};

Played play(const std::string& text) {
  auto parsed = parse_script(text);
  if (auto* error = std::get_if<ParseError>(&parsed)) {
    return {kScriptMalformed, "", "line " + std::to_string(error->line) + ": " + error->problem};
  }
  std::ostringstream out;
  std::ostringstream err;
  const int status = run_script(std::get<std::vector<Command>>(parsed), out, err);
  return {status, out.str(), err.str()};
}

TEST(ScriptParser, ReadsEveryCommand) {
  auto parsed = parse_script(
      "# a comment\n\nseed 42\nwait 1600\nuntil Form2.Loaded true 100\nuntil end 5\n"
      "key Right 3\nkey 13\nclick Label3\nmenu 茂佐\nclose Form2\n"
      "set Text1.Text \"hello world\"\nprint Form2.Image1.Left\nexpect Label9.Caption 0\n"
      "dump\ndump Form2\r\n");
  ASSERT_TRUE(std::holds_alternative<std::vector<Command>>(parsed));
  const auto& commands = std::get<std::vector<Command>>(parsed);
  ASSERT_EQ(commands.size(), 14u);
  EXPECT_EQ(commands[0].line, 3);
  EXPECT_EQ(std::get<Key>(commands[4].action).count, 3);
  EXPECT_EQ(std::get<Key>(commands[4].action).code, 39);
  EXPECT_EQ(std::get<Set>(commands[9].action).value, "hello world");
  EXPECT_EQ(std::get<Print>(commands[10].action).ref.form, "Form2");
  EXPECT_FALSE(std::get<Until>(commands[3].action).ref.has_value());
}

TEST(ScriptParser, MalformedLinesAreNamedByNumber) {
  const std::pair<std::string, std::string> cases[] = {
      {"wait 10\njump 5\n", "unknown command"},
      {"wait\n", "wait MS"},
      {"wait 1 2\n", "wait MS"},
      {"wait ten\n", "whole number"},
      {"wait -5\n", "from 0"},
      {"wait 1000000000000\n", "from 0"},
      {"wait 99999999999999999999999\n", "from 0"},
      {"key Sideways\n", "unknown key"},
      {"key Right 0\n", "the count"},
      {"print Image1\n", "CONTROL.PROPERTY"},
      {"print Image1.Colour\n", "no property named Colour"},
      {"print Form9.Image1.Left\n", "no form named Form9"},
      {"set Text1.Text \"open\n", "no closing quote"},
      {"wait 5\nseed 3\n", "seed must come before"},
      {"dump Form7\n", "no form named"},
      {"print Text1.Text\xff\n", "not valid UTF-8"},
      {"print Text1.Text\x1b[2J\n", "control character"},
      {std::string("wait 1\0", 7) + "\n", "control character"},
      {"print " + std::string(5000, 'x') + "\n", "longer than"},
  };
  for (const auto& [text, problem] : cases) {
    ParseError error = parse_error(text);
    EXPECT_NE(error.problem.find(problem), std::string::npos) << text << " → " << error.problem;
    EXPECT_EQ(error.line, text.starts_with("wait 5\n") || text.starts_with("wait 10\n") ? 2 : 1);
  }
}

TEST(ScriptRunner, PrintsEventsAndValues) {
  Played played = play("seed 42\nwait 1600\nmenu mnumosa\nprint Image7.Left\nprint Image7.Top\n");
  EXPECT_EQ(played.status, kScriptPassed) << played.err;
  EXPECT_EQ(played.out,
            "t=0 show Form1\nt=1500 show Form2\nt=1500 unload Form1\n"
            "Form2.Image7.Left=4000\nForm2.Image7.Top=4000\n");
}

TEST(ScriptRunner, ExpectAndUntilFailuresExitOneNamingTheLine) {
  Played expect = play("wait 1600\nexpect Label9.Caption 5\n");
  EXPECT_EQ(expect.status, kScriptFailed);
  EXPECT_EQ(expect.err, "line 2: expect Form2.Label9.Caption: got 0, expected 5\n");
  Played until = play("until Form2.Loaded true 1000\n");
  EXPECT_EQ(until.status, kScriptFailed);
  EXPECT_NE(until.err.find("line 1: until"), std::string::npos);
  Played reached = play("until Form2.Loaded true 1500\nexpect Form1.Loaded false\n");
  EXPECT_EQ(reached.status, kScriptPassed) << reached.err;
  Played later = play("until Form2.Image1.Left 0 1600\nexpect Form2.Image1.Top 0\n");
  EXPECT_EQ(later.status, kScriptPassed) << "a control of a form still to come is waited for";
}

TEST(ScriptRunner, NamesThatTheGameDoesNotHaveExitTwo) {
  EXPECT_EQ(play("wait 1600\nclick Label99\n").status, kScriptMalformed);
  EXPECT_EQ(play("wait 1600\nmenu mnunothing\n").status, kScriptMalformed);
  EXPECT_EQ(play("print Form2.Image1.Left\n").status, kScriptMalformed) << "not loaded yet";
  EXPECT_EQ(play("wait 1600\nprint Timer1.Caption\n").status, kScriptMalformed);
  EXPECT_EQ(play("wait 1600\nset Timer1.Interval -3\n").status, kScriptMalformed);
  EXPECT_EQ(play("wait 1600\nset Image1.Visible maybe\n").status, kScriptMalformed);
}

TEST(ScriptRunner, ACommandAfterTheEndExitsOne) {
  Played played = play("wait 1600\nmenu 終了\nwait 10\n");
  EXPECT_EQ(played.status, kScriptFailed);
  EXPECT_NE(played.out.find("t=1600 end"), std::string::npos);
  EXPECT_EQ(played.err, "line 3: the program has already ended\n");
}

TEST(ScriptRunner, ARuntimeErrorExitsTwo) {
  Played played = play("wait 1600\nset Text1.Text abc\nkey Right\n");
  EXPECT_EQ(played.status, kScriptMalformed);
  EXPECT_NE(played.out.find("error 実行時エラー '13'"), std::string::npos) << played.out;
}

}  // namespace
}  // namespace totechita::script
