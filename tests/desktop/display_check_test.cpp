#include <gtest/gtest.h>

#include <map>
#include <string>

#include "desktop/display_check.hpp"

namespace totechita::desktop {
namespace {

std::optional<std::string> check(const std::map<std::string, std::string>& variables) {
  return missing_display([&](const char* name) -> std::optional<std::string> {
    auto it = variables.find(name);
    if (it == variables.end()) return std::nullopt;
    return it->second;
  });
}

// The game itself, without a display, is run by real_game_test.sh (NoDisplay).
TEST(DisplayCheck, FindsADisplayOrAPlatformThatNeedsNone) {
  EXPECT_FALSE(check({{"DISPLAY", ":0"}}));
  EXPECT_FALSE(check({{"WAYLAND_DISPLAY", "wayland-0"}}));
  EXPECT_FALSE(check({{"QT_QPA_PLATFORM", "offscreen"}}));
  EXPECT_FALSE(check({{"QT_QPA_PLATFORM", "vnc:size=800x600"}}));
  EXPECT_FALSE(check({{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":99"}}));
}

TEST(DisplayCheck, NamesWhatIsMissing) {
  EXPECT_EQ(check({}), "DISPLAY and WAYLAND_DISPLAY are unset");
  EXPECT_EQ(check({{"DISPLAY", ""}}), "DISPLAY and WAYLAND_DISPLAY are unset");
  EXPECT_EQ(check({{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "wayland-0"}}),
            "QT_QPA_PLATFORM is xcb but DISPLAY is unset");
  EXPECT_EQ(check({{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":0"}}),
            "QT_QPA_PLATFORM is wayland but WAYLAND_DISPLAY is unset");
}

}  // namespace
}  // namespace totechita::desktop
