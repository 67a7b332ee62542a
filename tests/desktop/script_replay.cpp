#include "desktop/script_replay.hpp"

#include <QTest>
#include <array>
#include <utility>

#include "desktop/menu_bar_builder.hpp"
#include "desktop/twips.hpp"
#include "script/script_lookup.hpp"
#include "script/state_dump.hpp"

namespace totechita::desktop::testing {

namespace {

// A command that cannot be played, or a check that does not hold.
struct Failure {
  std::string problem;
};

// The keys the script language names, by their key codes.
constexpr std::array<std::pair<int, Qt::Key>, 6> kKeys{{
    {37, Qt::Key_Left},
    {38, Qt::Key_Up},
    {39, Qt::Key_Right},
    {40, Qt::Key_Down},
    {13, Qt::Key_Return},
    {8, Qt::Key_Backspace},
}};

Qt::Key qt_key(int code) {
  for (const auto& [key_code, key] : kKeys) {
    if (key_code == code) return key;
  }
  throw Failure{"no Qt key for key code " + std::to_string(code)};
}

Twips twips_property(const Control& control, std::string_view property) {
  return static_cast<Twips>(std::get<double>(read_property(control, property).value()));
}

}  // namespace

// The session starts once the transcript can read its clock: empty while the title is shown.
ScriptReplay::ScriptReplay() { m_session = std::make_unique<ScriptedSession>(); }

void ScriptReplay::play(const std::vector<script::Command>& commands) {
  for (const script::Command& command : commands) {
    try {
      if (runtime().ended()) throw Failure{"the program has already ended"};
      std::visit([this](const auto& action) { perform(action); }, command.action);
    } catch (const Failure& failure) {
      m_failure = "line " + std::to_string(command.line) + ": " + failure.problem;
      return;
    }
  }
}

void ScriptReplay::perform(const script::Seed& seed) { runtime().random().reseed(seed.seed); }

void ScriptReplay::perform(const script::Wait& wait) { m_session->wait(wait.milliseconds); }

void ScriptReplay::perform(const script::Until& until) {
  auto reached = [&] {
    if (!until.ref) return runtime().ended();
    return !runtime().ended() && script::value_matches(read(*until.ref), until.value);
  };
  for (Millis waited = 0; !reached(); ++waited) {
    if (waited == until.milliseconds || runtime().ended()) {
      throw Failure{"until: not reached after " + std::to_string(until.milliseconds) + " ms"};
    }
    m_session->wait(1);
  }
}

void ScriptReplay::perform(const script::Key& key) {
  m_session->press_key(qt_key(key.code), key.count);
}

// In the middle of the control as drawn, which must be the topmost control there.
void ScriptReplay::perform(const script::Click& click) {
  Form& form = active();
  const Control& control = control_of(form, click.control);
  FormCanvas& canvas = m_session->window(form.name())->canvas();
  const QRectF rect = to_pixel_rect(twips_property(control, "Left"), twips_property(control, "Top"),
                                    twips_property(control, "Width"),
                                    twips_property(control, "Height"), canvas.devicePixelRatioF());
  const QPoint middle = rect.center().toPoint();
  if (canvas.control_at(middle) != &control) throw Failure{click.control + " is not on top"};
  QTest::mouseClick(&canvas, Qt::LeftButton, {}, middle);
}

void ScriptReplay::perform(const script::Menu& menu) {
  const Form& form = active();
  const MenuItem* item = script::find_menu_item(form.menu(), menu.item);
  if (item == nullptr || !m_session->choose(menu_text(item->caption))) {
    throw Failure{form.name() + "'s menu bar has no command " + menu.item};
  }
}

void ScriptReplay::perform(const script::Close& close) {
  m_session->window(loaded(close.form).name())->close();
}

void ScriptReplay::perform(const script::Set& set) {
  Control& control = control_of(form_of(set.ref), set.ref.control);
  PropertyWrite result = PropertyWrite::done;
  m_session->change([&] { result = write_property(control, set.ref.property, set.value); });
  if (result != PropertyWrite::done) throw Failure{"cannot set " + describe(set.ref)};
}

void ScriptReplay::perform(const script::Print& print) {
  m_transcript.add(describe(print.ref) + "=" + format_value(read(print.ref)));
}

void ScriptReplay::perform(const script::Expect& expect) {
  const PropertyValue actual = read(expect.ref);
  if (!script::value_matches(actual, expect.value)) {
    throw Failure{"expect " + describe(expect.ref) + ": got " + format_value(actual) +
                  ", expected " + expect.value};
  }
}

void ScriptReplay::perform(const script::Dump& dump) {
  if (!dump.form.empty()) {
    const Form* form = runtime().find_form(dump.form);
    m_transcript.add(form != nullptr ? dump_form(*form) : dump_unloaded_form(dump.form));
    return;
  }
  for (const auto& form : runtime().forms())
    m_transcript.add(dump_form(*form));
}

Form& ScriptReplay::active() {
  Form* form = runtime().active_form();
  if (form == nullptr) throw Failure{"no form is loaded"};
  return *form;
}

Form& ScriptReplay::loaded(const std::string& name) {
  Form* form = runtime().find_form(name);
  if (form == nullptr) throw Failure{name + " is not loaded"};
  return *form;
}

Form& ScriptReplay::form_of(const script::Ref& ref) {
  return ref.form.empty() ? active() : loaded(ref.form);
}

Control& ScriptReplay::control_of(const Form& form, const std::string& name) {
  Control* control = form.find(name);
  if (control == nullptr) throw Failure{form.name() + " has no control " + name};
  return *control;
}

PropertyValue ScriptReplay::read(const script::Ref& ref) {
  if (ref.control.empty()) {
    if (ref.property == "Loaded") return runtime().find_form(ref.form) != nullptr;
    return loaded(ref.form).design().caption;
  }
  const Control& control = control_of(form_of(ref), ref.control);
  std::optional<PropertyValue> value = read_property(control, ref.property);
  if (!value) throw Failure{control.name() + " has no property " + ref.property};
  return *value;
}

std::string ScriptReplay::describe(const script::Ref& ref) {
  if (ref.control.empty()) return ref.form + "." + ref.property;
  return (ref.form.empty() ? active().name() : ref.form) + "." + ref.control + "." + ref.property;
}

}  // namespace totechita::desktop::testing
