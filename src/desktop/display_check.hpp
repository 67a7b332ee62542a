#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace totechita::desktop {

// Reads one environment variable; nothing when it is unset.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

std::optional<std::string> process_environment(const char* name);

// Why Qt would find no display to open windows on, or nothing when there is one. Qt aborts the
// process when it cannot connect, so the game asks this before it starts Qt.
std::optional<std::string> missing_display(const EnvironmentLookup& environment);

// What the game says, in one line, when it has no display to open its windows on.
std::string no_display_line(std::string_view reason);

}  // namespace totechita::desktop
