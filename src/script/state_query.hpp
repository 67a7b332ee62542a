#pragma once

#include <optional>
#include <string>

#include "runtime/properties.hpp"
#include "runtime/runtime.hpp"
#include "script/script_command.hpp"

// Reading a game as a script names what it reads (FORM.CONTROL.PROPERTY, CONTROL.PROPERTY of the
// active form, FORM.Loaded, FORM.Caption): what `print`, `expect`, `until` and `dump` answer,
// whoever plays the script. Each throws a ScriptError (script_driver.hpp) for a reference the
// game cannot answer.
namespace totechita::script {

PropertyValue read_ref(const Runtime& runtime, const Ref& ref);

// The control a reference with a control names, for `set`.
Control& control_of_ref(const Runtime& runtime, const Ref& ref);

// The reference with its form named: "Form2.Label9.Caption".
std::string describe_ref(const Runtime& runtime, const Ref& ref);

// What `print` prints: "Form2.Label9.Caption=1".
std::string printed_value(const Runtime& runtime, const Ref& ref);

// Whether `until` has what it waits for; a control of a form that is not loaded yet is waited for
// like any other value. No reference: the program has ended.
bool until_reached(const Runtime& runtime, const Until& until);

// What `expect` says when the value is not the one expected; nothing when it is.
std::optional<std::string> expect_failure(const Runtime& runtime, const Expect& expect);

// What `until` says when its time is up without what it waits for.
std::string until_failure(const Runtime& runtime, const Until& until);

// What `dump` prints: one line of JSON for the form, or for every loaded form (no name).
std::string dump_lines(const Runtime& runtime, const std::string& form_name);

}  // namespace totechita::script
