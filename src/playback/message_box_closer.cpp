#include "playback/message_box_closer.hpp"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace totechita::playback {

MessageBoxCloser::MessageBoxCloser(std::function<void(QMessageBox&)> inspect,
                                   std::function<int()> reading_time)
    : m_inspect(std::move(inspect)), m_reading_time(std::move(reading_time)) {
  QApplication::instance()->installEventFilter(this);
}

MessageBoxCloser::~MessageBoxCloser() { QApplication::instance()->removeEventFilter(this); }

// The box is shown before its own event loop runs: the OK is pressed from inside that loop.
bool MessageBoxCloser::eventFilter(QObject* watched, QEvent* event) {
  auto* box = event->type() == QEvent::Show ? qobject_cast<QMessageBox*>(watched) : nullptr;
  if (box == nullptr || event->spontaneous()) return false;
  if (m_inspect) m_inspect(*box);
  const int reading = m_reading_time ? m_reading_time() : 0;
  QTimer::singleShot(std::max(reading, 0), box, &QMessageBox::accept);
  return false;
}

}  // namespace totechita::playback
