// The parser of a scan list: new variable names, each group optionally
// followed by the record and column positions of its fields.
#pragma once

#include <span>

#include "engine/globals/engine_state.h"
#include "engine/scanlist/scanfield.h"

namespace engine {

// Parses the list that follows the assignment sign at IPOS, up to its ";".
// NAMES and SPECS are filled from their first entry; at most MAXN names (the
// spans hold at least MAXN entries). N: the number of names; NREC: records
// per case (at least 1); GIVEN: 1 when positions were given. Errors are
// written and counted here. IPOS ends on the last symbol before the ";".
void SCNPRS(EngineState& st, std::span<Name8> NAMES, int MAXN, int& N, std::span<ScanSpec> SPECS,
            int& NREC, int& GIVEN);

}  // namespace engine
