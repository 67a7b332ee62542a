#include "script/state_query.hpp"

#include "script/script_driver.hpp"
#include "script/script_lookup.hpp"
#include "script/script_runner.hpp"
#include "script/state_dump.hpp"

namespace totechita::script {

namespace {

Form& form_of(const Runtime& runtime, const Ref& ref) {
  if (ref.form.empty()) {
    Form* active = runtime.active_form();
    if (active == nullptr) throw ScriptError{kScriptFailed, "no form is loaded"};
    return *active;
  }
  Form* form = runtime.find_form(ref.form);
  if (form == nullptr) throw ScriptError{kScriptMalformed, ref.form + " is not loaded"};
  return *form;
}

}  // namespace

Control& control_of_ref(const Runtime& runtime, const Ref& ref) {
  const Form& form = form_of(runtime, ref);
  Control* control = form.find(ref.control);
  if (control == nullptr) {
    throw ScriptError{kScriptMalformed, form.name() + " has no control " + ref.control};
  }
  return *control;
}

PropertyValue read_ref(const Runtime& runtime, const Ref& ref) {
  if (ref.control.empty()) {
    const Form* form = runtime.find_form(ref.form);
    if (ref.property == "Loaded") return form != nullptr;
    if (form == nullptr) throw ScriptError{kScriptMalformed, ref.form + " is not loaded"};
    return form->design().caption;
  }
  const Control& control = control_of_ref(runtime, ref);
  std::optional<PropertyValue> value = read_property(control, ref.property);
  if (!value) {
    throw ScriptError{kScriptMalformed, control.name() + " has no property " + ref.property};
  }
  return *value;
}

std::string describe_ref(const Runtime& runtime, const Ref& ref) {
  if (ref.control.empty()) return ref.form + "." + ref.property;
  return form_of(runtime, ref).name() + "." + ref.control + "." + ref.property;
}

std::string printed_value(const Runtime& runtime, const Ref& ref) {
  return describe_ref(runtime, ref) + '=' + format_value(read_ref(runtime, ref));
}

bool until_reached(const Runtime& runtime, const Until& until) {
  if (!until.ref) return runtime.ended();
  const Ref& ref = *until.ref;
  if (!ref.control.empty() && !ref.form.empty() && runtime.find_form(ref.form) == nullptr) {
    return false;
  }
  return !runtime.ended() && value_matches(read_ref(runtime, ref), until.value);
}

std::optional<std::string> expect_failure(const Runtime& runtime, const Expect& expect) {
  const PropertyValue actual = read_ref(runtime, expect.ref);
  if (value_matches(actual, expect.value)) return std::nullopt;
  return "expect " + describe_ref(runtime, expect.ref) + ": got " + format_value(actual) +
         ", expected " + expect.value;
}

std::string until_failure(const Runtime& runtime, const Until& until) {
  const std::string what = until.ref ? describe_ref(runtime, *until.ref) + " is not " + until.value
                                     : "the program has not ended";
  return "until: " + what + " after " + std::to_string(until.milliseconds) + " ms";
}

std::string dump_lines(const Runtime& runtime, const std::string& form_name) {
  if (!form_name.empty()) {
    const Form* form = runtime.find_form(form_name);
    return (form ? dump_form(*form) : dump_unloaded_form(form_name)) + '\n';
  }
  std::string lines;
  for (const auto& form : runtime.forms())
    lines += dump_form(*form) + '\n';
  return lines;
}

}  // namespace totechita::script
