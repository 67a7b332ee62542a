#pragma once

#include <QImage>
#include <string>
#include <vector>

namespace totechita::playback {

// A picture of one window, and where its client area begins (below the menu bar, if any).
struct Snapshot {
  std::string name;
  QImage image;
  int client_top = 0;
};

// Plays the demo script (demo.script) through the real windows on a stepped clock, message boxes
// closed as they come, and takes pictures along the way: the title, the board in play, the finale
// with its character and house, and the ending.
std::vector<Snapshot> play_demo();

}  // namespace totechita::playback
