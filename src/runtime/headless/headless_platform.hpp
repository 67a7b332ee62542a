#pragma once

#include <string>
#include <vector>

#include "runtime/platform.hpp"

namespace totechita {

// The platform without windows, for tests, the script driver and benchmarks: message boxes are
// recorded and closed at once, so the clock never waits for a player.
class HeadlessPlatform final : public Platform {
 public:
  void form_loaded(Form&) override {}
  void form_shown(Form&) override {}
  void form_unloaded(Form&) override {}
  void message_box(std::string_view prompt, std::string_view) override {
    m_messages.emplace_back(prompt);
  }
  void program_ended(int status) override {
    m_ended = true;
    m_exit_status = status;
  }

  const std::vector<std::string>& messages() const { return m_messages; }
  bool ended() const { return m_ended; }
  int exit_status() const { return m_exit_status; }

 private:
  std::vector<std::string> m_messages;
  bool m_ended = false;
  int m_exit_status = 0;
};

}  // namespace totechita
