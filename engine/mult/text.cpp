// FRSTBL and REPCLN, text helpers of the procedure's listings.
#include "engine/mult/text.h"

#include <algorithm>

namespace engine {

void FRSTBL(std::string_view TEXT, int N, int& LAST) {
  int n = std::min<int>(N, static_cast<int>(TEXT.size()));
  LAST = 0;
  for (int k = n; k >= 1; --k) {
    if (TEXT[static_cast<size_t>(k - 1)] != ' ') {
      LAST = k;
      return;
    }
  }
}

void REPCLN(char* LABELS, int N1, int N2, char CH) {
  constexpr int kLabelLength = 24;
  if (N1 <= 0 || N2 <= 0) return;
  long total = static_cast<long>(N1) * N2 * kLabelLength;
  for (long k = 0; k < total; ++k)
    if (LABELS[k] == CH) LABELS[k] = ' ';
}

}  // namespace engine
