#pragma once

#include <string>
#include <string_view>

namespace totechita::web {

// A line of the page's transcript: what the script driver would print, an event
// ("t=1500 show Form2") or the answer of a print or dump.
void page_line(const std::string& line);

// Each line of `text`, lines ended by newlines as the script's output ends them.
void page_lines(std::string_view text);

}  // namespace totechita::web
