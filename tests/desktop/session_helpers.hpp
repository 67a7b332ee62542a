#pragma once

#include <QApplication>
#include <QImage>
#include <QRect>
#include <QTimer>
#include <functional>

#include "board/form2.hpp"
#include "playback/scripted_session.hpp"

namespace totechita::desktop::testing {

using namespace playback;  // the tests play the windows as playback does

inline constexpr Millis kBoardShown = 1500;

// A session standing on the board after the player's sprite first followed its fields to (0, 0).
class BoardSession : public ScriptedSession {
 public:
  BoardSession() { run_until(kBoardShown + 150); }
  Form2& board() { return form<Form2>(); }
  FormWindow& board_window() { return *window("Form2"); }
  QImage board_picture() { return board_window().canvas().grab().toImage(); }
};

// Past both finale thresholds with the player on the house: the ending opens within seconds.
// The two finale messages must be closed meanwhile (a MessageBoxCloser).
inline void reach_ending(BoardSession& session) {
  session.change([&] {
    session.board().Label13.set_caption("6100");
    session.board().Text1.set_text("2600");
    session.board().Text2.set_text("3100");
  });
  const Millis limit = session.now() + 5000;
  while (session.window("Form3") == nullptr && session.now() < limit)
    session.wait(100);
}

// What the event loop returns when the game did not end it.
inline constexpr int kNeverEnded = 99;

// Runs `play` inside the application's event loop, as `totechita` runs the game, and returns
// the status the loop ended with: the game's exit status, or kNeverEnded when the game did not
// end it within a second after `play` returned.
inline int exit_status_of(const std::function<void()>& play) {
  QTimer never_ended;
  QObject::connect(&never_ended, &QTimer::timeout, [] { QCoreApplication::exit(kNeverEnded); });
  QTimer::singleShot(0, [&] {
    play();
    never_ended.start(1000);
  });
  return QApplication::exec();
}

}  // namespace totechita::desktop::testing
