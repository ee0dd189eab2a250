// The procedure section $KORVA: the section routine that the dispatcher
// calls and the parts of its parsing that work on the shared record SSAPAR.
#pragma once

#include "engine/globals/engine_state.h"

namespace engine {

// The whole section: parse, decide whether to run, check the space, take
// the chosen variables out of the input matrix and run the procedure. IPOS
// is on the section name on entry and on the "$" that ends it on return.
void SSADRV(EngineState& st);

// Parses the section's sentences into SSAPAR (IPOS on the section name).
void SSASEC(EngineState& st);
// The FACETS paragraph (IPOS on its keyword); ERR 1 after a counted error
// that left IPOS inside the sentence.
void SSAFAC(EngineState& st, int& ERR);
// DIAGRAMS = groups of four numbers separated by "&" (IPOS on the keyword).
void SSADGR(EngineState& st, int& ERR);
// The OUTPUT paragraph (IPOS on its keyword); opens the output file.
void SSAOUT(EngineState& st, int& ERR);
// TITFMT: the format that centres SSATIT on a line of LINSIZ characters.
void SSATTL(EngineState& st);

}  // namespace engine
