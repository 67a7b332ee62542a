#include "web/web_game.hpp"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "game/program.hpp"

namespace totechita::web {

namespace {

// clang-format off
EM_JS(void, page_trace, (double time, const char* line), {
  Module.page.trace(time, UTF8ToString(line));
});
EM_JS(void, page_plan_wake, (double delay), {
  Module.page.plan_wake(delay);
});
EM_JS(void, page_request_frame, (), {
  Module.page.request_frame();
});
// clang-format on

// Sets a flag for the length of a scope.
class Serving {
 public:
  explicit Serving(bool& flag) : m_flag(flag) { m_flag = true; }
  ~Serving() { m_flag = false; }
  Serving(const Serving&) = delete;
  Serving& operator=(const Serving&) = delete;

 private:
  bool& m_flag;
};

}  // namespace

WebGame::WebGame(std::uint64_t seed)
    : m_runtime(m_platform, seed), m_started_at(emscripten_get_now()) {
  m_runtime.set_trace([](Millis time, std::string_view line) {
    page_trace(static_cast<double>(time), std::string(line).c_str());
  });
  m_platform.set_on_message_box_closed([this] { m_jump_to = real_now(); });
}

void WebGame::start() {
  {
    Serving serving(m_serving);
    start_program(m_runtime);
  }
  finish();
}

// A wake-up that comes while a message box is open is ignored: the catch-up that opened the
// box asks for the next one when it is over.
void WebGame::wake() {
  if (m_serving) return;
  catch_up();
  finish();
}

void WebGame::deliver(const std::function<void()>& event) {
  if (m_serving || m_runtime.ended()) return;
  catch_up();
  {
    Serving serving(m_serving);
    event();
  }
  m_runtime.release_unloaded();
  finish();
}

Millis WebGame::real_now() const {
  return static_cast<Millis>(std::floor(emscripten_get_now() - m_started_at));
}

void WebGame::catch_up() {
  Scheduler& scheduler = m_runtime.scheduler();
  if (m_runtime.ended() || scheduler.busy()) return;
  const Millis now = real_now();
  {
    Serving serving(m_serving);
    if (m_jump_to) scheduler.jump_to(*std::exchange(m_jump_to, std::nullopt));
    const std::optional<Millis> due = scheduler.next_due();
    if (due && now - *due > kStallThreshold) {
      scheduler.jump_to(now);
    } else {
      scheduler.advance_to(now);
    }
  }
  m_runtime.release_unloaded();
}

void WebGame::finish() {
  if (m_platform.frame_due()) page_request_frame();
  const std::optional<Millis> due =
      m_runtime.ended() ? std::nullopt : m_runtime.scheduler().next_due();
  page_plan_wake(due ? static_cast<double>(std::max<Millis>(*due - real_now(), 0)) : -1);
}

}  // namespace totechita::web
