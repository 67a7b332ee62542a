#include "desktop/game_style.hpp"

namespace totechita::desktop {

QIcon GameStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                              const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton) return {};
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace totechita::desktop
