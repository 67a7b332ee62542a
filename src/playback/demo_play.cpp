#include "playback/demo_play.hpp"

#include <array>
#include <sstream>

#include "playback/demo_script.hpp"
#include "playback/message_box_closer.hpp"
#include "playback/window_script_driver.hpp"
#include "script/script_runner.hpp"

namespace totechita::playback {

namespace {

// Which window is pictured when, in the demo's virtual time (its script says why then).
struct PlannedSnapshot {
  const char* name;
  const char* form;
  Millis time;
};
constexpr std::array<PlannedSnapshot, 4> kPlan{{{"title", "Form1", 0},
                                                {"board", "Form2", 2350},
                                                {"finale", "Form2", 7000},
                                                {"ending", "Form3", 10200}}};

// Plays through the windows, stopping the clock at each planned time for a picture.
class PicturingDriver final : public script::ScriptDriver {
 public:
  explicit PicturingDriver(ScriptedSession& session) : m_session(session), m_windows(session) {}

  Runtime& runtime() override { return m_windows.runtime(); }
  void start() override {
    m_windows.start();
    take_due_pictures();
  }
  void input(const Input& input) override { m_windows.input(input); }
  void advance_to(Millis time) override {
    for (const PlannedSnapshot& planned : kPlan) {
      if (planned.time > m_session.now() && planned.time <= time) {
        m_windows.advance_to(planned.time);
        take_due_pictures();
      }
    }
    m_windows.advance_to(time);
  }
  void jump(Millis milliseconds) override { m_windows.jump(milliseconds); }

  std::vector<Snapshot> take_snapshots() { return std::move(m_snapshots); }

 private:
  void take_due_pictures() {
    for (const PlannedSnapshot& planned : kPlan) {
      desktop::FormWindow* window = m_session.window(planned.form);
      if (planned.time != m_session.now() || window == nullptr) continue;
      m_snapshots.push_back({.name = planned.name,
                             .image = window->grab().toImage(),
                             .client_top = window->canvas().y()});
    }
  }

  ScriptedSession& m_session;
  WindowScriptDriver m_windows;
  std::vector<Snapshot> m_snapshots;
};

}  // namespace

std::vector<Snapshot> play_demo() {
  const MessageBoxCloser closer;
  ScriptedSession session(0, ScriptedSession::Start::later);
  PicturingDriver driver(session);
  std::ostringstream ignored;
  script::run_script(kDemoScript, driver, ignored, ignored);
  return driver.take_snapshots();
}

}  // namespace totechita::playback
