// The sentence routines shared by every section: assignment forms for a
// quoted text, a keyword value and a number, and the delimiter checks.
// ERR: 0 well formed, 1 a message was written (the caller counts it with
// ERRCNT(1) and recovers with SKIPSC or SKIPSL). CODE: 1 error written,
// 2 the section (paragraph) ends here, 3 another sentence follows.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "engine/globals/engine_state.h"

namespace engine {

// Converts the letters a to z of TEXT(1..N) to upper case in place.
void UPCASE(char* TEXT, int N);
void UPCASE(Name8& W);
// True when SYM(p) is "=", IS or ARE.
bool isAssignSign(const EngineState& st, int p);

// KEY = 'text' with P on the keyword; P ends on the closing quote. MODE 0:
// piece i goes to characters 8i-7..8i of DEST; MODE 1: piece i goes to
// element i of DEST, each STEP characters. At most MAXW pieces (and never
// past the end of DEST) are taken; NW is their number.
void QNAMSN(EngineState& st, int& P, std::string_view KEY, std::span<char> DEST, int STEP, int MAXW,
            int MODE, int& NW, int& ERR);
// KEY = word: the word is converted to upper case in SYM and copied to DEST;
// IPOS ends on the word.
void KEYWSN(EngineState& st, Name8& DEST, std::string_view KEY, int& ERR);
// KEY = [sign] number, truncated toward zero; IPOS ends on the number.
void NUMSN(EngineState& st, int32_t& IVAL, std::string_view KEY, int& ERR);
// KEY = [sign] number as a real.
void RNUMSN(EngineState& st, float& RVAL, std::string_view KEY, int& ERR);
// The ";" after a sentence; CODE 2 leaves IPOS on the "$", 3 on the next keyword.
void SEMCHK(EngineState& st, int& CODE);
// The "/" or ";" after a sentence of a paragraph.
void SEMSL(EngineState& st, int& CODE);

}  // namespace engine
