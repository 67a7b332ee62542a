#pragma once

#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace totechita::desktop {

// Plays the player's part at a message box: while it lives, every modal message box that opens
// is first shown to `inspect`, then closed with its OK button.
class MessageBoxCloser {
 public:
  explicit MessageBoxCloser(std::function<void(QMessageBox&)> inspect = {});
  MessageBoxCloser(const MessageBoxCloser&) = delete;
  MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

 private:
  std::function<void(QMessageBox&)> m_inspect;
  QTimer m_poll;
};

}  // namespace totechita::desktop
