// The scan-list reader: reads the cases of a file through a reading plan.
#pragma once

#include <span>

#include "engine/globals/engine_state.h"
#include "engine/scanlist/scanplan.h"
#include "format/format.h"

namespace engine {

// False, with a counted error, when the plan's record format is longer than
// the `capacity` characters of the section's format buffer.
bool planFits(EngineState& st, const ScanPlan& plan, int capacity);

// Reads cases 1..NCASE from `in` into X (case i, variable j at word
// (i - 1) + (j - 1) * NCASE of X, counted from 0). A blank numeric field
// takes BLANK; an illegal field takes the missing value with a warning.
// A read error or the end of the file is reported and stops the reading
// (the cases read so far stay); false then.
bool SCNRD(EngineState& st, const ScanPlan& plan, std::span<float> X, int NCASE,
           std::span<const Name8> NAMES, format::RecordSource& in, float BLANK);

}  // namespace engine
