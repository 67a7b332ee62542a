#include "driver/child_process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <fstream>
#include <system_error>
#include <thread>

extern char** environ;

namespace totechita::testing {

namespace {

using Clock = std::chrono::steady_clock;

void check(bool ok, const char* what) {
  if (!ok) throw std::system_error(errno, std::generic_category(), what);
}

struct Pipe {
  int read_end = -1;
  int write_end = -1;

  Pipe() {
    int ends[2];
    check(pipe2(ends, O_CLOEXEC) == 0, "pipe2");
    read_end = ends[0];
    write_end = ends[1];
  }
  ~Pipe() {
    close_end(read_end);
    close_end(write_end);
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;

  static void close_end(int& end) {
    if (end >= 0) ::close(end);
    end = -1;
  }
};

pid_t spawn(const std::vector<std::string>& arguments, const std::filesystem::path& input,
            const Pipe& out, const Pipe& err) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out.write_end, 1);
  posix_spawn_file_actions_adddup2(&actions, err.write_end, 2);
  std::vector<char*> argv;
  for (const std::string& argument : arguments)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int result = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (result != 0) throw std::system_error(result, std::generic_category(), "posix_spawn");
  return pid;
}

// Reads both outputs as they come (a full pipe would stall the child) until both close.
void drain(Pipe& out, Pipe& err, Finished& finished, Clock::time_point deadline) {
  std::array<pollfd, 2> ends{{{out.read_end, POLLIN, 0}, {err.read_end, POLLIN, 0}}};
  const std::array<std::string*, 2> sinks{&finished.out, &finished.err};
  int open = 2;
  while (open > 0) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return;
    if (poll(ends.data(), ends.size(), static_cast<int>(left.count())) < 0) {
      check(errno == EINTR, "poll");
      continue;
    }
    for (std::size_t i = 0; i < ends.size(); ++i) {
      if (ends[i].fd < 0 || ends[i].revents == 0) continue;
      char buffer[65536];
      const ssize_t count = read(ends[i].fd, buffer, sizeof buffer);
      if (count > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(count));
      } else {
        ends[i].fd = -1;  // poll skips it from now on
        --open;
      }
    }
  }
}

void reap(pid_t pid, Finished& finished, Clock::time_point deadline) {
  int status = 0;
  rusage usage{};
  for (;;) {
    const pid_t done = wait4(pid, &status, finished.timed_out ? 0 : WNOHANG, &usage);
    if (done == pid) break;
    check(done == 0 || errno == EINTR, "wait4");
    if (Clock::now() >= deadline) {
      kill(pid, SIGKILL);
      finished.timed_out = true;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  finished.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  finished.peak_memory_kib = usage.ru_maxrss;
}

}  // namespace

Finished run_program(const std::vector<std::string>& arguments, const std::filesystem::path& input,
                     std::chrono::seconds deadline) {
  const auto start = Clock::now();
  Pipe out;
  Pipe err;
  const pid_t pid = spawn(arguments, input, out, err);
  Pipe::close_end(out.write_end);
  Pipe::close_end(err.write_end);
  Finished finished;
  drain(out, err, finished, start + deadline);
  reap(pid, finished, start + deadline);
  finished.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
  return finished;
}

ScratchFile::ScratchFile(const std::string& contents) {
  std::string folder = (std::filesystem::temp_directory_path() / "totechita-XXXXXX").string();
  check(mkdtemp(folder.data()) != nullptr, "mkdtemp");
  m_folder = folder;
  m_path = m_folder / "input.script";
  std::ofstream(m_path, std::ios::binary) << contents;
}

ScratchFile::~ScratchFile() {
  std::error_code ignored;
  std::filesystem::remove_all(m_folder, ignored);
}

}  // namespace totechita::testing
