#include "quit_signals.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <utility>

namespace totechita {

namespace {

constexpr std::array kQuitting{SIGTERM, SIGINT, SIGHUP};
// The pipe the handler writes to and the event loop reads; a handler can reach only globals.
std::array<int, 2> signal_pipe{-1, -1};

void note_signal(int number) {
  const int saved = errno;
  const auto byte = static_cast<unsigned char>(number);
  // A full pipe already holds a signal to act on.
  [[maybe_unused]] const ssize_t wrote = ::write(signal_pipe[1], &byte, 1);
  errno = saved;
}

void handle(int number, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(number, &action, nullptr);
}

}  // namespace

QuitSignals::QuitSignals() {
  handle(SIGPIPE, SIG_IGN);
  handle(SIGXFSZ, SIG_IGN);
  if (::pipe2(signal_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) return;
  m_notifier = std::make_unique<QSocketNotifier>(signal_pipe[0], QSocketNotifier::Read);
  connect(m_notifier.get(), &QSocketNotifier::activated, this, &QuitSignals::read_signal);
  for (const int number : kQuitting) {
    // Left ignored where it was (`nohup`, or SIGINT for a shell's background job).
    struct sigaction before {};
    sigaction(number, nullptr, &before);
    if (before.sa_handler != SIG_IGN) handle(number, note_signal);
  }
}

QuitSignals::~QuitSignals() {
  for (const int number : kQuitting) {
    struct sigaction now {};
    sigaction(number, nullptr, &now);
    if (now.sa_handler == note_signal) handle(number, SIG_DFL);
  }
  m_notifier.reset();
  for (int& fd : signal_pipe)
    if (fd >= 0) ::close(std::exchange(fd, -1));
}

void QuitSignals::read_signal() {
  unsigned char byte = 0;
  if (::read(signal_pipe[0], &byte, 1) != 1 || m_received != 0) return;
  m_received = byte;
  QCoreApplication::exit(128 + m_received);
}

void QuitSignals::end_by_signal() const {
  handle(m_received, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, m_received);
  sigprocmask(SIG_UNBLOCK, &only, nullptr);
  std::raise(m_received);
  std::_Exit(128 + m_received);
}

}  // namespace totechita
