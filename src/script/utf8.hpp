#pragma once

#include <string_view>

namespace totechita::script {

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing
// above U+10FFFF.
bool is_valid_utf8(std::string_view text);

}  // namespace totechita::script
