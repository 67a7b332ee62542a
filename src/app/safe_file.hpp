#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <variant>

namespace totechita {

// A file written as a careful editor saves one. Everything goes to a temporary file beside the
// target, TARGET.unfinished-XXXXXX, whose name no other writer has; each flush of stream() is
// written at once in one piece and checked; the target is replaced by the whole file when it is
// done, and until then is left as it was. A writer killed outright leaves the temporary file,
// holding every piece it flushed. After a failed write the file takes nothing more and is cut
// back to its last whole piece.
class SafeFile {
 public:
  // Makes the temporary file for `target` (followed where it is a symbolic link); or says in a
  // line why the target cannot be written, having touched nothing.
  static std::variant<std::unique_ptr<SafeFile>, std::string> create(const std::string& target);
  // Removes the temporary file, unless it replaced the target or was kept.
  ~SafeFile();
  SafeFile(const SafeFile&) = delete;
  SafeFile& operator=(const SafeFile&) = delete;

  std::ostream& stream() { return m_stream; }
  const std::string& target() const { return m_target; }
  const std::string& temporary() const { return m_temporary; }
  // Why the first write that failed did ("No space left on device"); empty while every write
  // went through.
  const std::string& error() const { return m_buffer.error; }

  // Puts the temporary file on the disk and renames it onto the target; or says why it could
  // not, and keeps the temporary file.
  std::optional<std::string> replace_target();
  // Leaves the temporary file where it is.
  void keep();

 private:
  struct Buffer final : std::streambuf {
    int fd = -1;
    std::string pending;
    std::string error;
    std::int64_t whole = 0;  // the length of the file up to its last piece written whole

   protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;
  };

  SafeFile(std::string target, std::string temporary, int fd);
  void close_file();

  std::string m_target;
  std::string m_temporary;
  Buffer m_buffer;
  std::ostream m_stream{&m_buffer};
  bool m_done = false;
};

}  // namespace totechita
