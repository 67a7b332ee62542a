#pragma once

#include <QWidget>
#include <vector>

#include "desktop/picture_cache.hpp"
#include "desktop/send_input.hpp"
#include "runtime/form.hpp"

namespace totechita::desktop {

// A form's client area: draws its pictures by layer and its labels over them, from their
// properties, and turns a mouse click (press and release over the same control) into a click
// event.
class FormCanvas final : public QWidget {
 public:
  FormCanvas(Form& form, PictureCache& pictures, const SendInput& send_input, QWidget* parent);

  // The form was unloaded: draw and send nothing more.
  void detach() { m_form = nullptr; }
  // The topmost control drawn at a point of the client area, if any.
  Control* control_at(QPointF point) const;
  // Starts unpacking the pictures shown, for a first paint that is about to come.
  void unpack_pictures_ahead();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void paint_picture(QPainter& painter, const Picture& picture);
  void paint_label(QPainter& painter, const Label& label) const;

  Form* m_form;
  PictureCache& m_pictures;
  const SendInput& m_send_input;
  std::vector<Picture*> m_pictures_in_order;  // bottom first; the labels go over them all
  Control* m_pressed = nullptr;
};

}  // namespace totechita::desktop
