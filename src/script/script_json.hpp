#pragma once

#include <string>
#include <string_view>

namespace totechita::script {

// A script checked by the parser, as JSON for players of scripts in other languages (the page's
// tests, the page's replays): {"commands":[...]} with each command's line number, its text as
// written and its parts, or {"error":{"line":N,"problem":"..."}}. A command's parts: "verb", and
// "key" and "code", "count", "control", "item", "form", "ms", "ref" (its text; null for
// `until end`), "value", "seed", as the verb has them.
std::string script_json(std::string_view text);

}  // namespace totechita::script
