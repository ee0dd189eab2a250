// Recovery after a faulty sentence (SKIPSC, SKIPSL) and the list-length
// routine that every list reader starts with (LSTLEN).
#pragma once

#include <span>

#include "engine/globals/engine_state.h"

namespace engine {

// Skips to the symbol after the next ";". FLAG 1: the section has ended
// (IPOS on its "$" or at the end); 0: IPOS on the next sentence.
void SKIPSC(EngineState& st, int& FLAG);
// Inside a paragraph: skips P past the next "/". FLAG 1: the paragraph ended.
void SKIPSL(EngineState& st, int& P, int& FLAG);
// N = number of symbols of the list starting at P. ND >= 0: the list ends at
// the first of the ND DELIMS; ND < 0: the -ND DELIMS are the symbols that
// make up the list. DELIMS(1) receives the symbol that ended it. A list that
// runs to the end of the symbols halts the run.
void LSTLEN(EngineState& st, std::span<Name8> DELIMS, int ND, int P, int& N);

}  // namespace engine
