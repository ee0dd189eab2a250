// Fuzz target of the engine: the input is a whole command script on standard
// input; every run must end with a listing, never crash, hang or read out of
// bounds. Runs happen in a private temporary directory, since scripts may
// name files to read or write.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>

#include "engine/util/sections.h"

namespace {

void enterScratchDirectory() {
  static bool entered = false;
  if (entered) return;
  entered = true;
  std::string templ = (std::filesystem::temp_directory_path() / "korva-fuzz-XXXXXX").string();
  if (mkdtemp(templ.data()) && chdir(templ.c_str()) == 0) return;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  enterScratchDirectory();
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream results;
  std::ostringstream listing;
  // A smaller workspace than the program's keeps each run fast under the
  // sanitizers; the data section checks its requests against what was taken.
  constexpr size_t kFuzzWorkspaceWords = 1 << 18;
  engine::runEngine(in, results, &listing, kFuzzWorkspaceWords);
  return 0;
}
