#include "desktop/form_canvas.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "desktop/font_choice.hpp"
#include "desktop/twips.hpp"

namespace totechita::desktop {

namespace {

QColor to_color(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

QRectF drawn_rect(const Bounds& bounds, qreal scale) {
  return to_pixel_rect(bounds.left, bounds.top, bounds.width, bounds.height, scale);
}

// The size, in logical pixels, that a picture drawn in `rect` is asked for at.
QSize picture_size(const QRectF& rect) {
  return {static_cast<int>(std::lround(rect.width())),
          static_cast<int>(std::lround(rect.height()))};
}

}  // namespace

FormCanvas::FormCanvas(Form& form, PictureCache& pictures, const SendInput& send_input,
                       QWidget* parent)
    : QWidget(parent),
      m_form(&form),
      m_pictures(pictures),
      m_send_input(send_input),
      m_pictures_in_order(pictures_in_drawing_order(form)) {
  const FormDesign& design = form.design();
  setFixedSize(to_pixels(design.client_width), to_pixels(design.client_height));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

// Labels are drawn over every picture; the last drawn is on top.
Control* FormCanvas::control_at(QPointF point) const {
  if (m_form == nullptr) return nullptr;
  const qreal scale = devicePixelRatioF();
  for (auto label = m_form->labels().rbegin(); label != m_form->labels().rend(); ++label) {
    if (drawn_rect((*label)->peek_state().bounds, scale).contains(point)) {
      return *label;
    }
  }
  for (auto picture = m_pictures_in_order.rbegin(); picture != m_pictures_in_order.rend();
       ++picture) {
    const PictureState& state = (*picture)->peek_state();
    if (state.visible && drawn_rect(state.bounds, scale).contains(point)) return *picture;
  }
  return nullptr;
}

void FormCanvas::unpack_pictures_ahead() {
  const qreal scale = devicePixelRatioF();
  for (const Picture* picture : m_pictures_in_order) {
    const PictureState& state = std::get<PictureState>(picture->peek());
    const QRectF rect = drawn_rect(state.bounds, scale);
    if (state.visible) m_pictures.unpack_ahead(picture->asset(), picture_size(rect), scale);
  }
}

void FormCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const std::optional<Rgb> back = m_form != nullptr ? m_form->design().back_color : std::nullopt;
  painter.fillRect(rect(), back ? to_color(*back) : palette().color(QPalette::Window));
  if (m_form == nullptr) return;
  for (const Picture* picture : m_pictures_in_order)
    paint_picture(painter, *picture);
  for (const Label* label : m_form->labels())
    paint_label(painter, *label);
}

void FormCanvas::paint_picture(QPainter& painter, const Picture& picture) {
  const PictureState& state = picture.peek_state();
  if (!state.visible) return;
  const QRectF rect = drawn_rect(state.bounds, devicePixelRatioF());
  painter.drawPixmap(rect.topLeft(),
                     m_pictures.picture(picture.asset(), picture_size(rect), devicePixelRatioF()));
}

// Captions are left-aligned from the top-left corner and broken into lines within the label's
// width; whatever does not fit is cut off at the label's edges.
void FormCanvas::paint_label(QPainter& painter, const Label& label) const {
  const LabelState& state = label.peek_state();
  const QRectF rect = drawn_rect(state.bounds, devicePixelRatioF());
  painter.save();
  painter.setClipRect(rect);
  painter.fillRect(rect, to_color(label.style().back));
  painter.setPen(to_color(label.style().fore));
  painter.setFont(label_font(label.style()));
  painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   QString::fromStdString(state.caption));
  painter.restore();
}

void FormCanvas::mousePressEvent(QMouseEvent* event) {
  m_pressed = event->button() == Qt::LeftButton ? control_at(event->position()) : nullptr;
}

void FormCanvas::mouseReleaseEvent(QMouseEvent* event) {
  Control* pressed = std::exchange(m_pressed, nullptr);
  if (event->button() != Qt::LeftButton || pressed == nullptr) return;
  if (m_form != nullptr && control_at(event->position()) == pressed) {
    m_send_input(Click{.form = m_form->name(), .control = pressed->name()});
  }
}

}  // namespace totechita::desktop
