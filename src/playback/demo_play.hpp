#pragma once

#include <QImage>
#include <string>
#include <vector>

namespace totechita::desktop {

// A picture of one window, and where its client area begins (below the menu bar, if any).
struct Snapshot {
  std::string name;
  QImage image;
  int client_top = 0;
};

// Plays a short scripted game on a stepped clock and takes pictures along the way: the title,
// the board in play (enemies and plane placed, a bomb down, the player walking), the finale
// with its character and house, and the ending. The finale is reached by writing the score
// directly; message boxes are closed as they come.
std::vector<Snapshot> play_demo();

}  // namespace totechita::desktop
