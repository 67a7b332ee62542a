#include "runtime/runtime.hpp"

#include <algorithm>

#include "runtime/runtime_error.hpp"

namespace totechita {

namespace {
// Thrown by End to leave the running handler at once; caught at the event boundary.
struct ProgramEnd {};
}  // namespace

Runtime::Runtime(Platform& platform, std::uint64_t seed)
    : m_platform(platform),
      m_scheduler(m_journal,
                  [this](Timer& timer) {
                    return run_event([&timer] {
                      if (timer.on_tick) timer.on_tick();
                    });
                  }),
      m_random(seed) {}

Runtime::~Runtime() = default;

ChangeJournal::Outcome Runtime::run_event(const std::function<void()>& handler) {
  if (m_ended) return {.quiet = false, .touched = {}};
  ++m_event_depth;
  m_journal.open();
  try {
    handler();
  } catch (const ProgramEnd&) {
    // End: the program is already over.
  } catch (const RuntimeError& error) {
    trace("error " + error.message());
    m_platform.message_box(error.message(), m_title);
    finish(kErrorExitStatus);
  }
  ChangeJournal::Outcome outcome = m_journal.close();
  // The program ends when no form is left once the running handler has returned, so a handler
  // may unload the last form and then show another.
  if (--m_event_depth == 0 && !m_ended && m_forms.empty()) finish(0);
  return outcome;
}

Form& Runtime::load(std::unique_ptr<Form> form) {
  m_journal.note_effect();
  Form& loaded = *form;
  m_forms.push_back(std::move(form));
  for (Timer* timer : loaded.timers())
    m_scheduler.add(*timer);
  trace("show " + loaded.name());
  m_platform.form_loaded(loaded);
  return loaded;
}

void Runtime::activate(Form& form) {
  std::erase(m_shown, &form);
  m_shown.push_back(&form);
  m_platform.form_shown(form);
}

void Runtime::unload(Form& form) {
  if (!form.loaded()) return;
  m_journal.note_effect();
  form.m_loaded = false;
  for (Timer* timer : form.timers())
    m_scheduler.remove(*timer);
  std::erase(m_shown, &form);
  m_platform.form_unloaded(form);
  trace("unload " + form.name());
  auto it = std::find_if(m_forms.begin(), m_forms.end(),
                         [&](const auto& owned) { return owned.get() == &form; });
  m_unloaded.push_back(std::move(*it));
  m_forms.erase(it);
}

void Runtime::end() {
  finish(0);
  throw ProgramEnd{};
}

void Runtime::finish(int status) {
  if (m_ended) return;
  m_ended = true;
  m_exit_status = status;
  m_journal.note_effect();
  m_scheduler.halt();
  trace("end");
  m_platform.program_ended(status);
}

void Runtime::message_box(std::string_view prompt) {
  m_journal.note_effect();
  trace("msgbox " + std::string(prompt));
  m_platform.message_box(prompt, m_title);
  if (m_on_message_box_closed) m_on_message_box_closed();
}

void Runtime::randomize() {
  m_journal.note_effect();
  m_random.randomize(static_cast<std::uint64_t>(m_scheduler.now()));
}

float Runtime::rnd() {
  m_journal.note_effect();
  return m_random.rnd();
}

Form* Runtime::active_form() const { return m_shown.empty() ? nullptr : m_shown.back(); }

Form* Runtime::find_form(std::string_view name) const {
  auto it = std::find_if(m_forms.begin(), m_forms.end(),
                         [&](const auto& form) { return form->name() == name; });
  return it == m_forms.end() ? nullptr : it->get();
}

Form* Runtime::form_named_or_active(const std::string& name) const {
  return name.empty() ? active_form() : find_form(name);
}

// The target is looked up as the input arrives: by then an earlier event may have unloaded it.
void Runtime::deliver(const Input& input) {
  run_event([&] {
    std::visit(Overloaded{
                   [&](const KeyDown& key) {
                     Form* form = active_form();
                     if (form != nullptr && form->on_key_down) form->on_key_down(key.key_code);
                   },
                   [&](const Click& click) {
                     Form* form = form_named_or_active(click.form);
                     Control* control = form != nullptr ? form->find(click.control) : nullptr;
                     if (control != nullptr && control->on_click) control->on_click();
                   },
                   [&](const MenuCommand& command) {
                     Form* form = form_named_or_active(command.form);
                     const MenuItem* item = form != nullptr
                                                ? find_menu_item_named(form->menu(), command.item)
                                                : nullptr;
                     if (item != nullptr && item->on_click) item->on_click();
                   },
                   [&](const CloseBox& close) {
                     if (Form* form = form_named_or_active(close.form)) unload(*form);
                   },
               },
               input);
  });
}

void Runtime::change(const std::function<void()>& action) { run_event(action); }

void Runtime::release_unloaded() {
  if (m_event_depth == 0 && !m_scheduler.busy()) m_unloaded.clear();
}

void Runtime::trace(std::string_view line) {
  if (m_trace) m_trace(m_scheduler.now(), line);
}

}  // namespace totechita
