#include "support/random_play.hpp"

#include <array>

namespace totechita::testing {

namespace {

constexpr std::array<int, 4> kArrows{kKeyLeft, kKeyUp, kKeyRight, kKeyDown};
constexpr std::array<const char*, 12> kLabels{"Label1", "Label2",  "Label3",  "Label4",
                                              "Label5", "Label6",  "Label7",  "Label8",
                                              "Label9", "Label11", "Label12", "Label13"};
constexpr std::array<const char*, 3> kPlacingCommands{"mnumosa", "mnunugo", "mnupotesen"};

}  // namespace

std::string RandomPlayer::step(HeadlessGame& game) {
  if (game.runtime.ended()) return "ended";
  if (!game.loaded("Form2")) return wait(game);
  return pick(0, 99) < 45 ? act_on_board(game) : wait(game);
}

std::string RandomPlayer::wait(HeadlessGame& game) {
  const int kind = pick(0, 99);
  Millis milliseconds = 0;
  if (kind < 45) {
    milliseconds = pick(0, 5);
  } else if (kind < 80) {
    milliseconds = pick(6, 300);
  } else if (kind < 97) {
    milliseconds = pick(301, 3000);
  } else {
    milliseconds = pick(3001, 60000);
  }
  game.wait(milliseconds);
  return "wait " + std::to_string(milliseconds);
}

// Keys land at one instant, so a walk goes straight to its goal.
std::string RandomPlayer::walk_to(HeadlessGame& game, float left, float top) {
  game.walk_to(left, top);
  return "walk to " + to_text(left) + "," + to_text(top);
}

std::string RandomPlayer::act_on_board(HeadlessGame& game) {
  Form2& board = game.board();
  const int kind = pick(0, 99);
  if (kind < 30) {
    const int code = kArrows[static_cast<std::size_t>(pick(0, 3))];
    const int count = pick(0, 9) == 0 ? pick(20, 60) : pick(1, 5);
    game.key(code, count);
    return "key " + std::to_string(code) + " x" + std::to_string(count);
  }
  if (kind < 40) {
    const int count = pick(1, 8);
    game.key(kKeyEnter, count);
    return "Enter x" + std::to_string(count);
  }
  if (kind < 50) {
    const int count = pick(1, 8);
    game.key(kKeyBackspace, count);
    return "Backspace x" + std::to_string(count);
  }
  if (kind < 58) {
    const char* label =
        kLabels[static_cast<std::size_t>(pick(0, static_cast<int>(kLabels.size()) - 1))];
    game.runtime.deliver(Click{.form = std::string(Form2::kName), .control = label});
    return std::string("click ") + label;
  }
  if (kind < 64) {
    const char* item = kPlacingCommands[static_cast<std::size_t>(pick(0, 2))];
    game.choose(item);
    return std::string("menu ") + item;
  }
  if (kind < 80) {
    Picture* ingredients[] = {&board.Image2, &board.Image3, &board.Image4};
    Picture& goal = *ingredients[pick(0, 2)];
    return walk_to(game, goal.left(), goal.top());
  }
  if (kind < 86) {
    Picture& enemy = pick(0, 1) ? board.Image7 : board.Image9;
    if (enemy.left() == 4440 || enemy.left() == 6480) return "no enemy yet";
    return walk_to(game, enemy.left(), enemy.top());
  }
  if (kind < 93) return walk_to(game, board.Image11.left() - 100, 2000);
  if (kind < 97) return walk_to(game, 2600, 3100);
  if (m_options.allow_exit && pick(1, m_options.exit_one_in / 3) == 1) {
    if (pick(0, 1)) {
      game.choose("mnusuu");
      return "menu mnusuu";
    }
    game.runtime.deliver(CloseBox{std::string(Form2::kName)});
    return "close Form2";
  }
  game.key(pick(0, 255));
  return "some other key";
}

}  // namespace totechita::testing
