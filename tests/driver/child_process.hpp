#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

// Runs a program as a user would, for end-to-end tests of the shipped executables.
namespace totechita::testing {

struct Finished {
  int exit_status = -1;  // -1 when it did not exit by itself (a signal, or killed at the deadline)
  bool timed_out = false;
  std::string out;
  std::string err;
  long peak_memory_kib = 0;
  std::chrono::milliseconds elapsed{0};
};

// Standard input comes from `input`; standard output and error are kept. A program still
// running at the deadline is killed, so a hang fails the test instead of stalling the suite.
Finished run_program(const std::vector<std::string>& arguments, const std::filesystem::path& input,
                     std::chrono::seconds deadline);

// A file in a fresh folder that goes away with the object.
class ScratchFile {
 public:
  explicit ScratchFile(const std::string& contents);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::filesystem::path& path() const { return m_path; }
  std::filesystem::path sibling(const std::string& name) const { return m_folder / name; }

 private:
  std::filesystem::path m_folder;
  std::filesystem::path m_path;
};

}  // namespace totechita::testing
