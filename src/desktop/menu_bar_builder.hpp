#pragma once

#include <QMenuBar>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "runtime/menu_item.hpp"

namespace totechita::desktop {

// A caption shown as written: Qt would take "&" for an access key, and the game has none.
QString menu_text(const std::string& caption);

// A native menu bar with the form's menus, submenus, separators and commands, in order. No
// shortcuts, access keys or check marks; choosing a command calls `choose` with its item.
void fill_menu_bar(QMenuBar& bar, const std::vector<MenuItem>& items,
                   const std::function<void(const MenuItem&)>& choose);

}  // namespace totechita::desktop
