#include "support/headless_game.hpp"

#include <cstdlib>
#include <stdexcept>

#include "script/script_lookup.hpp"

namespace totechita::testing {

HeadlessGame::HeadlessGame(std::uint64_t seed, QuietTicks quiet_ticks)
    : m_driver(quiet_ticks, seed), runtime(m_driver.runtime()) {
  runtime.set_trace([this](Millis time, std::string_view line) {
    events.push_back("t=" + std::to_string(time) + " " + std::string(line));
  });
  m_driver.start();
}

void HeadlessGame::key(int code, int count) {
  for (int i = 0; i < count; ++i)
    runtime.deliver(KeyDown{code});
}

void HeadlessGame::choose(std::string_view item_name) {
  const MenuItem* item = script::find_menu_item(board().menu(), item_name);
  if (item == nullptr) {
    throw std::invalid_argument("the board's menu has no item " + std::string(item_name));
  }
  runtime.deliver(MenuCommand{.form = std::string(Form2::kName), .item = item->name});
}

void HeadlessGame::stand_at(const std::string& x, const std::string& y) {
  change([&] {
    board().Text1.set_text(x);
    board().Text2.set_text(y);
  });
}

void HeadlessGame::put(Picture& sprite, float left, float top) {
  change([&] {
    sprite.set_left(left);
    sprite.set_top(top);
    sprite.set_visible(true);
  });
}

void HeadlessGame::set_score(const std::string& score) {
  change([&] { board().Label13.set_caption(score); });
}

void HeadlessGame::walk_to(float left, float top) {
  const auto dx = static_cast<int>((left - to_number(board().Text1.text())) / 100);
  const auto dy = static_cast<int>((top - to_number(board().Text2.text())) / 100);
  key(dx < 0 ? kKeyLeft : kKeyRight, std::abs(dx));
  key(dy < 0 ? kKeyUp : kKeyDown, std::abs(dy));
}

Millis HeadlessGame::drop_bomb_at(const std::string& x, const std::string& y) {
  change([&] {
    board().Text1.set_text(x);
    board().Text2.set_text(y);
    board().Label9.set_caption(to_text(to_number(board().Label9.caption()) + 1));
  });
  key(kKeyEnter);
  return now();
}

void HeadlessGame::wait_until_just_after_a_plane_step() {
  const Millis since_step = (now() - kBoardShown) % 1000;
  wait(since_step <= 100 ? 100 - since_step : 1100 - since_step);
}

}  // namespace totechita::testing
