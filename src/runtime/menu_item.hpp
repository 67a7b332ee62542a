#pragma once

#include <functional>
#include <string>
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

}  // namespace totechita
