#include "safe_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <string_view>
#include <utility>

namespace totechita {

namespace {

std::string reason(int error) { return std::strerror(error); }

// Opens a new file named `target`.unfinished-XXXXXX, where no file was before (O_EXCL), so that
// two writers of one target never share it; -1 with errno when it cannot.
int create_beside(const std::string& target, std::string& name) {
  static constexpr std::string_view kLetters =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = target + ".unfinished-";
    for (int i = 0; i < 6; ++i)
      name += kLetters[random() % kLetters.size()];
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// So that a rename survives a power cut; a folder that cannot be synced is no reason to fail.
void sync_folder_of(const std::string& path) {
  const std::string folder = std::filesystem::path(path).parent_path().string();
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::variant<std::unique_ptr<SafeFile>, std::string> SafeFile::create(const std::string& target) {
  std::string path = target;
  struct stat link {};
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    std::error_code error;
    path = std::filesystem::canonical(target, error).string();
    if (error) return "cannot write " + target + ": " + error.message();
  }
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) return "cannot write " + target + ": " + reason(errno);
  if (exists && S_ISDIR(existing.st_mode)) return target + " is a folder";
  if (exists && !S_ISREG(existing.st_mode)) return target + " is not a regular file";
  if (exists && ::access(path.c_str(), W_OK) != 0) {
    return "cannot write " + target + ": " + reason(errno);
  }
  std::string temporary;
  const int fd = create_beside(path, temporary);
  if (fd < 0) return "cannot make a file beside " + target + ": " + reason(errno);
  // The new file keeps the permissions of the one it replaces.
  if (exists) ::fchmod(fd, existing.st_mode & 07777);
  return std::unique_ptr<SafeFile>(new SafeFile(path, temporary, fd));
}

SafeFile::SafeFile(std::string target, std::string temporary, int fd)
    : m_target(std::move(target)), m_temporary(std::move(temporary)) {
  m_buffer.fd = fd;
}

SafeFile::~SafeFile() {
  close_file();
  if (!m_done) ::unlink(m_temporary.c_str());
}

std::optional<std::string> SafeFile::replace_target() {
  m_stream.flush();
  std::string problem = error().empty() ? "" : "cannot write " + m_temporary + ": " + error();
  if (problem.empty() && ::fsync(m_buffer.fd) != 0) {
    problem = "cannot write " + m_temporary + ": " + reason(errno);
  }
  if (problem.empty() && ::close(std::exchange(m_buffer.fd, -1)) != 0) {
    problem = "cannot write " + m_temporary + ": " + reason(errno);
  }
  if (problem.empty() && ::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
    problem = "cannot rename " + m_temporary + " to " + m_target + ": " + reason(errno);
  }
  keep();
  if (!problem.empty()) return problem;
  sync_folder_of(m_target);
  return std::nullopt;
}

void SafeFile::keep() {
  m_stream.flush();
  close_file();
  m_done = true;
}

void SafeFile::close_file() {
  if (m_buffer.fd >= 0) ::close(std::exchange(m_buffer.fd, -1));
}

SafeFile::Buffer::int_type SafeFile::Buffer::overflow(int_type c) {
  if (!traits_type::eq_int_type(c, traits_type::eof())) pending += traits_type::to_char_type(c);
  return traits_type::not_eof(c);
}

std::streamsize SafeFile::Buffer::xsputn(const char* text, std::streamsize count) {
  pending.append(text, static_cast<std::size_t>(count));
  return count;
}

int SafeFile::Buffer::sync() {
  std::string_view rest = pending;
  while (error.empty() && !rest.empty()) {
    const ssize_t wrote = fd < 0 ? -1 : ::write(fd, rest.data(), rest.size());
    if (wrote > 0) {
      rest.remove_prefix(static_cast<std::size_t>(wrote));
    } else if (wrote < 0 && errno == EINTR) {
      continue;
    } else {
      error = reason(wrote < 0 && fd >= 0 ? errno : EIO);
      if (fd >= 0 && ::ftruncate(fd, whole) != 0) error += ", and the last piece is cut short";
    }
  }
  if (error.empty()) whole += static_cast<std::int64_t>(pending.size());
  pending.clear();
  return error.empty() ? 0 : -1;
}

}  // namespace totechita
