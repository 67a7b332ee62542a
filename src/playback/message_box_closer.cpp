#include "playback/message_box_closer.hpp"

#include <QApplication>

namespace totechita::desktop {

namespace {
constexpr int kPollMilliseconds = 10;
}

MessageBoxCloser::MessageBoxCloser(std::function<void(QMessageBox&)> inspect,
                                   std::function<int()> reading_time)
    : m_inspect(std::move(inspect)), m_reading_time(std::move(reading_time)) {
  QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible() || box == m_being_read) return;
    if (m_inspect) m_inspect(*box);
    const int reading = m_reading_time ? m_reading_time() : 0;
    if (reading <= 0) {
      box->accept();
      return;
    }
    m_being_read = box;
    QTimer::singleShot(reading, box, &QMessageBox::accept);
  });
  m_poll.start(kPollMilliseconds);
}

}  // namespace totechita::desktop
