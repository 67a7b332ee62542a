#pragma once

#include <QMessageBox>
#include <QObject>
#include <functional>

namespace totechita::playback {

// Plays the player's part at a message box: while it lives, every message box that is shown is
// first handed to `inspect`, then closed with its OK button, at once or after the time
// `reading_time` gives it, in milliseconds. It hears of each box as it is shown, from the
// application's events: nothing polls.
class MessageBoxCloser final : public QObject {
 public:
  explicit MessageBoxCloser(std::function<void(QMessageBox&)> inspect = {},
                            std::function<int()> reading_time = {});
  ~MessageBoxCloser() override;
  MessageBoxCloser(const MessageBoxCloser&) = delete;
  MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(QMessageBox&)> m_inspect;
  std::function<int()> m_reading_time;
};

}  // namespace totechita::playback
