// The MATRINP section: reads a ready-made matrix with its column and row names
// into the MATINP record.
#pragma once

#include "engine/globals/engine_state.h"
#include "format/format.h"

namespace engine {

// The section, with IPOS on its first sentence; returns with IPOS on the "$"
// that ends it.
void MATRINP(EngineState& st);

// The NAMES and COLNAMES sentence, IPOS on the keyword. Returns ERR.
int MATNAM(EngineState& st);

// The end of the section: the appended missing-value interval, and the
// matrix file read when one was named and the run is free of errors.
void matrinpEnd(EngineState& st);

// Reading the rows with MFMT or list-directed (MATRD) or through the scan
// list (MATSCN); both report their errors. MATSGN applies CHNSIGN.
void MATRD(EngineState& st, format::RecordSource& in);
void MATSCN(EngineState& st, format::RecordSource& in);
void MATSGN(EngineState& st);

}  // namespace engine
