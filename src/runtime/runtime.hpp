#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/change_journal.hpp"
#include "runtime/form.hpp"
#include "runtime/input.hpp"
#include "runtime/platform.hpp"
#include "runtime/random_source.hpp"
#include "runtime/scheduler.hpp"

namespace totechita {

// The application: the loaded forms, show / unload / end, message boxes, the random source and
// the clock. Every event (a tick, or an input: a key, a click, a menu command, the close box)
// runs through one error boundary: a runtime error shows the runtime's error message and ends
// the program.
class Runtime {
 public:
  static constexpr int kErrorExitStatus = 1;

  // An event line: "show Form2", "unload Form1", "msgbox TEXT", "end", "error TEXT".
  using Trace = std::function<void(Millis time, std::string_view line)>;

  Runtime(Platform& platform, std::uint64_t seed);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  void set_trace(Trace trace) { m_trace = std::move(trace); }
  // The program's title, which its message boxes carry.
  void set_title(std::string title) { m_title = std::move(title); }

  // Starts the program with its start-up form.
  template <class StartForm>
  void start() {
    run_event([this] { show<StartForm>(); });
  }

  // Shows a form, creating it with its design values on first use, and activates it.
  template <class F>
  F& show() {
    Form* form = find_form(F::kName);
    if (form == nullptr) form = &load(std::make_unique<F>(*this));
    activate(*form);
    return static_cast<F&>(*form);
  }
  void unload(Form& form);
  // Ends the program at once: nothing after it in the running handler is done.
  [[noreturn]] void end();
  void message_box(std::string_view prompt);
  // Called each time a message box has closed: the game clock stood still while it was open.
  void set_on_message_box_closed(std::function<void()> handler) {
    m_on_message_box_closed = std::move(handler);
  }
  void randomize();
  float rnd();

  // An input, as one event: a key-down goes to the active form (the most recently shown one
  // still loaded), the others to the form they name.
  void deliver(const Input& input);
  // A change made from outside the game (setting up a test case), as one event.
  void change(const std::function<void()>& action);

  bool ended() const { return m_ended; }
  int exit_status() const { return m_exit_status; }
  Form* active_form() const;
  Form* find_form(std::string_view name) const;
  const std::vector<std::unique_ptr<Form>>& forms() const { return m_forms; }

  Scheduler& scheduler() { return m_scheduler; }
  const Scheduler& scheduler() const { return m_scheduler; }
  ChangeJournal& journal() { return m_journal; }
  RandomSource& random() { return m_random; }
  Platform& platform() { return m_platform; }

  // Forms unloaded during an event live until it is over; the driver lets them go after.
  void release_unloaded();

 private:
  ChangeJournal::Outcome run_event(const std::function<void()>& handler);
  Form& load(std::unique_ptr<Form> form);
  void activate(Form& form);
  void finish(int status);
  void trace(std::string_view line);
  Form* form_named_or_active(const std::string& name) const;

  Platform& m_platform;
  ChangeJournal m_journal;
  Scheduler m_scheduler;
  RandomSource m_random;
  Trace m_trace;
  std::function<void()> m_on_message_box_closed;
  std::string m_title;
  std::vector<std::unique_ptr<Form>> m_forms;     // loaded, in creation order
  std::vector<Form*> m_shown;                     // loaded, in the order last shown
  std::vector<std::unique_ptr<Form>> m_unloaded;  // waiting for the running event to end
  int m_event_depth = 0;
  bool m_ended = false;
  int m_exit_status = 0;
};

}  // namespace totechita
