// Pieces shared by the list readers: the list's extent, signed numbers and
// the messages every reader writes.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "engine/globals/engine_state.h"
#include "engine/util/listing.h"

namespace engine::lists {

// The symbols P..last of one list.
struct Extent {
  int first;
  int last;
};

// Finds the list's extent with LSTLEN; false (after the message for an
// empty list, `emptyFmt`) when it has no symbols.
bool findExtent(EngineState& st, std::span<Name8> DELIMS, int ND, int P, std::string_view emptyFmt,
                Extent& list);

constexpr std::string_view kNoNames = "(' **Error** No variable list supplied')";
constexpr std::string_view kNoValues = "(' **Error** No value list supplied')";
constexpr std::string_view kNumberAsName = "(' **Error** Number as Name is prohibited : ',I8)";
constexpr std::string_view kUndeclared = "(' **Error** Undeclared Variable : ',A)";
constexpr std::string_view kDecreasingNames = "(' **Error** Decreasing order in TO-list : ',3A)";
constexpr std::string_view kNotANumber = "(' **Error** Not a number : ',A)";
constexpr std::string_view kIncorrectTo = "(' **Warning** Incorrect use of TO Convention : ',3A)";
constexpr std::string_view kToSyntaxDeclared = "(' **Error** in TO-list Syntax : ',2A)";

bool isSign(const Name8& w);
// A number, optionally after a sign symbol, at k (not past `last`): its value
// and the number of symbols it takes; false when there is none.
bool signedNumber(const EngineState& st, int k, int last, float& value, int& used);
// Reports "Not a number" for the symbol at k.
void reportNotANumber(EngineState& st, int k);
// The error for a TO that starts or ends a name list, naming its two symbols.
void reportToAtEdge(EngineState& st, std::string_view fmt, const Extent& list, int k);
// For a value list: when the TO at k starts the list (reported with the value
// after it) or ends it (reported with `previous`, the value before it), writes
// that error and returns true with `used` the symbols to step over.
bool reportValueToAtEdge(EngineState& st, const Extent& list, int k, float previous, int& used);
// The three symbols around the TO at k, for the range messages.
Fields rangeFields(const EngineState& st, int k);

}  // namespace engine::lists
