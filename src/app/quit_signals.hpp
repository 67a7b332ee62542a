#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace totechita {

// SIGTERM, SIGINT and SIGHUP leave the Qt event loop (every loop, message boxes' included), as
// the end of the game does, so that what the program was doing is finished on the normal way
// out; then the program ends as the signal would have ended it. A signal handler may do almost
// nothing, so it only writes the signal's number to a pipe that the event loop watches.
//
// SIGPIPE and SIGXFSZ are ignored: a write to a closed pipe or past the limit on the size of
// files (ulimit -f) then fails with an error that the program can say, instead of killing it.
class QuitSignals final : public QObject {
 public:
  QuitSignals();
  ~QuitSignals() override;
  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;

  // The signal that ended the event loop; 0 while none has.
  int received() const { return m_received; }
  // Ends the process by the signal received, as it would have without this handling.
  [[noreturn]] void end_by_signal() const;

 private:
  void read_signal();

  std::unique_ptr<QSocketNotifier> m_notifier;
  int m_received = 0;
};

}  // namespace totechita
