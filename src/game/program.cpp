#include "game/program.hpp"

#include "title/form1.hpp"

namespace totechita {

void start_program(Runtime& runtime) {
  runtime.set_title(std::string(kProgramTitle));
  runtime.start<Form1>();
}

}  // namespace totechita
