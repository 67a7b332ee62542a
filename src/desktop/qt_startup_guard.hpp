#pragma once

namespace totechita::desktop {

// Qt prints several lines and aborts when the window system it picked cannot be reached (a
// display that has gone away, a platform plugin that is missing). While a guard lives, Qt's
// messages are held back; if Qt gives up, the game says why in one line and exits with status 1.
// Once Qt has started, what it said meanwhile is printed as usual.
class QtStartupGuard {
 public:
  QtStartupGuard();
  ~QtStartupGuard();
  QtStartupGuard(const QtStartupGuard&) = delete;
  QtStartupGuard& operator=(const QtStartupGuard&) = delete;
};

}  // namespace totechita::desktop
