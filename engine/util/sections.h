// Section dispatch: the table of section names with the routine that parses
// and executes each section, the run loop, and the FOR-block call points.
#pragma once

#include <array>
#include <istream>
#include <ostream>

#include "engine/globals/engine_state.h"

namespace engine {

// A section routine. With `advance` set in its table entry the dispatcher
// has moved IPOS past the section name (IPOS on the first sentence);
// otherwise IPOS is still on the name. The routine consumes its sentences
// and returns with IPOS on the "$" that ends the section (or just past it,
// on the next section's name). It executes only when RUNCTL.executing().
using SectionRoutine = void (*)(EngineState& st);

struct SectionEntry {
  const char* name;  // null: a position without a section
  bool advance;      // move past the name before calling the routine
  SectionRoutine routine;
};

constexpr int kSectionCount = 27;
constexpr int kSectionEnd = 8;  // END: stop dispatching

// The table itself, position = the section's command number (section_table.cpp).
extern const std::array<SectionEntry, kSectionCount> kSectionTable;

// FOR-block processing. `findFor(st, P)`: index of the first symbol at or
// after P that reads FOR in upper case, 0 when none. `codeFor(st, K, E)`:
// marks the block at K and every block inside it, E = its ENDFOR (left
// unchanged when there is none). `doFor(st, K, E)`: runs all passes.
struct ForBlockRoutines {
  int (*findFor)(EngineState& st, int P);
  void (*codeFor)(EngineState& st, int K, int& E);
  void (*doFor)(EngineState& st, int K, int E);
};
extern const ForBlockRoutines kForBlocks;  // section_table.cpp

// Consumes a section that this engine does not execute: moves IPOS to the
// next "$" (or past the last symbol) without any message.
void skipSection(EngineState& st);
// A FOR processor that finds no blocks.
int noForBlock(EngineState& st, int P);

// Dispatches sections from IPOS until END, the end of the symbols or a
// FOR-block code ("{..." or "}...", left at IPOS).
void SECDSP(EngineState& st);
// Reads the whole command stream, then runs it section by section with the
// FOR blocks expanded.
void CMDRUN(EngineState& st);

// One whole run as the program does it: take the workspace (`workspaceWords`
// words), run the script from `in`, write the summary; the listing goes to
// `listing`, or to `out` when null. Returns the exit status (always 0).
int runEngine(std::istream& in, std::ostream& out, std::ostream* listing,
              size_t workspaceWords = Workspace::MAXMEM);

}  // namespace engine
