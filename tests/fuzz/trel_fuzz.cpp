// Fuzz target of the preprocessor: the input is a whole preprocessor input
// file; the pass must end with its results or a problem, never crash or hang.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "preprocessor/trel_run.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream listing;
  std::ostringstream matrix;
  trel::Problem problem;
  trel::run(in, listing, matrix, problem);
  return 0;
}
