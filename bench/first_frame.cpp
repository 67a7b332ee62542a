// first_frame PROGRAM [ARGUMENT...]: launches PROGRAM on the X display and prints the
// milliseconds from the launch to the first drawing into one of its windows, then ends it.
//
// The X server tells the moment exactly: the DAMAGE extension reports the first drawing into a
// window. Nothing else draws there: the program's windows have no background of their own, and
// without a window manager there are no frames. The display must hold no other program's windows.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <set>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTimeout = std::chrono::seconds(30);

struct Connection {
  xcb_connection_t* xcb = nullptr;
  xcb_window_t root = 0;
  std::uint8_t damage_event = 0;
};

void fail(const char* message) {
  std::fprintf(stderr, "first_frame: %s\n", message);
  std::exit(2);
}

Connection connect_to_display() {
  Connection connection;
  int screen_number = 0;
  connection.xcb = xcb_connect(nullptr, &screen_number);
  if (xcb_connection_has_error(connection.xcb)) fail("cannot open the display");
  const xcb_query_extension_reply_t* damage =
      xcb_get_extension_data(connection.xcb, &xcb_damage_id);
  if (damage == nullptr || !damage->present) fail("the display has no DAMAGE extension");
  connection.damage_event = damage->first_event;
  std::free(xcb_damage_query_version_reply(
      connection.xcb, xcb_damage_query_version(connection.xcb, 1, 1), nullptr));
  connection.root = xcb_setup_roots_iterator(xcb_get_setup(connection.xcb)).data->root;
  return connection;
}

// Hears of every window created or mapped at the top level, from before the program starts.
void watch_top_level(const Connection& connection) {
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection.xcb, connection.root, XCB_CW_EVENT_MASK, &mask);
  std::free(
      xcb_get_input_focus_reply(connection.xcb, xcb_get_input_focus(connection.xcb), nullptr));
}

pid_t launch(char** argv) {
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv, environ) != 0) fail("cannot launch");
  return pid;
}

// Waits for the first drawing into a mapped window; nothing when the program draws nothing.
std::optional<Clock::time_point> first_drawing(const Connection& connection,
                                               Clock::time_point start) {
  std::set<xcb_window_t> mapped;
  while (Clock::now() - start < kTimeout) {
    std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(
        xcb_poll_for_event(connection.xcb), &std::free);
    if (!event) {
      if (xcb_connection_has_error(connection.xcb)) return std::nullopt;
      pollfd display{xcb_get_file_descriptor(connection.xcb), POLLIN, 0};
      poll(&display, 1, 100);
      continue;
    }
    const std::uint8_t type = event->response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
      const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
      xcb_damage_create(connection.xcb, xcb_generate_id(connection.xcb), created->window,
                        XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
      xcb_flush(connection.xcb);
    } else if (type == XCB_MAP_NOTIFY) {
      mapped.insert(reinterpret_cast<xcb_map_notify_event_t*>(event.get())->window);
    } else if (type == connection.damage_event + XCB_DAMAGE_NOTIFY) {
      const auto* damage = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
      if (mapped.contains(damage->drawable)) return Clock::now();
    }
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) fail("usage: first_frame PROGRAM [ARGUMENT...]");
  const Connection connection = connect_to_display();
  watch_top_level(connection);
  const Clock::time_point start = Clock::now();
  const pid_t pid = launch(argv + 1);
  const std::optional<Clock::time_point> drawn = first_drawing(connection, start);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  xcb_disconnect(connection.xcb);
  if (!drawn) fail("the program drew nothing");
  const std::chrono::duration<double, std::milli> elapsed = *drawn - start;
  std::printf("%.1f\n", elapsed.count());
  return 0;
}
