#include "playback/message_box_closer.hpp"

#include <QApplication>

namespace totechita::desktop {

namespace {
constexpr int kPollMilliseconds = 10;
}

MessageBoxCloser::MessageBoxCloser(std::function<void(QMessageBox&)> inspect)
    : m_inspect(std::move(inspect)) {
  QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    if (m_inspect) m_inspect(*box);
    box->accept();
  });
  m_poll.start(kPollMilliseconds);
}

}  // namespace totechita::desktop
