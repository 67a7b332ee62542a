#pragma once

#include <cstdint>

#include "runtime/headless/headless_platform.hpp"
#include "script/script_driver.hpp"

namespace totechita::script {

enum class QuietTicks { skip, serve };

// Plays scripts on the headless platform: input goes straight to the runtime, and the virtual
// clock moves only when told.
class HeadlessDriver final : public ScriptDriver {
 public:
  explicit HeadlessDriver(QuietTicks quiet_ticks = QuietTicks::skip, std::uint64_t seed = 0);

  Runtime& runtime() override { return m_runtime; }
  const HeadlessPlatform& platform() const { return m_platform; }

  void start() override;
  void key_down(int key_code) override { m_runtime.key_down(key_code); }
  void click(Control& control) override { m_runtime.click(control); }
  void choose(const MenuItem& item) override { m_runtime.choose(item); }
  void close(Form& form) override { m_runtime.close(form); }
  void advance_to(Millis time) override;
  void jump(Millis milliseconds) override;

 private:
  HeadlessPlatform m_platform;
  Runtime m_runtime;
};

}  // namespace totechita::script
