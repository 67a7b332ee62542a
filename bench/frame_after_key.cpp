#include "frame_after_key.hpp"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <functional>

namespace totechita::bench {

namespace {

// Calls back as a widget is about to paint.
class PaintWatch final : public QObject {
 public:
  PaintWatch(QWidget& widget, std::function<void()> on_paint) : m_on_paint(std::move(on_paint)) {
    widget.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) m_on_paint();
    return false;
  }

 private:
  std::function<void()> m_on_paint;
};

}  // namespace

// The frame is on screen once the paint and the flush that follows it are over: the zero
// timer runs after both.
std::optional<FrameAfterKey> press_enter(desktop::FormWindow& window, const Form2& board) {
  std::optional<FrameAfterKey> frame;
  QElapsedTimer since_press;
  QEventLoop loop;
  PaintWatch watch(window.canvas(), [&] {
    if (frame) return;
    frame = FrameAfterKey{.milliseconds = 0, .bomb_shown = board.Image5.visible()};
    QTimer::singleShot(0, &loop, [&] {
      frame->milliseconds = static_cast<double>(since_press.nsecsElapsed()) / 1e6;
      loop.quit();
    });
  });
  QTimer::singleShot(1000, &loop, &QEventLoop::quit);
  since_press.start();
  QCoreApplication::postEvent(&window,
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
  loop.exec();
  return frame;
}

}  // namespace totechita::bench
