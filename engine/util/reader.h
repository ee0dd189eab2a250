// The command stream reader: set-up of a run (DRKSET), the line reader with
// echo and comment removal (NXTCHR) and the tokenizer filling SYMTAB.
#pragma once

#include <string>

#include "engine/globals/engine_state.h"

namespace engine {

// Initialises the shared state, writes the banner, reads and tokenises the
// whole command stream into SYMTAB and reports an unclosed comment.
void DRKSET(EngineState& st);
// Moves ICOL to the next character that is not a blank or comma, reading,
// echoing and de-commenting lines as needed; sets EOFFLG at the end.
void NXTCHR(EngineState& st);
// Tokenises the stream into SYM/SYMVAL; always ends with "$" END unless the
// symbol limit stopped it.
void RDSTRM(EngineState& st);
// A word, or a special character ("**" included), into W.
void RDWORD(EngineState& st, Name8& W);
// A number: mantissa, optionally capital E and a whole exponent.
void RDNUM(EngineState& st, float& V);
// An unsigned decimal with at most one period (single-precision arithmetic).
void RDDIGS(EngineState& st, float& V);
// A quoted text after the opening quote at ICOL, into TEXT (MAXLEN
// characters); NW = number of 8-character pieces, 0 when empty or on error.
void RDQUOT(EngineState& st, std::string& TEXT, int MAXLEN, int& NW);

// The 17 characters that are symbols of their own.
bool isSpecialChar(char ch);

}  // namespace engine
