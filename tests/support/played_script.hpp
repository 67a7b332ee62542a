#pragma once

#include <string>

// Cases written in the script driver's language: a row of a table is a few commands.
namespace totechita::testing {

// Plays a script on a fresh game from the moment the board is shown (t=1500) and returns what
// its `print` lines printed, the values alone, space-separated; or the driver's complaint.
std::string printed(const std::string& script);

// Commands that set up a case: the player's position fields on a place, a picture shown at a
// place, Enter at a place with one bomb held.
std::string stand_at(const std::string& x, const std::string& y);
std::string put(const std::string& picture, const std::string& left, const std::string& top);
std::string drop_bomb_at(const std::string& x, const std::string& y);

}  // namespace totechita::testing
