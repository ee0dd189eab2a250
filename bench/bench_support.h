// What the whole-program benchmarks share: reproducible pseudo-random input
// and the workbench's engine script.
#pragma once

#include <filesystem>
#include <fstream>

namespace bench {

// Deterministic pseudo-random values in [0, 1), so every run times the same input.
class Values {
 public:
  explicit Values(unsigned long long seed) : state_(seed) {}
  double next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state_ >> 11) / 9007199254740992.0;
  }

 private:
  unsigned long long state_;
};

// The engine script that the workbench writes for a table of n observations.
inline void writeWorkbenchScript(const std::filesystem::path& path, int n) {
  std::ofstream out(path, std::ios::binary);
  out << "$FOR XN = X" << n << "\r\n"
      << "$MATRINP NAMES= X1 TO XN ;\r\n"
      << "         FILE= '__trel2';\r\n"
      << "         FORMAT = '(10F8.4)';\r\n"
      << "$KORVA NAMES = X1 TO XN ;\r\n"
      << "         DATA = DISSIM ;\r\n"
      << "         MINDIM = 2 ;\r\n"
      << "         MAXDIM = 2 ;\r\n"
      << "         OUTPUT COORD / FILE = '__trel3' ;\r\n"
      << "$ENDFOR\r\n"
      << "$END\r\n";
}

}  // namespace bench
