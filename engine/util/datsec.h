// The DATA section: declares the raw-data variables (names, labels, category
// labels, missing values) and reads a data file of cases into the workspace.
#pragma once

#include <string_view>

#include "engine/globals/engine_state.h"
#include "format/format.h"

namespace engine {

// The section, with IPOS on its first sentence; returns with IPOS on the "$"
// that ends it.
void DATA(EngineState& st);

// Sentence handlers with IPOS on the keyword; each returns ERR.
int DATNAM(EngineState& st);
int DATVLB(EngineState& st);
int DATCLB(EngineState& st);
int DATMIS(EngineState& st);

// Per-variable defaults for variables 1..N; empties both label stores.
void VARDEF(EngineState& st, int N);
// Appends [MISVAL, MISVAL] to variable V unless one of its intervals holds it.
void MISAPP(EngineState& st, int V);

// The end of the section: opens and reads the data file when one was named
// and the run is free of errors.
void dataEnd(EngineState& st);
// Counts the cases of the open data file (DNREC lines each) into DNCASE and
// rewinds it by opening the file `name` again; false when that fails.
bool DATCNT(EngineState& st, std::string_view name);
// Reads the cases with DFORM or list-directed (DATRD) or through the scan
// list (DATSCR).
void DATRD(EngineState& st, std::string_view name);
void DATSCR(EngineState& st, std::string_view name);

// The missing-value code, the value of the scalar "_MISS".
float MISVAL(const EngineState& st);

}  // namespace engine
