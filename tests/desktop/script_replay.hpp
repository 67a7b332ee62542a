#pragma once

#include <memory>
#include <string>
#include <vector>

#include "desktop/screen_transcript.hpp"
#include "desktop/snapshots/scripted_session.hpp"
#include "runtime/properties.hpp"
#include "script/script_command.hpp"

namespace totechita::desktop::testing {

// Plays a script of the headless driver through the real front end, as a player would: `key`
// as Qt key events to the active window, `menu` through the actions of its menu bar, `click`
// as a mouse press and release on the control, message boxes closed with OK, and `wait` and
// `until` on the session's stepped clock (`until` looks after every millisecond). `expect` is
// checked and `print` and `dump` answer as the driver does, so the transcript can be compared
// with the driver's output.
class ScriptReplay {
 public:
  ScriptReplay();

  // Plays the commands in order; stops at the first one that fails.
  void play(const std::vector<script::Command>& commands);

  // "line N: problem" for the command that failed, or empty.
  const std::string& failure() const { return m_failure; }
  const ScreenTranscript& transcript() const { return m_transcript; }
  ScriptedSession& session() { return *m_session; }

 private:
  void perform(const script::Seed& seed);
  void perform(const script::Wait& wait);
  void perform(const script::Until& until);
  void perform(const script::Key& key);
  void perform(const script::Click& click);
  void perform(const script::Menu& menu);
  void perform(const script::Close& close);
  void perform(const script::Set& set);
  void perform(const script::Print& print);
  void perform(const script::Expect& expect);
  void perform(const script::Dump& dump);

  Runtime& runtime() { return m_session->game().runtime(); }
  Form& active();
  Form& loaded(const std::string& name);
  Form& form_of(const script::Ref& ref);
  Control& control_of(const Form& form, const std::string& name);
  PropertyValue read(const script::Ref& ref);
  std::string describe(const script::Ref& ref);

  // The title is shown while the session starts, at virtual time 0.
  ScreenTranscript m_transcript{
      [this] { return m_session ? m_session->game().runtime().scheduler().now() : 0; }};
  std::unique_ptr<ScriptedSession> m_session = nullptr;
  std::string m_failure;
};

}  // namespace totechita::desktop::testing
