// Name and value lists with the TO convention (A TO B), and the counting
// readers of FOR headers. Each reader leaves its position on the last symbol
// of the list, so that the delimiter check finds the delimiter next. The
// output tables are spans: the count (NOUT) reports every element of the
// list, but only as many as the span holds are stored.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "engine/globals/engine_state.h"

namespace engine {

// New names from IPOS up to a delimiter (DELIMS, ND as for LSTLEN), stored in
// NAMES(1..NOUT).
void NEWLST(EngineState& st, std::span<Name8> NAMES, int& NOUT, std::span<Name8> DELIMS, int ND);
// Names looked up in DICT (first equal entry) from P; IDX(1..NOUT) receives
// their positions in DICT.
void VARLST(EngineState& st, std::span<const Name8> DICT, std::span<Name8> DELIMS, int ND, int& P,
            std::span<int32_t> IDX, int& NOUT);
// Missing values from P into at most 10 closed intervals (low, high) of MISS;
// NMISS = their number. A new list replaces the old one.
void VALLST(EngineState& st, std::span<std::array<float, 2>> MISS, int32_t& NMISS,
            std::span<Name8> DELIMS, int ND, int& P);
// Reals from P into VALS(1..NOUT); v TO w expands to the whole numbers between.
void RVLLST(EngineState& st, std::span<float> VALS, int& NOUT, std::span<Name8> DELIMS, int ND,
            int& P);

// Splits the names around the TO at K: their common PREFIX of length L and
// the indices I1, I2. OK false when the pair is not a valid indexed pair
// (L is 0 when there is no common prefix at all).
void SPLIDX(const EngineState& st, int K, Name8& PREFIX, int& L, int32_t& I1, int32_t& I2,
            bool& OK);
// The same for two names given directly.
void splitIndexedPair(const Name8& A, const Name8& B, Name8& PREFIX, int& L, int32_t& I1,
                      int32_t& I2, bool& OK);
// Writes prefix + index for I1..I2 into NAMES(NOUT..NOUT+I2-I1), as far as
// NAMES reaches.
void NAMGEN(std::span<Name8> NAMES, int NOUT, const Name8& PREFIX, int L, int32_t I1, int32_t I2);
// The generated name for one index.
Name8 generatedName(const Name8& PREFIX, int L, int64_t index);
// J = position of the last entry of TABLE equal to NAME, 0 when none.
void LOOKUP(std::span<const Name8> TABLE, const Name8& NAME, int& J);
// True when SYM(p) is the range word; FOR lists accept only TO and to.
bool isRangeWord(const Name8& w);
bool isForRangeWord(const Name8& w);

// Counting readers for FOR lists from P (ending at a delimiter of DELIMS, ND
// as for LSTLEN): COUNT elements; LAST = index of the last list symbol.
// FORNUM: numbers (kind 1). FORNAM: new names (kinds 3 and 5). FORVAR: names
// of TABLE, the scalar names (kind 2) or the variable dictionary (kind 4).
void FORNUM(EngineState& st, int P, std::span<Name8> DELIMS, int ND, int& COUNT, int& LAST);
void FORNAM(EngineState& st, int P, std::span<Name8> DELIMS, int ND, int& COUNT, int& LAST);
void FORVAR(EngineState& st, std::span<const Name8> TABLE, int P, std::span<Name8> DELIMS, int ND,
            int& COUNT, int& LAST);

}  // namespace engine
