#pragma once

#include <QProxyStyle>

namespace totechita::desktop {

// The desktop's style, but for the icon of a menu bar's overflow button, which the game's menu
// bars (narrower than their windows) never show. Fusion reads that icon from image files, and
// to learn their format Qt loads every image plugin it has, QtSvg, libjpeg and others with them:
// 600 kB the game would carry from the board's first frame on.
class GameStyle final : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override;
};

}  // namespace totechita::desktop
