#include "desktop/form_window.hpp"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "desktop/application_setup.hpp"
#include "desktop/menu_bar_builder.hpp"
#include "desktop/windows_key_codes.hpp"

namespace totechita::desktop {

namespace {

// A borderless form has no frame and no title bar; one without a taskbar entry is a tool window.
// A fixed single border has a caption and a close box only: no minimise or maximise box.
Qt::WindowFlags window_flags(const FormDesign& design) {
  Qt::WindowFlags flags = design.in_taskbar ? Qt::Window : Qt::Tool;
  if (design.border == BorderStyle::none) return flags | Qt::FramelessWindowHint;
  return flags | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

}  // namespace

FormWindow::FormWindow(Form& form, PictureCache& pictures, FormEvents& events)
    : QWidget(nullptr, window_flags(form.design())),
      m_form(&form),
      m_events(events),
      m_canvas(new FormCanvas(form, pictures, events, this)) {
  // Named after its form, so that tools and tests can tell the windows apart.
  setObjectName(QString::fromStdString(form.name()));
  setWindowTitle(QString::fromStdString(form.design().caption));
  setWindowIcon(window_icon());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  // The window takes exactly the size of its menu bar and client area: the player cannot resize.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  if (!form.menu().empty()) {
    m_menu_bar = new QMenuBar(this);
    fill_menu_bar(*m_menu_bar, form.menu(), [this](const MenuItem& item) {
      if (m_form != nullptr) m_events.choose(item);
    });
    layout->setMenuBar(m_menu_bar);
  }
  layout->addWidget(m_canvas);
  layout->activate();
  m_painted_revision = form.shown_revision();
}

void FormWindow::show_and_activate() {
  if (!m_placed) place_on_screen();
  show();
  raise();
  activateWindow();
}

// The window with its frame is centred, as far as the frame is known before the window shows
// (once the native window exists).
void FormWindow::place_on_screen() {
  m_placed = true;
  if (m_form->design().start != StartPosition::center_screen) return;
  winId();
  const QSize frame = frameGeometry().size();
  move(screen()->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
}

void FormWindow::detach() {
  m_form = nullptr;
  m_canvas->detach();
  hide();
}

void FormWindow::refresh() {
  if (m_form == nullptr || m_form->shown_revision() == m_painted_revision) return;
  m_painted_revision = m_form->shown_revision();
  m_canvas->update();
}

// Every key-down goes to the form's key handler, auto-repeats included, whatever the modifiers.
void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (m_form == nullptr || !m_form->on_key_down) return;
  if (const std::optional<int> code = windows_key_code(event->key(), event->modifiers())) {
    m_events.key_down(*code);
  }
}

// The close box unloads the form; the runtime decides what follows, so Qt closes nothing itself.
void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (m_form != nullptr) m_events.close(*m_form);
}

}  // namespace totechita::desktop
