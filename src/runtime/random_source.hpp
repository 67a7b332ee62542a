#pragma once

#include <cstdint>

namespace totechita {

// The game's random source: PCG32 (XSH RR) with a fixed increment, reseeded by mixing a
// splitmix64 of the clock into its state. Fixed exactly, so that a headless game with a given
// seed replays bit for bit in any tool.
class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed = 0) { reseed(seed); }

  // The start state for a seed: s = 0; next32(); s += seed; next32().
  void reseed(std::uint64_t seed);
  // Randomize: mixes the clock into the current state; never restarts the generator, so two
  // reseeds at one clock reading, each followed by a draw, give different draws.
  void randomize(std::uint64_t clock);
  // Rnd: a single in [0, 1), 24 random bits.
  float rnd();
  std::uint32_t next32();

 private:
  std::uint64_t m_state = 0;
};

std::uint64_t splitmix64(std::uint64_t z);

}  // namespace totechita
