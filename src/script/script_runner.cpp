#include "script/script_runner.hpp"

#include "runtime/properties.hpp"
#include "script/headless_driver.hpp"
#include "script/script_lookup.hpp"
#include "script/script_parser.hpp"
#include "script/state_dump.hpp"

namespace totechita::script {

namespace {

class Player {
 public:
  Player(ScriptDriver& driver, std::ostream& out)
      : m_driver(driver), m_runtime(driver.runtime()), m_out(out) {
    m_runtime.set_trace([this](Millis time, std::string_view line) {
      m_out << "t=" << time << ' ' << line << '\n';
    });
    m_driver.start();
  }

  void play(const Command& command) {
    if (m_runtime.ended() && !std::holds_alternative<Seed>(command.action)) {
      throw ScriptError{kScriptFailed, "the program has already ended"};
    }
    std::visit([this](const auto& action) { perform(action); }, command.action);
    m_runtime.release_unloaded();
    if (m_runtime.ended() && m_runtime.exit_status() != 0) {
      throw ScriptError{kScriptMalformed, "the game stopped on a runtime error"};
    }
  }

 private:
  void perform(const Seed& seed) { m_runtime.random().reseed(seed.seed); }
  void perform(const Wait& wait) {
    m_driver.advance_to(m_runtime.scheduler().now() + wait.milliseconds);
  }
  void perform(const Jump& jump) { m_driver.jump(jump.milliseconds); }
  // Looks at every instant that can change something, so that every driver stops at the same
  // one.
  void perform(const Until& until) {
    Scheduler& scheduler = m_runtime.scheduler();
    const Millis deadline = scheduler.now() + until.milliseconds;
    // A control of a form that is not loaded yet is waited for, like any other value.
    auto reached = [&] {
      if (!until.ref) return m_runtime.ended();
      const Ref& ref = *until.ref;
      if (!ref.control.empty() && !ref.form.empty() && !m_runtime.find_form(ref.form)) {
        return false;
      }
      return !m_runtime.ended() && value_matches(read(ref), until.value);
    };
    while (!reached()) {
      if (m_runtime.ended() && m_runtime.exit_status() != 0) return;  // said by play()
      const std::optional<Millis> due = m_runtime.ended() ? std::nullopt : scheduler.next_due();
      if (!due || *due > deadline) {
        m_driver.advance_to(deadline);
        const std::string what = until.ref ? describe(*until.ref) + " is not " + until.value
                                           : "the program has not ended";
        throw ScriptError{kScriptFailed, "until: " + what + " after " +
                                             std::to_string(until.milliseconds) + " ms"};
      }
      m_driver.advance_to(*due);
    }
  }
  void perform(const Key& key) {
    for (int i = 0; i < key.count && !m_runtime.ended(); ++i)
      m_driver.key_down(key.code);
  }
  void perform(const Click& click) { m_driver.click(control_of(active(), click.control)); }
  void perform(const Menu& menu) {
    Form& form = active();
    const MenuItem* item = find_menu_item(form.menu(), menu.item);
    if (item == nullptr) {
      throw ScriptError{kScriptMalformed, form.name() + " has no menu item " + menu.item};
    }
    m_driver.choose(*item);
  }
  void perform(const Close& close) { m_driver.close(loaded(close.form)); }
  void perform(const Set& set) {
    if (set.ref.control.empty()) {
      throw ScriptError{kScriptMalformed, set.ref.form + "." + set.ref.property + " is read-only"};
    }
    Control& control = control_of(form_of(set.ref), set.ref.control);
    PropertyWrite result = PropertyWrite::done;
    m_runtime.change([&] { result = write_property(control, set.ref.property, set.value); });
    if (result == PropertyWrite::no_such_property) {
      throw ScriptError{kScriptMalformed, control.name() + " has no property " + set.ref.property};
    }
    if (result == PropertyWrite::bad_value) {
      throw ScriptError{kScriptMalformed,
                        "\"" + set.value + "\" is not a value for " + set.ref.property};
    }
  }
  void perform(const Print& print) {
    m_out << describe(print.ref) << '=' << format_value(read(print.ref)) << '\n';
  }
  void perform(const Expect& expect) {
    const PropertyValue actual = read(expect.ref);
    if (!value_matches(actual, expect.value)) {
      throw ScriptError{kScriptFailed, "expect " + describe(expect.ref) + ": got " +
                                           format_value(actual) + ", expected " + expect.value};
    }
  }
  void perform(const Dump& dump) {
    if (!dump.form.empty()) {
      const Form* form = m_runtime.find_form(dump.form);
      m_out << (form ? dump_form(*form) : dump_unloaded_form(dump.form)) << '\n';
      return;
    }
    for (const auto& form : m_runtime.forms())
      m_out << dump_form(*form) << '\n';
  }

  Form& active() {
    Form* form = m_runtime.active_form();
    if (form == nullptr) throw ScriptError{kScriptFailed, "no form is loaded"};
    return *form;
  }
  Form& loaded(const std::string& name) {
    Form* form = m_runtime.find_form(name);
    if (form == nullptr) throw ScriptError{kScriptMalformed, name + " is not loaded"};
    return *form;
  }
  Form& form_of(const Ref& ref) { return ref.form.empty() ? active() : loaded(ref.form); }
  Control& control_of(Form& form, const std::string& name) {
    Control* control = form.find(name);
    if (control == nullptr) {
      throw ScriptError{kScriptMalformed, form.name() + " has no control " + name};
    }
    return *control;
  }

  PropertyValue read(const Ref& ref) {
    if (ref.control.empty()) {
      const Form* form = m_runtime.find_form(ref.form);
      if (ref.property == "Loaded") return form != nullptr;
      if (form == nullptr) throw ScriptError{kScriptMalformed, ref.form + " is not loaded"};
      return form->design().caption;
    }
    const Control& control = control_of(form_of(ref), ref.control);
    std::optional<PropertyValue> value = read_property(control, ref.property);
    if (!value) {
      throw ScriptError{kScriptMalformed, control.name() + " has no property " + ref.property};
    }
    return *value;
  }

  std::string describe(const Ref& ref) {
    if (ref.control.empty()) return ref.form + "." + ref.property;
    const std::string form = ref.form.empty() ? active().name() : ref.form;
    return form + "." + ref.control + "." + ref.property;
  }

  ScriptDriver& m_driver;
  Runtime& m_runtime;
  std::ostream& m_out;
};

}  // namespace

int run_script(const std::vector<Command>& commands, ScriptDriver& driver, std::ostream& out,
               std::ostream& err) {
  Player player(driver, out);
  for (const Command& command : commands) {
    try {
      player.play(command);
    } catch (const ScriptError& error) {
      out.flush();
      err << "line " << command.line << ": " << error.problem << '\n';
      return error.status;
    }
  }
  return kScriptPassed;
}

int run_headless(std::string_view text, std::ostream& out, std::ostream& err) {
  auto parsed = parse_script(text);
  if (const auto* error = std::get_if<ParseError>(&parsed)) {
    err << "line " << error->line << ": " << error->problem << '\n';
    return kScriptMalformed;
  }
  HeadlessDriver driver;
  return run_script(std::get<std::vector<Command>>(parsed), driver, out, err);
}

}  // namespace totechita::script
