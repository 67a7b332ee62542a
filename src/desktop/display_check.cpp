#include "desktop/display_check.hpp"

#include <cstdlib>
#include <string_view>

namespace totechita::desktop {

namespace {

bool is_set(const EnvironmentLookup& environment, const char* name) {
  const std::optional<std::string> value = environment(name);
  return value && !value->empty();
}

}  // namespace

std::optional<std::string> process_environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::optional<std::string> missing_display(const EnvironmentLookup& environment) {
  const std::string platform = environment("QT_QPA_PLATFORM").value_or("");
  const std::string_view name = std::string_view(platform).substr(0, platform.find(':'));
  // Platforms other than the two window systems (offscreen, vnc, eglfs...) need no display.
  if (!name.empty() && name != "xcb" && !name.starts_with("wayland")) return std::nullopt;
  const bool has_x11 = is_set(environment, "DISPLAY");
  const bool has_wayland = is_set(environment, "WAYLAND_DISPLAY");
  if (name == "xcb" && !has_x11) return "QT_QPA_PLATFORM is xcb but DISPLAY is unset";
  if (name.starts_with("wayland") && !has_wayland) {
    return "QT_QPA_PLATFORM is " + platform + " but WAYLAND_DISPLAY is unset";
  }
  if (name.empty() && !has_x11 && !has_wayland) return "DISPLAY and WAYLAND_DISPLAY are unset";
  return std::nullopt;
}

// The player may have installed the game and never seen its sources: the way out names what is
// installed with it.
std::string no_display_line(std::string_view reason) {
  return "totechita: no display found (" + std::string(reason) +
         "); start it from a desktop session (X11 or Wayland), or play it headless with "
         "totechita-script";
}

}  // namespace totechita::desktop
