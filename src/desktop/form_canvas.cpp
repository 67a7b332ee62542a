#include "desktop/form_canvas.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <variant>

#include "desktop/font_choice.hpp"
#include "desktop/stacking_order.hpp"
#include "desktop/twips.hpp"

namespace totechita::desktop {

namespace {

QColor to_color(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// Where a control is drawn, or nothing when it is not drawn at all.
std::optional<QRectF> drawn_rect(const Control& control, qreal scale) {
  if (const auto* picture = std::get_if<PictureState>(&control.peek())) {
    if (!picture->visible) return std::nullopt;
    return to_pixel_rect(picture->left, picture->top, picture->width, picture->height, scale);
  }
  if (const auto* label = std::get_if<LabelState>(&control.peek())) {
    return to_pixel_rect(label->left, label->top, label->width, label->height, scale);
  }
  return std::nullopt;
}

}  // namespace

FormCanvas::FormCanvas(Form& form, PictureCache& pictures, FormEvents& events, QWidget* parent)
    : QWidget(parent),
      m_form(&form),
      m_pictures(pictures),
      m_events(events),
      m_order(stacking_order(form)) {
  const FormDesign& design = form.design();
  setFixedSize(to_pixels(design.client_width), to_pixels(design.client_height));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

Control* FormCanvas::control_at(QPointF point) const {
  if (m_form == nullptr) return nullptr;
  auto hit = std::find_if(m_order.rbegin(), m_order.rend(), [&](const Control* control) {
    const std::optional<QRectF> rect = drawn_rect(*control, devicePixelRatioF());
    return rect && rect->contains(point);
  });
  return hit == m_order.rend() ? nullptr : *hit;
}

void FormCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const std::optional<Rgb> back = m_form != nullptr ? m_form->design().back_color : std::nullopt;
  painter.fillRect(rect(), back ? to_color(*back) : palette().color(QPalette::Window));
  if (m_form == nullptr) return;
  // Only pictures hold a picture's state and only labels a label's.
  for (const Control* control : m_order) {
    if (std::holds_alternative<PictureState>(control->peek())) {
      paint_picture(painter, static_cast<const Picture&>(*control));
    } else {
      paint_label(painter, static_cast<const Label&>(*control));
    }
  }
}

void FormCanvas::paint_picture(QPainter& painter, const Picture& picture) {
  const std::optional<QRectF> rect = drawn_rect(picture, devicePixelRatioF());
  if (!rect) return;
  const QSize size(static_cast<int>(std::lround(rect->width())),
                   static_cast<int>(std::lround(rect->height())));
  painter.drawPixmap(rect->topLeft(),
                     m_pictures.picture(picture.asset(), size, devicePixelRatioF()));
}

// Captions are left-aligned from the top-left corner and broken into lines within the label's
// width; whatever does not fit is cut off at the label's edges.
void FormCanvas::paint_label(QPainter& painter, const Label& label) const {
  const std::optional<QRectF> rect = drawn_rect(label, devicePixelRatioF());
  if (!rect) return;
  const LabelState& state = std::get<LabelState>(label.peek());
  painter.save();
  painter.setClipRect(*rect);
  painter.fillRect(*rect, to_color(label.style().back));
  painter.setPen(to_color(label.style().fore));
  painter.setFont(label_font(label.style()));
  painter.drawText(*rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   QString::fromStdString(state.caption));
  painter.restore();
}

void FormCanvas::mousePressEvent(QMouseEvent* event) {
  m_pressed = event->button() == Qt::LeftButton ? control_at(event->position()) : nullptr;
}

void FormCanvas::mouseReleaseEvent(QMouseEvent* event) {
  Control* pressed = std::exchange(m_pressed, nullptr);
  if (event->button() != Qt::LeftButton || pressed == nullptr) return;
  if (control_at(event->position()) == pressed) m_events.click(*pressed);
}

}  // namespace totechita::desktop
