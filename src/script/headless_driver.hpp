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
  void input(const Input& input) override { m_runtime.deliver(input); }
  void advance_to(Millis time) override;
  void jump(Millis milliseconds) override;

 private:
  HeadlessPlatform m_platform;
  Runtime m_runtime;
};

}  // namespace totechita::script
