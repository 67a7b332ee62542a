#include <gtest/gtest.h>

#include <QDir>
#include <map>
#include <set>

#include "playback/demo_play.hpp"

namespace totechita::desktop {
namespace {

using namespace playback;

// A blank or nearly blank picture means a missing asset or a window that never painted.
int colour_count(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3) {
    for (int x = 0; x < image.width(); x += 3)
      colours.insert(image.pixel(x, y));
  }
  return static_cast<int>(colours.size());
}

// The demo script plays to its end and pictures each screen's whole window (windows_test.cpp
// checks the windows' sizes themselves).
TEST(Screenshots, OfTheThreeScreensShowEachWindowWholeAndAreKept) {
  const std::vector<Snapshot> snapshots = play_demo();
  std::map<std::string, Snapshot> by_name;
  for (const Snapshot& snapshot : snapshots)
    by_name[snapshot.name] = snapshot;
  ASSERT_EQ(by_name.size(), 4u);

  EXPECT_EQ(by_name["title"].client_top, 0);
  for (const char* board : {"board", "finale"})
    EXPECT_GT(by_name[board].client_top, 0) << board;  // below the menu bar
  EXPECT_EQ(by_name["board"].image.size(), by_name["finale"].image.size());

  const QDir out(TOTECHITA_SCREENSHOT_DIR);
  ASSERT_TRUE(out.mkpath("."));
  for (const auto& [name, snapshot] : by_name) {
    EXPECT_GT(colour_count(snapshot.image), 50) << name;
    EXPECT_TRUE(snapshot.image.save(out.filePath(QString::fromStdString(name) + ".png"))) << name;
  }
}

}  // namespace
}  // namespace totechita::desktop
