#include "desktop/screen_transcript.hpp"

#include <QApplication>
#include <QEvent>

#include "desktop/form_window.hpp"

namespace totechita::desktop::testing {

ScreenTranscript::ScreenTranscript(std::function<Millis()> virtual_now,
                                   std::function<void(QMessageBox&)> read)
    : m_virtual_now(std::move(virtual_now)), m_closer([this, read](QMessageBox& box) {
        m_box_titles.push_back(box.windowTitle().toStdString());
        add_timed("msgbox " + box.text().toStdString());
        if (read) read(box);
      }) {
  QApplication::instance()->installEventFilter(this);
  connect(QApplication::instance(), &QCoreApplication::aboutToQuit, this,
          [this] { add_timed("end"); });
}

ScreenTranscript::~ScreenTranscript() { QApplication::instance()->removeEventFilter(this); }

// Only the game's own windows count, and only what the game did to them: the window system's
// spontaneous show and hide events (mapping, minimising) are no part of the game.
bool ScreenTranscript::eventFilter(QObject* watched, QEvent* event) {
  const bool shown = event->type() == QEvent::Show;
  const bool hidden = event->type() == QEvent::Hide;
  auto* window = dynamic_cast<FormWindow*>(watched);
  if (!(shown || hidden) || event->spontaneous() || window == nullptr) return false;
  const std::string form_name = window->objectName().toStdString();
  add_timed((shown ? "show " : "unload ") + form_name);
  if (shown) m_windows[form_name] = window;
  return false;
}

QPointer<QWidget> ScreenTranscript::window(const std::string& form_name) const {
  auto it = m_windows.find(form_name);
  return it == m_windows.end() ? nullptr : it->second;
}

void ScreenTranscript::add_timed(const std::string& what) {
  m_lines.push_back("t=" + std::to_string(m_virtual_now()) + " " + what);
}

}  // namespace totechita::desktop::testing
