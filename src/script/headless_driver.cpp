#include "script/headless_driver.hpp"

#include "game/program.hpp"

namespace totechita::script {

HeadlessDriver::HeadlessDriver(QuietTicks quiet_ticks, std::uint64_t seed)
    : m_runtime(m_platform, seed) {
  m_runtime.scheduler().set_skipping(quiet_ticks == QuietTicks::skip);
}

void HeadlessDriver::start() { start_program(m_runtime); }

void HeadlessDriver::advance_to(Millis time) {
  m_runtime.scheduler().advance_to(time);
  m_runtime.release_unloaded();
}

void HeadlessDriver::jump(Millis milliseconds) {
  m_runtime.scheduler().jump_to(m_runtime.scheduler().now() + milliseconds);
  m_runtime.release_unloaded();
}

}  // namespace totechita::script
