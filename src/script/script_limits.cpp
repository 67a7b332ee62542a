#include "script/script_limits.hpp"

namespace totechita::script {

namespace {

// How far the clock may move for `action`.
Millis time_of(const Action& action) {
  if (const auto* wait = std::get_if<Wait>(&action)) return wait->milliseconds;
  if (const auto* jump = std::get_if<Jump>(&action)) return jump->milliseconds;
  if (const auto* until = std::get_if<Until>(&action)) return until->milliseconds;
  return 0;
}

std::int64_t inputs_of(const Action& action) {
  const auto* input = std::get_if<PlayerInput>(&action);
  return input != nullptr ? input->count : 0;
}

}  // namespace

std::optional<std::string> ScriptBudget::spend(const Action& action) {
  if (time_of(action) > kMaxWait) {
    return "a wait, jump or until is longer than " + std::to_string(kMaxWait) + " ms";
  }
  const bool jump = std::holds_alternative<Jump>(action);
  const Millis served = m_served + (jump ? 0 : time_of(action));
  const std::int64_t inputs = m_inputs + inputs_of(action);
  const int dumps = m_dumps + (std::holds_alternative<Dump>(action) ? 1 : 0);
  if (served > kMaxServedTime) {
    return "the script's waits and untils come to more than " + std::to_string(kMaxServedTime) +
           " ms (24 hours)";
  }
  if (inputs > kMaxInputs) {
    return "the script gives more than " + std::to_string(kMaxInputs) + " inputs";
  }
  if (dumps > kMaxDumps) {
    return "the script dumps more than " + std::to_string(kMaxDumps) + " times";
  }
  m_served = served;
  m_inputs = inputs;
  m_dumps = dumps;
  return std::nullopt;
}

}  // namespace totechita::script
