#pragma once

#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace totechita::desktop::testing {

// Qt maps a system font when the text it draws asks for a glyph that the face it was given lacks.
inline const std::string kFontFiles = R"(\.(ttf|otf|ttc|otc|pfb|pfa)$)";

// The files this process has mapped whose path matches `pattern` (ignoring case): the libraries
// and plugins it loaded, and the files it reads where they lie.
inline std::vector<std::string> mapped_files(const std::string& pattern) {
  const std::regex wanted(pattern, std::regex::icase);
  std::ifstream maps("/proc/self/maps");
  std::set<std::string> found;
  for (std::string line; std::getline(maps, line);) {
    const std::string::size_type path = line.find('/');
    if (path != std::string::npos && std::regex_search(line.substr(path), wanted)) {
      found.insert(line.substr(path));
    }
  }
  return {found.begin(), found.end()};
}

}  // namespace totechita::desktop::testing
