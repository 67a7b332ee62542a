#include <gtest/gtest.h>

#include <QProcess>
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

struct NoDisplay {
  const char* name;
  std::map<QString, QString> set;  // over an environment without any display
};

class GameWithoutADisplay : public ::testing::TestWithParam<NoDisplay> {};

// The real program: it says so in one line and fails, where Qt would print several and abort.
TEST_P(GameWithoutADisplay, SaysSoInOneLineAndFails) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(name);
  for (const auto& [name, value] : GetParam().set)
    environment.insert(name, value);
  QProcess game;
  game.setProcessEnvironment(environment);
  game.start(TOTECHITA_GAME, {});
  ASSERT_TRUE(game.waitForFinished(10000));
  EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);  // no abort
  EXPECT_NE(game.exitCode(), 0);
  const QString said = QString::fromUtf8(game.readAllStandardError());
  EXPECT_EQ(said.count(QLatin1Char('\n')), 1) << said.toStdString();
  EXPECT_TRUE(said.startsWith(QStringLiteral("totechita: no display found"))) << said.toStdString();
  // Said to a player who installed the game, with no sources to run make in.
  EXPECT_TRUE(said.contains(QStringLiteral("totechita-script")) && !said.contains("make"));
  EXPECT_TRUE(game.readAllStandardOutput().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(FromATextConsoleOrWithADisplayThatIsGone, GameWithoutADisplay,
                         ::testing::Values(NoDisplay{"NoneNamed", {}},
                                           NoDisplay{
                                               "NamedButGone",
                                               {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":4242"}}}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace totechita::desktop
