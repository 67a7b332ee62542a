#include "desktop/qt_platform.hpp"

#include <QCoreApplication>
#include <QMessageBox>
#include <algorithm>

namespace totechita::desktop {

namespace {

QString to_qstring(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtPlatform::~QtPlatform() {
  for (const QPointer<FormWindow>& window : m_unloaded)
    delete window.data();
}

void QtPlatform::form_loaded(Form& form) {
  m_windows[&form] = std::make_unique<FormWindow>(form, m_pictures, m_events);
}

void QtPlatform::form_shown(Form& form) {
  FormWindow* shown = window(form);
  std::erase(m_shown, shown);
  m_shown.push_back(shown);
  shown->show_and_activate();
}

// The window may be the one whose close box is being handled, so it is deleted later, from the
// event loop.
void QtPlatform::form_unloaded(Form& form) {
  auto it = m_windows.find(&form);
  FormWindow* unloaded = it->second.release();
  m_windows.erase(it);
  std::erase(m_shown, unloaded);
  unloaded->detach();
  unloaded->deleteLater();
  std::erase_if(m_unloaded, [](const QPointer<FormWindow>& gone) { return gone.isNull(); });
  m_unloaded.emplace_back(unloaded);
}

void QtPlatform::message_box(std::string_view prompt, std::string_view title) {
  QMessageBox box(QMessageBox::NoIcon, to_qstring(title), to_qstring(prompt), QMessageBox::Ok,
                  m_shown.empty() ? nullptr : m_shown.back());
  box.setTextFormat(Qt::PlainText);
  box.exec();
  if (m_on_message_box_closed) m_on_message_box_closed();
}

void QtPlatform::program_ended(int status) { QCoreApplication::exit(status); }

void QtPlatform::refresh_windows() {
  for (auto& [form, window] : m_windows)
    window->refresh();
}

FormWindow* QtPlatform::window(const Form& form) const {
  auto it = m_windows.find(&form);
  return it == m_windows.end() ? nullptr : it->second.get();
}

}  // namespace totechita::desktop
