// The field of one variable of a scan list: where its field lies
// in the records of a case and how it is converted.
#pragma once

#include <cstdint>

namespace engine {

struct ScanSpec {
  int32_t SPREC = 1;   // record of the case, from 1
  int32_t SPFRST = 0;  // first character position, from 1
  int32_t SPLAST = 0;  // last character position
  int32_t SPDEC = 0;   // decimals of a numeric field; SPDEC_CHARACTER for a character field
};

inline constexpr int32_t SPDEC_CHARACTER = -1;

}  // namespace engine
