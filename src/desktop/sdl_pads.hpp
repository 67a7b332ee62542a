#pragma once

#include <SDL.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "desktop/pad_state.hpp"

namespace totechita::desktop {

// The game controllers SDL knows (its mapping database covers the common pads), through SDL's
// game-controller subsystem alone: no video, no sound, no signal handlers. SDL is loaded when
// this starts, not linked: the library and the forty it links (sound, Wayland, X11) would
// otherwise be loaded at every start, pad or not.
class SdlPads final {
 public:
  // Loads SDL and starts its subsystem; nothing, with the reason in `error`, when it cannot.
  static std::unique_ptr<SdlPads> start(std::string& error);
  ~SdlPads();
  SdlPads(const SdlPads&) = delete;
  SdlPads& operator=(const SdlPads&) = delete;

  // Lets SDL look at its devices: opens the pads that came, closes those that went, and returns
  // what the player did with them, in order.
  std::vector<PadEvent> poll();
  bool any_open() const { return !m_open.empty(); }

  // The SDL functions used, from the loaded library.
  struct Calls {
    decltype(&SDL_SetHint) set_hint = nullptr;
    decltype(&SDL_InitSubSystem) init_subsystem = nullptr;
    decltype(&SDL_QuitSubSystem) quit_subsystem = nullptr;
    decltype(&SDL_WasInit) was_init = nullptr;
    decltype(&SDL_Quit) quit = nullptr;
    decltype(&SDL_GetError) get_error = nullptr;
    decltype(&SDL_PollEvent) poll_event = nullptr;
    decltype(&SDL_JoystickGetDeviceInstanceID) instance_id = nullptr;
    decltype(&SDL_GameControllerOpen) open = nullptr;
    decltype(&SDL_GameControllerClose) close = nullptr;
  };

 private:
  explicit SdlPads(const Calls& sdl) : m_sdl(sdl) {}
  void open(int device_index);
  void close(SDL_JoystickID pad, std::vector<PadEvent>& events);

  Calls m_sdl;
  std::map<SDL_JoystickID, SDL_GameController*> m_open;
};

}  // namespace totechita::desktop
