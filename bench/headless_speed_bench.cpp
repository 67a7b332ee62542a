// How fast the headless game runs: virtual seconds per real second, for an idle board and for
// busy random play, with quiet ticks skipped and with every tick served.
#include <benchmark/benchmark.h>

#include "support/random_play.hpp"

namespace totechita::testing {
namespace {

void report(benchmark::State& state, Millis virtual_ms) {
  state.counters["virtual_s_per_real_s"] =
      benchmark::Counter(static_cast<double>(virtual_ms) / 1000.0, benchmark::Counter::kIsRate);
}

void IdleHour(benchmark::State& state) {
  const QuietTicks quiet_ticks = state.range(0) != 0 ? QuietTicks::skip : QuietTicks::serve;
  Millis played = 0;
  for (auto _ : state) {
    BoardGame game(1, quiet_ticks);
    game.wait(3600 * 1000);
    played += 3600 * 1000;
    benchmark::DoNotOptimize(game.board().Image11.left());
  }
  report(state, played);
}
BENCHMARK(IdleHour)
    ->ArgName("skipping")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BusyRandomPlay(benchmark::State& state) {
  const QuietTicks quiet_ticks = state.range(0) != 0 ? QuietTicks::skip : QuietTicks::serve;
  Millis played = 0;
  std::uint64_t seed = 1;
  for (auto _ : state) {
    HeadlessGame game(seed, quiet_ticks);
    RandomPlayer player(seed++, {.exit_one_in = 3000, .allow_exit = false});
    for (int step = 0; step < 3000 && !game.runtime.ended(); ++step)
      player.step(game);
    played += game.now();
  }
  report(state, played);
}
BENCHMARK(BusyRandomPlay)
    ->ArgName("skipping")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace totechita::testing

BENCHMARK_MAIN();
