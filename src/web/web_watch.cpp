#include "web/web_watch.hpp"

#include <emscripten/emscripten.h>

#include <array>
#include <cmath>

#include "game/program.hpp"
#include "script/input_line.hpp"
#include "script/script_runner.hpp"
#include "script/watching.hpp"
#include "web/page_lines.hpp"

namespace totechita::web {

namespace {

// How the page ends a sleep of the watching, when not because its time has passed (0).
constexpr int kPlayerInput = 1;  // the input is in the line handed to the sleep
constexpr int kStop = 2;

// clang-format off
EM_JS(double, page_watch_clock, (), {
  return Module.page.watch_clock();
});
EM_ASYNC_JS(int, page_watch_sleep, (double delay, const char* frame, char* line, int size), {
  const woken = await Module.page.watch_sleep(delay, frame ? JSON.parse(UTF8ToString(frame)) : []);
  if (woken.input) stringToUTF8(woken.input, line, size);
  return woken.code;
});
EM_JS(void, page_watch_played, (), {
  Module.page.watch_played();
});
// clang-format on

Millis real_now() { return static_cast<Millis>(std::floor(page_watch_clock())); }

}  // namespace

WebWatch::WebWatch(std::string script)
    : m_script(std::move(script)),
      m_pace(m_script),
      m_runtime(m_platform, 0),
      m_follower(m_runtime, [this] { return m_clock; }) {
  m_platform.set_reading_time([this] { return m_pace.reading_time(m_runtime.scheduler().now()); });
}

std::string WebWatch::play() {
  std::string problem;
  int status = script::kScriptFailed;
  try {
    status = script::run_script(
        m_script, *this, {page_lines, [&problem](std::string_view text) { problem += text; }});
    if (status == script::kScriptPassed) {
      page_watch_played();
      while (!m_runtime.ended())
        advance_to(m_clock + script::kMaxWait);
    }
  } catch (const script::ScriptError&) {  // stopped after the script
  }
  if (m_stopped || (m_player_ended && m_runtime.ended())) return "";
  if (status == script::kScriptPassed) return "";
  if (problem.ends_with('\n')) problem.pop_back();
  return problem;
}

void WebWatch::start() {
  m_pace.start(real_now());
  start_program(m_runtime);
}

// An instant at a time, each when the real clock has come to it, with a rest before each so
// that the page draws and takes input even when the watching is late.
void WebWatch::advance_to(Millis time) {
  while (m_clock < time && !m_runtime.ended()) {
    const Millis instant = script::WatchingPace::next_instant(m_clock, time, m_follower.next_due());
    const Millis wait = m_pace.real_wait(instant, real_now());
    rest(std::max<Millis>(wait, 0));
    if (wait > 0 && m_pace.real_wait(instant, real_now()) > 0) continue;  // woken early
    m_clock = instant;
    m_follower.catch_up();
  }
}

// A script may give two million inputs at one instant: the page has its turn now and then.
void WebWatch::input(const Input& input) {
  if (real_now() - m_rested_at > script::WatchingPace::kFrame) rest(0);
  m_follower.deliver(input);
}

void WebWatch::jump(Millis milliseconds) {
  m_clock += milliseconds;
  m_follower.note_clock_stopped();
  m_follower.catch_up();
  m_pace.jumped(m_clock, real_now());
}

void WebWatch::rest(Millis milliseconds) {
  const std::string frame = m_platform.frame_due() ? m_platform.take_frame() : std::string();
  std::array<char, 256> line{};
  const int woken =
      page_watch_sleep(static_cast<double>(milliseconds), frame.empty() ? nullptr : frame.c_str(),
                       line.data(), static_cast<int>(line.size()));
  m_rested_at = real_now();
  if (woken == kPlayerInput) take_player_input(line.data());
  if (woken == kStop) {
    m_stopped = true;
    throw script::ScriptError{script::kScriptFailed, "the watching was stopped"};
  }
}

void WebWatch::take_player_input(const char* line) {
  auto parsed = script::parse_input_line(line);
  const auto* input = std::get_if<Input>(&parsed);
  if (input == nullptr || !script::ends_watching(*input)) return;
  m_player_ended = true;
  m_follower.deliver(*input);
}

}  // namespace totechita::web
