#include "desktop/sdl_pads.hpp"

#include <dlfcn.h>

#include <array>
#include <optional>
#include <utility>

namespace totechita::desktop {

namespace {

template <class Function>
void find(void* library, const char* name, Function& function, bool& found_all) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  found_all = found_all && function != nullptr;
}

// The library stays loaded once loaded: the sound libraries it brings register handlers of
// their own with the process, which unloading could leave dangling.
std::optional<SdlPads::Calls> load_sdl(std::string& error) {
  void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    error = dlerror();
    return std::nullopt;
  }
  SdlPads::Calls sdl;
  bool found_all = true;
  find(library, "SDL_SetHint", sdl.set_hint, found_all);
  find(library, "SDL_InitSubSystem", sdl.init_subsystem, found_all);
  find(library, "SDL_QuitSubSystem", sdl.quit_subsystem, found_all);
  find(library, "SDL_WasInit", sdl.was_init, found_all);
  find(library, "SDL_Quit", sdl.quit, found_all);
  find(library, "SDL_GetError", sdl.get_error, found_all);
  find(library, "SDL_PollEvent", sdl.poll_event, found_all);
  find(library, "SDL_JoystickGetDeviceInstanceID", sdl.instance_id, found_all);
  find(library, "SDL_GameControllerOpen", sdl.open, found_all);
  find(library, "SDL_GameControllerClose", sdl.close, found_all);
  if (!found_all) {
    error = "libSDL2-2.0.so.0 lacks the game-controller functions";
    return std::nullopt;
  }
  return sdl;
}

constexpr std::array<std::pair<SDL_GameControllerButton, PadButton>, 5> kButtons{{
    {SDL_CONTROLLER_BUTTON_A, PadButton::a},
    {SDL_CONTROLLER_BUTTON_B, PadButton::b},
    {SDL_CONTROLLER_BUTTON_X, PadButton::x},
    {SDL_CONTROLLER_BUTTON_START, PadButton::start},
    {SDL_CONTROLLER_BUTTON_BACK, PadButton::back},
}};

constexpr std::array<std::pair<SDL_GameControllerButton, PadDirection>, 4> kDpad{{
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadDirection::left},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadDirection::up},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadDirection::right},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadDirection::down},
}};

// A button the game uses, as a press or a d-pad change; other buttons and releases say nothing.
std::optional<PadEvent> button_event(const SDL_ControllerButtonEvent& event) {
  const bool down = event.state == SDL_PRESSED;
  for (const auto& [button, pad_button] : kButtons) {
    if (event.button == button && down) return PadButtonPressed{event.which, pad_button};
  }
  for (const auto& [button, direction] : kDpad) {
    if (event.button == button) return DpadChanged{event.which, direction, down};
  }
  return std::nullopt;
}

std::optional<PadEvent> axis_event(const SDL_ControllerAxisEvent& event) {
  if (event.axis != SDL_CONTROLLER_AXIS_LEFTX && event.axis != SDL_CONTROLLER_AXIS_LEFTY) {
    return std::nullopt;
  }
  return StickMoved{event.which, event.axis == SDL_CONTROLLER_AXIS_LEFTY, event.value};
}

}  // namespace

// The hints go in before the subsystem starts: SDL would otherwise catch SIGINT and SIGTERM, and
// open the pads it has drivers of its own for as raw HID devices, changing their modes and
// lights for every other program.
std::unique_ptr<SdlPads> SdlPads::start(std::string& error) {
  const std::optional<Calls> sdl = load_sdl(error);
  if (!sdl) return nullptr;
  sdl->set_hint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  sdl->set_hint(SDL_HINT_JOYSTICK_HIDAPI, "0");
  if (sdl->init_subsystem(SDL_INIT_GAMECONTROLLER) != 0) {
    error = sdl->get_error();
    return nullptr;
  }
  return std::unique_ptr<SdlPads>(new SdlPads(*sdl));
}

// What SDL keeps besides its subsystems (hints, the event queue) goes once nobody else uses it.
SdlPads::~SdlPads() {
  for (const auto& [pad, controller] : m_open)
    m_sdl.close(controller);
  m_sdl.quit_subsystem(SDL_INIT_GAMECONTROLLER);
  if (m_sdl.was_init(SDL_INIT_EVERYTHING) == 0) m_sdl.quit();
}

std::vector<PadEvent> SdlPads::poll() {
  std::vector<PadEvent> events;
  SDL_Event event;
  while (m_sdl.poll_event(&event) != 0) {
    std::optional<PadEvent> pad_event;
    if (event.type == SDL_CONTROLLERDEVICEADDED) open(event.cdevice.which);
    if (event.type == SDL_CONTROLLERDEVICEREMOVED) close(event.cdevice.which, events);
    if (event.type == SDL_CONTROLLERBUTTONDOWN || event.type == SDL_CONTROLLERBUTTONUP) {
      pad_event = button_event(event.cbutton);
    }
    if (event.type == SDL_CONTROLLERAXISMOTION) pad_event = axis_event(event.caxis);
    if (pad_event) events.push_back(*pad_event);
  }
  return events;
}

// SDL tells of a pad once for each way it learns of it; a pad already open stays as it is.
void SdlPads::open(int device_index) {
  if (m_open.contains(m_sdl.instance_id(device_index))) return;
  if (SDL_GameController* controller = m_sdl.open(device_index)) {
    m_open[m_sdl.instance_id(device_index)] = controller;
  }
}

void SdlPads::close(SDL_JoystickID pad, std::vector<PadEvent>& events) {
  const auto it = m_open.find(pad);
  if (it == m_open.end()) return;
  m_sdl.close(it->second);
  m_open.erase(it);
  events.push_back(PadRemoved{pad});
}

}  // namespace totechita::desktop
