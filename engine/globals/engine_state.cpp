// Start-of-run values of the shared records and the scalar table's routines.
#include "engine/globals/engine_state.h"

#include <cstdint>
#include <new>

namespace engine {

ScalarTable::ScalarTable() {
  SCLNAM(1) = Name8("_MISS");
  SCLVAL(1) = kMissing;
}

void ScalarTable::SCLGET(const Name8& NAME, float& V, bool& FOUND) const {
  FOUND = false;
  for (int i = NSCL; i >= 1; --i) {
    if (SCLNAM(i) == NAME) {
      V = SCLVAL(i);
      FOUND = true;
      return;
    }
  }
}

bool ScalarTable::SCLSET(const Name8& NAME, float V) {
  for (int i = NSCL; i >= 1; --i) {
    if (SCLNAM(i) == NAME) {
      SCLVAL(i) = V;
      return true;
    }
  }
  if (NSCL >= MAXSCL) return false;
  ++NSCL;
  SCLNAM(NSCL) = NAME;
  SCLVAL(NSCL) = V;
  return true;
}

bool Workspace::take(size_t words) {
  if (words > SIZE_MAX / sizeof(float)) return false;
  words_.reset(new (std::nothrow) float[words]);
  size_ = words_ ? words : 0;
  return words_ != nullptr;
}

EngineState::EngineState(std::istream& in, std::ostream& out, std::ostream* listing) {
  UNITS.attachInput(RUNCTL.INUNIT, in);
  UNITS.attachOutput(RUNCTL.OUTUNI, out);
  if (listing) {
    RUNCTL.LSTUNI = 7;
    UNITS.attachOutput(7, *listing);
  }
}

}  // namespace engine
