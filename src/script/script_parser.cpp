#include "script/script_parser.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include "runtime/properties.hpp"
#include "script/key_names.hpp"
#include "script/utf8.hpp"

namespace totechita::script {

namespace {

constexpr std::array<std::string_view, 3> kForms{"Form1", "Form2", "Form3"};
constexpr int kMaxKeyCount = 100'000;

struct Failure {
  std::string problem;
};

bool is_form_name(std::string_view word) {
  return std::find(kForms.begin(), kForms.end(), word) != kForms.end();
}

// Words separated by spaces; a value with spaces goes in double quotes, where \" and \\ stand
// for a quote and a backslash.
std::vector<std::string> split_words(std::string_view line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
      continue;
    }
    std::string word;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) c = line[i++];
        word += c;
      }
      if (!closed) throw Failure{"a quoted value has no closing quote"};
      if (i < line.size() && line[i] != ' ' && line[i] != '\t') {
        throw Failure{"a closing quote must end its word"};
      }
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t')
        word += line[i++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

std::int64_t whole_number(const std::string& word, std::int64_t low, std::int64_t high,
                          std::string_view what) {
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error == std::errc::result_out_of_range ||
      (error == std::errc() && end == word.data() + word.size() && (value < low || value > high))) {
    throw Failure{std::string(what) + " must be from " + std::to_string(low) + " to " +
                  std::to_string(high) + ", not " + word};
  }
  if (error != std::errc() || end != word.data() + word.size()) {
    throw Failure{std::string(what) + " must be a whole number, not \"" + word + "\""};
  }
  return value;
}

Ref parse_ref(const std::string& word) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t dot = word.find('.');; dot = word.find('.', start)) {
    parts.push_back(word.substr(start, dot - start));
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  const bool empty_part =
      std::any_of(parts.begin(), parts.end(), [](auto& p) { return p.empty(); });
  if (parts.size() < 2 || parts.size() > 3 || empty_part) {
    throw Failure{"\"" + word + "\" is not CONTROL.PROPERTY or FORM.CONTROL.PROPERTY"};
  }
  if (parts.size() == 2 && is_form_name(parts[0]) &&
      (parts[1] == "Loaded" || parts[1] == "Caption")) {
    return {.form = parts[0], .control = "", .property = parts[1]};
  }
  if (parts.size() == 3 && !is_form_name(parts[0])) {
    throw Failure{"there is no form named " + parts[0]};
  }
  const std::string& property = parts.back();
  if (!is_property_name(property)) throw Failure{"there is no property named " + property};
  if (parts.size() == 2) return {.form = "", .control = parts[0], .property = property};
  return {.form = parts[0], .control = parts[1], .property = property};
}

void expect_words(const std::vector<std::string>& words, std::size_t low, std::size_t high,
                  std::string_view usage) {
  if (words.size() < low || words.size() > high) {
    throw Failure{"expected \"" + std::string(usage) + "\""};
  }
}

int key_code(const std::string& word) {
  if (const std::optional<int> code = key_code_named(word)) return *code;
  if (!word.empty() && word.front() >= '0' && word.front() <= '9') {
    return static_cast<int>(whole_number(word, 0, 65535, "a key code"));
  }
  throw Failure{"unknown key " + word + " (Left, Up, Right, Down, Enter, Backspace or a code)"};
}

Action parse_action(const std::vector<std::string>& w) {
  const std::string& verb = w[0];
  if (verb == "seed") {
    expect_words(w, 2, 2, "seed N");
    return Seed{static_cast<std::uint64_t>(
        whole_number(w[1], 0, std::numeric_limits<std::int64_t>::max(), "the seed"))};
  }
  if (verb == "wait") {
    expect_words(w, 2, 2, "wait MS");
    return Wait{whole_number(w[1], 0, kMaxWait, "the wait")};
  }
  if (verb == "jump") {
    expect_words(w, 2, 2, "jump MS");
    return Jump{whole_number(w[1], 0, kMaxWait, "the jump")};
  }
  if (verb == "until") {
    if (w.size() == 3 && w[1] == "end") {
      return Until{std::nullopt, "", whole_number(w[2], 0, kMaxWait, "the wait")};
    }
    expect_words(w, 4, 4, "until REF VALUE MS");
    return Until{parse_ref(w[1]), w[2], whole_number(w[3], 0, kMaxWait, "the wait")};
  }
  if (verb == "key") {
    expect_words(w, 2, 3, "key NAME [COUNT]");
    const int count =
        w.size() == 3 ? static_cast<int>(whole_number(w[2], 1, kMaxKeyCount, "the count")) : 1;
    return PlayerInput{KeyDown{key_code(w[1])}, count};
  }
  if (verb == "click") {
    expect_words(w, 2, 2, "click CONTROL");
    return PlayerInput{Click{.form = "", .control = w[1]}};
  }
  if (verb == "menu") {
    expect_words(w, 2, 2, "menu ITEM");
    return PlayerInput{MenuCommand{.form = "", .item = w[1]}};
  }
  if (verb == "close") {
    expect_words(w, 2, 2, "close FORM");
    if (!is_form_name(w[1])) throw Failure{"there is no form named " + w[1]};
    return PlayerInput{CloseBox{w[1]}};
  }
  if (verb == "set") {
    expect_words(w, 3, 3, "set REF VALUE");
    return Set{parse_ref(w[1]), w[2]};
  }
  if (verb == "print") {
    expect_words(w, 2, 2, "print REF");
    return Print{parse_ref(w[1])};
  }
  if (verb == "expect") {
    expect_words(w, 3, 3, "expect REF VALUE");
    return Expect{parse_ref(w[1]), w[2]};
  }
  if (verb == "dump") {
    expect_words(w, 1, 2, "dump [FORM]");
    if (w.size() == 2 && !is_form_name(w[1])) throw Failure{"there is no form named " + w[1]};
    return Dump{w.size() == 2 ? w[1] : ""};
  }
  throw Failure{"unknown command \"" + verb + "\""};
}

}  // namespace

std::string describe(const ParseError& error) {
  if (error.line == 0) return error.problem;
  return "line " + std::to_string(error.line) + ": " + error.problem;
}

ScriptReader::ScriptReader(std::string_view text) : m_rest(text) {
  if (text.size() > kMaxScriptBytes) {
    m_error = ParseError{0, "the script is larger than " + std::to_string(kMaxScriptBytes >> 20) +
                                " MB (" + std::to_string(kMaxScriptBytes) + " bytes)"};
    m_rest = {};
  }
}

const Command* ScriptReader::next() {
  while (!m_rest.empty()) {
    ++m_line;
    const std::size_t newline = m_rest.find('\n');
    std::string_view line = m_rest.substr(0, newline);
    m_rest.remove_prefix(newline == std::string_view::npos ? m_rest.size() : newline + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // A comment is never read, whatever it holds (quotes included) and however long it is.
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;
    try {
      m_command = Command{m_line, parse_line(line)};
      return &*m_command;
    } catch (const Failure& failure) {
      m_error = ParseError{m_line, failure.problem};
      m_rest = {};
    }
  }
  return nullptr;
}

Action ScriptReader::parse_line(std::string_view line) {
  if (line.size() > kMaxLineBytes) {
    throw Failure{"the line is longer than " + std::to_string(kMaxLineBytes) + " bytes"};
  }
  if (!is_valid_utf8(line)) throw Failure{"the line is not valid UTF-8"};
  // Error messages repeat the script's words: keep terminal control bytes out of them.
  if (std::any_of(line.begin(), line.end(),
                  [](char c) { return c >= 0 && c < 0x20 && c != '\t'; })) {
    throw Failure{"the line holds a control character"};
  }
  Action action = parse_action(split_words(line));
  if (std::holds_alternative<Seed>(action) && m_clock_moved) {
    throw Failure{"seed must come before the first wait, jump or until"};
  }
  m_clock_moved = m_clock_moved || std::holds_alternative<Wait>(action) ||
                  std::holds_alternative<Jump>(action) || std::holds_alternative<Until>(action);
  if (std::optional<std::string> too_much = m_budget.spend(action)) throw Failure{*too_much};
  return action;
}

std::optional<ParseError> check_script(std::string_view text) {
  ScriptReader reader(text);
  while (reader.next() != nullptr) {
  }
  return reader.error();
}

std::variant<std::vector<Command>, ParseError> parse_script(std::string_view text) {
  std::vector<Command> commands;
  ScriptReader reader(text);
  while (const Command* command = reader.next())
    commands.push_back(*command);
  if (reader.error()) return *reader.error();
  return commands;
}

}  // namespace totechita::script
