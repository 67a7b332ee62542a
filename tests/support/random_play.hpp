#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "support/headless_game.hpp"

namespace totechita::testing {

// A seeded stream of everything a player can do: arrow keys, long key repeats, Enter and
// Backspace storms, clicks on every label, every menu command, waits of every length, and now
// and then a walk straight to an ingredient, an enemy, the plane's row or the house, so that
// games really score and reach the finale. Its own generator: the game's is not touched.
class RandomPlayer {
 public:
  struct Options {
    int exit_one_in = 3000;  // steps between "終了" or the close box, on average
    bool allow_exit = true;
  };

  explicit RandomPlayer(std::uint64_t seed) : m_random(seed) {}
  RandomPlayer(std::uint64_t seed, Options options) : m_random(seed), m_options(options) {}

  // Plays one step on the game and says what it did ("key 39 x3", "wait 250").
  std::string step(HeadlessGame& game);

 private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
  std::string walk_to(HeadlessGame& game, float left, float top);
  std::string act_on_board(HeadlessGame& game);
  std::string wait(HeadlessGame& game);

  std::mt19937_64 m_random;
  Options m_options;
};

}  // namespace totechita::testing
