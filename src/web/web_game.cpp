#include "web/web_game.hpp"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "game/program.hpp"
#include "web/page_lines.hpp"

namespace totechita::web {

namespace {

// clang-format off
EM_JS(void, page_plan_wake, (double delay), {
  Module.page.plan_wake(delay);
});
EM_JS(void, page_request_frame, (), {
  Module.page.request_frame();
});
// clang-format on

}  // namespace

// Whole milliseconds of performance.now() since the game started.
WebGame::WebGame(std::uint64_t seed)
    : m_runtime(m_platform, seed),
      m_clock(m_runtime,
              [started_at = emscripten_get_now()] {
                return static_cast<Millis>(std::floor(emscripten_get_now() - started_at));
              }),
      m_recorder(
          [this](std::string_view text) {
            m_recording += text;
            return true;
          },
          seed) {
  m_runtime.set_trace([](Millis time, std::string_view line) {
    page_line("t=" + std::to_string(time) + ' ' + std::string(line));
  });
  m_clock.set_observer(m_recorder);
}

void WebGame::start() {
  start_program(m_runtime);
  finish();
}

void WebGame::wake() {
  if (m_clock.serving()) return;
  m_clock.catch_up();
  finish();
}

void WebGame::deliver(const Input& input) {
  if (m_clock.deliver(input)) finish();
}

std::string WebGame::recording() {
  m_recorder.finish(m_runtime.scheduler().now());
  return m_recording;
}

void WebGame::finish() {
  if (m_platform.frame_due()) page_request_frame();
  const std::optional<Millis> due = m_clock.next_due();
  page_plan_wake(due ? static_cast<double>(std::max<Millis>(*due - m_clock.real_now(), 0)) : -1);
}

}  // namespace totechita::web
