// The desktop game on its real clock, measured from inside: over a minute of real time on an
// idle board, how many steps the plane takes and how far the virtual clock trails the real one;
// then how soon a bomb dropped with Enter is on screen. Prints one `name value` line per figure.
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "desktop/application_setup.hpp"
#include "desktop/desktop_game.hpp"
#include "frame_after_key.hpp"
#include "game/program.hpp"
#include "lateness_probe.hpp"

namespace {

using namespace totechita;

constexpr Millis kPastTitle = 2000;
constexpr Millis kWindow = 60'000;
constexpr Millis kSample = 10;
constexpr Millis kBombCycle = 2500;  // a bomb bursts after 1 s and the next may drop after 2 s
constexpr int kPresses = 10;

void run_for(Millis milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(milliseconds), Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

// Counts the plane's steps over the window, looking every few milliseconds.
int plane_steps(const Form2& board) {
  int steps = 0;
  int left = board.Image11.left();
  QTimer sampler;
  QObject::connect(&sampler, &QTimer::timeout, [&] {
    if (board.Image11.left() != left) ++steps;
    left = board.Image11.left();
  });
  sampler.start(static_cast<int>(kSample));
  run_for(kWindow);
  return steps;
}

void measure_clock(Form2& board, bench::LatenessProbe& probe) {
  probe.reset();
  std::printf("plane_steps %d\n", plane_steps(board));
  std::printf("virtual_behind_ms %lld\n", static_cast<long long>(probe.worst_behind()));
  std::printf("virtual_ahead_ms %lld\n", static_cast<long long>(probe.worst_ahead()));
}

// Enter with bombs in hand, once per bomb cycle; the first stock is shown before the first press.
void measure_input(desktop::DesktopGame& game, Form2& board) {
  game.runtime().change([&] { board.Label9.set_caption(std::to_string(kPresses)); });
  run_for(kBombCycle);
  std::vector<double> latencies;
  int bombs_in_first_frame = 0;
  for (int press = 0; press < kPresses; ++press) {
    const auto frame = bench::press_enter(*game.platform().window(board), board);
    if (frame) {
      latencies.push_back(frame->milliseconds);
      bombs_in_first_frame += frame->bomb_shown ? 1 : 0;
    }
    run_for(kBombCycle);
  }
  std::ranges::sort(latencies);
  std::printf("bombs_in_first_frame %d/%d\n", bombs_in_first_frame, kPresses);
  if (latencies.empty()) return;
  std::printf("enter_to_frame_median_ms %.1f\n", latencies[latencies.size() / 2]);
  std::printf("enter_to_frame_max_ms %.1f\n", latencies.back());
}

}  // namespace

int main(int argc, char** argv) {
  desktop::prepare_qt();
  QApplication app(argc, argv);
  desktop::configure_application();
  bench::LatenessProbe probe;
  desktop::DesktopGame game(1, probe.watch(desktop::ClockDriver::elapsed_clock()));
  probe.attach(game.runtime().scheduler());
  game.start(start_program);
  run_for(kPastTitle);
  Form* board = game.runtime().find_form(Form2::kName);
  if (board == nullptr) return 1;
  measure_clock(static_cast<Form2&>(*board), probe);
  measure_input(game, static_cast<Form2&>(*board));
  std::fflush(stdout);
  return 0;
}
