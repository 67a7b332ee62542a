// totechita-script: plays the game headless from a script and prints what happens.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "script/script_runner.hpp"

namespace {

bool read_all(std::istream& in, std::string& text) {
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace totechita::script;
  if (argc > 2) {
    std::cerr << "usage: totechita-script [FILE]   (no FILE or - reads standard input)\n";
    return kScriptMalformed;
  }
  std::string text;
  const std::string path = argc == 2 ? argv[1] : "-";
  if (path == "-") {
    read_all(std::cin, text);
  } else {
    std::ifstream file(path, std::ios::binary);
    if (std::filesystem::is_directory(path) || !file || !read_all(file, text)) {
      std::cerr << "totechita-script: cannot read " << path << '\n';
      return kScriptMalformed;
    }
  }
  return run_headless(text, std::cout, std::cerr);
}
