#include "desktop/menu_bar_builder.hpp"

#include <QMenu>

#include "desktop/application_setup.hpp"

namespace totechita::desktop {

namespace {

void add_entries(QWidget& menu, const std::vector<MenuItem>& items,
                 const std::function<void(const MenuItem&)>& choose);

void add_entry(QWidget& parent, const MenuItem& item,
               const std::function<void(const MenuItem&)>& choose) {
  if (item.is_separator()) {
    auto* separator = new QAction(&parent);
    separator->setSeparator(true);
    parent.addAction(separator);
    return;
  }
  if (!item.children.empty()) {
    auto* submenu = new QMenu(menu_text(item.caption), &parent);
    // A menu shows no icon, yet its window takes its form's, every size of it, when it opens.
    submenu->setWindowIcon(small_window_icon());
    add_entries(*submenu, item.children, choose);
    parent.addAction(submenu->menuAction());
    return;
  }
  auto* command = new QAction(menu_text(item.caption), &parent);
  QObject::connect(command, &QAction::triggered, command, [&item, choose] { choose(item); });
  parent.addAction(command);
}

void add_entries(QWidget& menu, const std::vector<MenuItem>& items,
                 const std::function<void(const MenuItem&)>& choose) {
  for (const MenuItem& item : items)
    add_entry(menu, item, choose);
}

}  // namespace

QString menu_text(const std::string& caption) {
  return QString::fromStdString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void fill_menu_bar(QMenuBar& bar, const std::vector<MenuItem>& items,
                   const std::function<void(const MenuItem&)>& choose) {
  add_entries(bar, items, choose);
}

}  // namespace totechita::desktop
