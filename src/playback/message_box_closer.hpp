#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace totechita::desktop {

// Plays the player's part at a message box: while it lives, every modal message box that opens
// is first shown to `inspect`, then closed with its OK button, at once or after the time
// `reading_time` gives it, in milliseconds.
class MessageBoxCloser {
 public:
  explicit MessageBoxCloser(std::function<void(QMessageBox&)> inspect = {},
                            std::function<int()> reading_time = {});
  MessageBoxCloser(const MessageBoxCloser&) = delete;
  MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

 private:
  std::function<void(QMessageBox&)> m_inspect;
  std::function<int()> m_reading_time;
  QPointer<QMessageBox> m_being_read;
  QTimer m_poll;
};

}  // namespace totechita::desktop
