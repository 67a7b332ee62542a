#pragma once

#include <string>

#include "support/headless_game.hpp"

namespace totechita::testing {

// A board where the player can be put on a spot and drop a bomb there at once.
class BombingGame : public BoardGame {
 public:
  explicit BombingGame(std::uint64_t seed = 0) : BoardGame(seed) {}

  // Enter at the player's spot; returns the time of the Enter. The bomb shows 3 ms later,
  // bursts 1000 ms after that and ends 1000 ms later still.
  Millis drop_bomb_at(const std::string& x, const std::string& y) {
    change([&] {
      board().Text1.set_text(x);
      board().Text2.set_text(y);
      board().Label9.set_caption(to_text(to_number(board().Label9.caption()) + 1));
    });
    key(kKeyEnter);
    return now();
  }
  void put(Picture& sprite, float left, float top) {
    change([&] {
      sprite.set_left(left);
      sprite.set_top(top);
      sprite.set_visible(true);
    });
  }
  void set_score(const std::string& score) {
    change([&] { board().Label13.set_caption(score); });
  }
  const std::string& score() { return board().Label13.caption(); }
};

}  // namespace totechita::testing
