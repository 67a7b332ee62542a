#include "web/page_lines.hpp"

#include <emscripten/emscripten.h>

namespace totechita::web {

namespace {

// clang-format off
EM_JS(void, page_transcript_line, (const char* line), {
  Module.page.line(UTF8ToString(line));
});
// clang-format on

}  // namespace

void page_line(const std::string& line) { page_transcript_line(line.c_str()); }

void page_lines(std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    page_line(std::string(text.substr(0, end)));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
}

}  // namespace totechita::web
