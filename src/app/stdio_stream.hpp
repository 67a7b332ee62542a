#pragma once

#include <cstdio>
#include <ostream>
#include <streambuf>

namespace totechita {

// The standard output or error as a std::ostream, for what only a replay writes. The game leaves
// <iostream> out: including it sets up the standard streams and their locale at every start,
// which holds about 370 kB of the game's memory for as long as it runs.
class StdioStream final : public std::ostream {
 public:
  explicit StdioStream(std::FILE* file) : std::ostream(nullptr), m_buffer(file) {
    rdbuf(&m_buffer);
  }

 private:
  class Buffer final : public std::streambuf {
   public:
    explicit Buffer(std::FILE* file) : m_file(file) {}

   protected:
    int_type overflow(int_type c) override {
      if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
      return std::fputc(c, m_file) == EOF ? traits_type::eof() : c;
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
      return static_cast<std::streamsize>(
          std::fwrite(text, 1, static_cast<std::size_t>(count), m_file));
    }
    int sync() override { return std::fflush(m_file); }

   private:
    std::FILE* m_file;
  };

  Buffer m_buffer;
};

}  // namespace totechita
