#include "script_file.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "script/script_limits.hpp"

namespace totechita {

namespace {

constexpr std::size_t kMost = script::kMaxScriptBytes + 1;

// Appends what `fd` holds to `text`, up to kMost bytes in all; 0, or the errno of the read that
// failed.
int read_into(int fd, std::string& text) {
  struct stat status {};
  if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
    text.reserve(std::min(static_cast<std::size_t>(status.st_size) + 1, kMost));
  }
  std::array<char, 1 << 16> buffer{};
  while (text.size() < kMost) {
    const ssize_t got = ::read(fd, buffer.data(), std::min(buffer.size(), kMost - text.size()));
    if (got == 0) return 0;
    if (got > 0) {
      text.append(buffer.data(), static_cast<std::size_t>(got));
    } else if (errno == EAGAIN) {  // a standard input left non-blocking by whoever started us
      pollfd wait_for{fd, POLLIN, 0};
      ::poll(&wait_for, 1, -1);
    } else if (errno != EINTR) {
      return errno;
    }
  }
  return 0;
}

}  // namespace

ScriptFile read_script_file(const std::string& path) {
  const bool standard_input = path == "-";
  const std::string name = standard_input ? "standard input" : path;
  const int fd =
      standard_input ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  ScriptFile file;
  const int error = fd < 0 ? errno : read_into(fd, file.text);
  if (fd >= 0 && !standard_input) ::close(fd);
  if (error != 0) return {"", "cannot read " + name + ": " + std::strerror(error)};
  if (file.text.size() > script::kMaxScriptBytes) {
    return {"", name + " is larger than " + std::to_string(script::kMaxScriptBytes >> 20) +
                    " MB, the most a script may hold"};
  }
  return file;
}

}  // namespace totechita
