#include "playback/demo_play.hpp"

#include <cstdlib>
#include <string>

#include "board/form2.hpp"
#include "playback/message_box_closer.hpp"
#include "playback/scripted_session.hpp"

namespace totechita::desktop {

namespace {

constexpr std::uint64_t kSeed = 7;
constexpr Millis kBoardShown = 1500;
constexpr Millis kFinaleLimit = 10000;

Snapshot take(ScriptedSession& session, std::string_view form_name, std::string name) {
  FormWindow* window = session.window(form_name);
  const QImage image = window->grab().toImage();
  return {.name = std::move(name), .image = image, .client_top = window->canvas().y()};
}

// Walks by whole steps of 100 twips from the player's position fields to (x, y).
void walk_to(ScriptedSession& session, int x, int y) {
  const Form2& board = session.form<Form2>();
  const int dx = (x - std::stoi(board.Text1.text())) / 100;
  const int dy = (y - std::stoi(board.Text2.text())) / 100;
  session.press_key(dx >= 0 ? Qt::Key_Right : Qt::Key_Left, std::abs(dx));
  session.press_key(dy >= 0 ? Qt::Key_Down : Qt::Key_Up, std::abs(dy));
}

// The bomb is set down where the player stands three short steps after Enter.
void drop_bomb_at(ScriptedSession& session, int x, int y) {
  walk_to(session, x, y);
  session.press_key(Qt::Key_Return);
  session.wait(50);
}

}  // namespace

std::vector<Snapshot> play_demo() {
  MessageBoxCloser closer;
  ScriptedSession session(kSeed);
  std::vector<Snapshot> snapshots;
  snapshots.push_back(take(session, "Form1", "title"));

  session.run_until(kBoardShown + 200);
  session.choose(QStringLiteral("茂佐"));
  session.choose(QStringLiteral("ヌガタのおやじ"));
  session.choose(QStringLiteral("ポテ戦"));
  session.change([&] { session.form<Form2>().Label9.set_caption("3"); });
  walk_to(session, 1000, 2600);  // onto the water
  session.wait(200);
  drop_bomb_at(session, 2000, 3600);
  walk_to(session, 3000, 4000);
  session.wait(400);
  snapshots.push_back(take(session, "Form2", "board"));

  session.wait(2000);
  drop_bomb_at(session, 1000, 3000);  // where the second enemy stands
  walk_to(session, 0, 3000);
  session.change([&] { session.form<Form2>().Label13.set_caption("6100"); });
  session.wait(2600);
  snapshots.push_back(take(session, "Form2", "finale"));

  walk_to(session, 2600, 3100);  // onto the house
  const Millis limit = session.now() + kFinaleLimit;
  while (session.window("Form3") == nullptr && session.now() < limit)
    session.wait(100);
  if (session.window("Form3") == nullptr) return snapshots;
  session.wait(3000);
  snapshots.push_back(take(session, "Form3", "ending"));
  return snapshots;
}

}  // namespace totechita::desktop
