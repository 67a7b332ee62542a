#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace totechita {

// One entry of a form's menu bar: a menu, a submenu, a command or a separator line ("-").
struct MenuItem {
  std::string name;
  std::string caption;
  std::vector<MenuItem> children;
  std::function<void()> on_click;

  bool is_separator() const { return caption == "-"; }
};

// An item by name, searched through submenus; none when the menu has no such item.
inline const MenuItem* find_menu_item_named(const std::vector<MenuItem>& items,
                                            std::string_view name) {
  for (const MenuItem& item : items) {
    if (item.name == name) return &item;
    if (const MenuItem* found = find_menu_item_named(item.children, name)) return found;
  }
  return nullptr;
}

}  // namespace totechita
