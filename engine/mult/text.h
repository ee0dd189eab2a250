// Small text routines of the procedure's listings.
#pragma once

#include <string_view>

namespace engine {

// LAST = position of the last non-blank character of TEXT(1..N), 0 when all blank.
void FRSTBL(std::string_view TEXT, int N, int& LAST);
// Replaces every CH by a blank in a table of N1 x N2 labels of 24 characters.
void REPCLN(char* LABELS, int N1, int N2, char CH);

}  // namespace engine
