// FOR ... ENDFOR blocks: finding, coding and running a block of sections
// once per element of its lists, with the FOR variables substituted.
#pragma once

#include "engine/globals/engine_state.h"

namespace engine {

// Index of the first symbol at or after P that reads FOR in upper case; 0 when none.
int FNDFOR(EngineState& st, int P);
// Replaces the FOR at K and the FOR/ENDFOR pairs of every block inside it by
// codes that tie each pair together ("{", "{1", "{12" ... and "}", "}1",
// "}12" ...); E receives the index of the block's own ENDFOR code and is left
// unchanged when the block has none.
void CODFOR(EngineState& st, int K, int& E);
// Runs the coded block from K to E: every pass of it and of its inner blocks.
// E 0 (an unbalanced block) runs the header with an empty body.
void DOFOR(EngineState& st, int K, int E);
// The same with the sections of each pass handed to `dispatch` instead of
// SECDSP; like SECDSP it must return with IPOS on a block code ("{..." or
// "}...") or on anything else to end the run with the DOFOR halt.
using SectionDispatcher = void (*)(EngineState& st);
void DOFOR(EngineState& st, int K, int E, SectionDispatcher dispatch);

}  // namespace engine
