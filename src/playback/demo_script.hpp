#pragma once

namespace totechita::playback {

// The text of demo.script, compiled in: the demo needs no file beside the program.
extern const char* const kDemoScript;

}  // namespace totechita::playback
