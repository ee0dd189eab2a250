// The FOR processor's tables (open levels, list descriptors, saved bodies)
// and the routines of one level: header parsing, advancing the lists with
// substitution, and finding the end of an inner block.
#pragma once

#include <string_view>

#include "engine/globals/engine_state.h"
#include "engine/util/listing.h"

namespace engine {

// The kind of a FOR list, decided by its first element.
enum ListKind {
  kNoList = 0,              // the list sentence was faulty: nothing to substitute
  kNumbers = 1,             // numbers, signed numbers and ~scalar values
  kScalarNames = 2,         // names of the scalar table
  kNewUnderscoreNames = 3,  // names beginning with "_" that are not scalars
  kVariables = 4,           // declared variables, in declaration order
  kNewNames = 5,            // any other names, with indexed-name ranges
};

struct ListDescriptor {
  int varPos = 0;  // the FOR variable's symbol in the header
  int kind = kNoList;
  int curPos = 0;  // header symbol of the element used last; 0 before the first pass
  int curIdx = 0;  // kinds 2 and 4: table index of the element used last
};

struct ForLevel {
  int header = 0;      // the block's FOR code
  int bodyFirst = 0;   // B: the "$" that begins the body's first section
  int bodyEnd = 0;     // Z: the block's ENDFOR code (0: none)
  int bodyLength = 0;  // Z - B + 1, at least 0
  int stackPos = 0;    // where the saved body starts in the FOR stack
  int firstList = 0;   // the level's first list descriptor
  int lists = 0;       // number of list sentences in the header
  int passesLeft = 0;
};

struct ForTables {
  static constexpr int MAXLST = 20;   // lists of all open levels together
  static constexpr int MAXSTK = 499;  // saved body symbols of all open levels together

  // Every open level holds at least one list, so the list limit also bounds
  // the levels; the one entry more holds the level whose lists overflow.
  Vec1<ForLevel> levels = Vec1<ForLevel>(MAXLST + 1);
  // Descriptors are stored as far as the limit; a header with more lists is
  // still parsed and counted, and then halts the run.
  Vec1<ListDescriptor> lists = Vec1<ListDescriptor>(MAXLST);
  Vec1<Name8> stackSym = Vec1<Name8>(MAXSTK);
  Vec1<float> stackVal = Vec1<float>(MAXSTK, 0.0f);
  int LEV = 0;

  ForLevel& current() { return levels(LEV); }
};

// Parses the header of the current level: its list descriptors, the number
// of lists and of passes, and the first body symbol.
void LSTFOR(EngineState& st, ForTables& t);
// Advances every list of the current level to its next element and
// substitutes the elements for the FOR variables in the body.
void HATSEV(EngineState& st, ForTables& t);
// The ENDFOR code that matches the FOR code at H: the last symbol after H, up
// to E, that begins with "}" and agrees with the code in characters 2 to 8; 0
// when there is none.
int FNDEND(const EngineState& st, int H, int E);

// A halting message, counted as an error of `errorLines` lines when that is
// above 0, and the end of the run through mystop.
[[noreturn]] void forHalt(EngineState& st, std::string_view fmt, const Fields& f, int errorLines);

}  // namespace engine
