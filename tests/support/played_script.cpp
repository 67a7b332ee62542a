#include "support/played_script.hpp"

#include <sstream>

#include "script/script_runner.hpp"
#include "support/transcript.hpp"

namespace totechita::testing {

std::string printed(const std::string& script) {
  std::ostringstream out;
  std::ostringstream err;
  if (script::run_headless("wait 1500\n" + script + "\n", out, err) != script::kScriptPassed) {
    return err.str();
  }
  std::string values;
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) {
    if (!line.starts_with("t="))
      values += (values.empty() ? "" : " ") + line.substr(line.find('=') + 1);
  }
  return values;
}

std::string stand_at(const std::string& x, const std::string& y) {
  return "set Text1.Text " + x + "\nset Text2.Text " + y + "\n";
}

std::string put(const std::string& picture, const std::string& left, const std::string& top) {
  return "set " + picture + ".Left " + left + "\nset " + picture + ".Top " + top + "\nset " +
         picture + ".Visible true\n";
}

std::string drop_bomb_at(const std::string& x, const std::string& y) {
  return stand_at(x, y) + "set Label9.Caption 1\nkey Enter\n";
}

}  // namespace totechita::testing
