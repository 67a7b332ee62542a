#include "runtime/random_source.hpp"

namespace totechita {

namespace {
constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;
}  // namespace

std::uint64_t splitmix64(std::uint64_t z) {
  z += 0x9E3779B97F4A7C15ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

void RandomSource::reseed(std::uint64_t seed) {
  m_state = 0;
  next32();
  m_state += seed;
  next32();
}

void RandomSource::randomize(std::uint64_t clock) { m_state ^= splitmix64(clock); }

std::uint32_t RandomSource::next32() {
  const std::uint64_t old = m_state;
  m_state = old * kMultiplier + kIncrement;
  const auto xorshifted = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
  const auto rotation = static_cast<std::uint32_t>(old >> 59);
  return (xorshifted >> rotation) | (xorshifted << ((32 - rotation) & 31));
}

float RandomSource::rnd() {
  constexpr float kScale = 1.0f / 16777216.0f;  // 2^-24
  return static_cast<float>(next32() >> 8) * kScale;
}

}  // namespace totechita
