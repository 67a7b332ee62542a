#include "desktop/form_window.hpp"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <utility>

#include "desktop/application_setup.hpp"
#include "desktop/menu_bar_builder.hpp"
#include "desktop/windows_key_codes.hpp"
#include "desktop/x11_window_hints.hpp"

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

FormWindow::FormWindow(Form& form, PictureCache& pictures, const SendInput& send_input)
    : QWidget(nullptr, window_flags(form.design())),
      m_form(&form),
      m_send_input(send_input),
      m_canvas(new FormCanvas(form, pictures, send_input, this)) {
  // Named after its form, so that tools and tests can tell the windows apart.
  setObjectName(QString::fromStdString(form.name()));
  setWindowTitle(QString::fromStdString(form.design().caption));
  // A borderless window off the taskbar shows its icon in a task switcher at most.
  const bool shows_icon = form.design().border != BorderStyle::none || form.design().in_taskbar;
  setWindowIcon(shows_icon ? window_icon() : small_window_icon());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  // The window takes exactly the size of its menu bar and client area: the player cannot resize.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  if (!form.menu().empty()) {
    m_menu_bar = new QMenuBar(this);
    fill_menu_bar(*m_menu_bar, form.menu(), [this](const MenuItem& item) {
      if (m_form != nullptr) m_send_input(MenuCommand{.form = m_form->name(), .item = item.name});
    });
    layout->setMenuBar(m_menu_bar);
  }
  layout->addWidget(m_canvas);
  layout->activate();
  m_painted_revision = form.shown_revision();
}

void FormWindow::show_and_activate() {
  if (!m_placed) {
    place_on_screen();
    m_canvas->unpack_pictures_ahead();
  }
  show();
  raise();
  activateWindow();
}

// Once the native window exists and before it is mapped, which is when a window manager reads
// what the window asks for.
void FormWindow::place_on_screen() {
  m_placed = true;
  winId();
  const FormDesign& design = m_form->design();
  if (design.border == BorderStyle::none) forbid_window_manager_functions(*this);
  if (!design.in_taskbar) skip_taskbar(*this);
  if (design.start != StartPosition::center_screen) return;
  centre_on_screen(frameGeometry(), geometry());
  m_centred_at = geometry().topLeft();
  windowHandle()->installEventFilter(this);
}

// The window with its frame in the middle of the screen, from where the frame and the client area
// are now.
void FormWindow::centre_on_screen(QRect frame, QRect client) {
  const QPoint frame_at =
      screen()->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2);
  setGeometry(QRect(frame_at + (client.topLeft() - frame.topLeft()), client.size()));
}

// A window manager frames a window when it maps it, so the first centring knew no frame. Once the
// frame is known the window is centred again with it, once, unless it has been put elsewhere
// meanwhile (by the window manager's own placement, or by the player). While a window manager is
// still framing the window, Qt may report a frame of 1 × 1 pixel, or a place of no meaning before
// the window is first exposed: only a frame around an exposed window counts. Without a window
// manager there is no frame, and nothing more happens.
bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (m_centred_at && watched == windowHandle() &&
      (type == QEvent::Expose || type == QEvent::Move || type == QEvent::Resize)) {
    const QRect client = windowHandle()->geometry();
    const QRect frame = windowHandle()->frameGeometry();
    if (windowHandle()->isExposed() && frame.contains(client) && frame != client) {
      const QPoint centred_at = *std::exchange(m_centred_at, std::nullopt);
      windowHandle()->removeEventFilter(this);
      if (client.topLeft() == centred_at) centre_on_screen(frame, client);
    }
  }
  return QWidget::eventFilter(watched, event);
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
    m_send_input(KeyDown{*code});
  }
}

// The close box unloads the form; the runtime decides what follows, so Qt closes nothing itself.
void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (m_form != nullptr) m_send_input(CloseBox{m_form->name()});
}

}  // namespace totechita::desktop
