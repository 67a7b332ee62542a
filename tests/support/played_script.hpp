#pragma once

#include <string>

// Cases written in the script driver's language: the one vocabulary of the tests for setting up
// a case, whether a table row plays it as a script or a test plays it on a HeadlessGame.
namespace totechita::testing {

// Plays a script on a fresh game from the moment the board is shown (t=1500) and returns what
// its `print` lines printed, the values alone, space-separated; or the driver's complaint.
std::string printed(const std::string& script);

// The player's position fields on a place, as a walk there would leave them.
std::string stand_at(const std::string& x, const std::string& y);
// A picture shown at a place.
std::string put(const std::string& picture, const std::string& left, const std::string& top);
// Enter at a place, holding one bomb.
std::string drop_bomb_at(const std::string& x, const std::string& y);

}  // namespace totechita::testing
