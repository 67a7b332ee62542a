#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "playback/message_box_closer.hpp"
#include "runtime/control_state.hpp"
#include "support/transcript.hpp"

namespace totechita::desktop::testing {

using namespace playback;  // the tests play the windows as playback does
using totechita::testing::event_lines;

// What a player saw on the screen, written in the script driver's words with the game's
// virtual time, so that it can be compared line by line with the driver's own output: a game
// window shown ("t=0 show Form1") or hidden ("t=1500 unload Form1"), a message box
// ("t=22500 msgbox TEXT", closed with OK once `read` has seen it), the event loop ending
// ("t=49601 end").
class ScreenTranscript final : public QObject {
 public:
  explicit ScreenTranscript(std::function<Millis()> virtual_now,
                            std::function<void(QMessageBox&)> read = {});
  ~ScreenTranscript() override;
  ScreenTranscript(const ScreenTranscript&) = delete;
  ScreenTranscript& operator=(const ScreenTranscript&) = delete;

  const std::vector<std::string>& lines() const { return m_lines; }
  const std::vector<std::string>& message_box_titles() const { return m_box_titles; }
  // The window last shown for a form; null when it was never shown or has been deleted.
  QPointer<QWidget> window(const std::string& form_name) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void add_timed(const std::string& what);

  std::function<Millis()> m_virtual_now;
  std::vector<std::string> m_lines;
  std::vector<std::string> m_box_titles;
  std::map<std::string, QPointer<QWidget>> m_windows;
  MessageBoxCloser m_closer;
};

}  // namespace totechita::desktop::testing
