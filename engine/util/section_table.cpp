// The section table and the FOR-block routines that the dispatcher calls.
//
// Plugging in a section: replace `skipSection` in its entry by the section's
// routine (declared in the section's own header, included below), e.g.
//   {"DATA", true, DATA},
// Plugging in FOR blocks: replace the three routines of kForBlocks, e.g.
//   const ForBlockRoutines kForBlocks = {FNDFOR, CODFOR, DOFOR};
//
// The 21 positions of procedures that this engine does not provide hold no
// name: their names are reported as illegal section names and skipped up to
// the next "$", so that no such name can stall the dispatcher.
#include "engine/for/for_blocks.h"
#include "engine/korva/section.h"
#include "engine/util/datsec.h"
#include "engine/util/matrinp.h"
#include "engine/util/run_section.h"
#include "engine/util/sections.h"

namespace engine {

const std::array<SectionEntry, kSectionCount> kSectionTable = {{
    {"RUN", true, RUN},          // 1
    {"DATA", true, DATA},        // 2
    {nullptr, false, nullptr},   // 3
    {nullptr, false, nullptr},   // 4
    {nullptr, false, nullptr},   // 5
    {nullptr, false, nullptr},   // 6
    {"MATRINP", true, MATRINP},  // 7
    {"END", false, nullptr},     // 8: stops dispatching
    {nullptr, false, nullptr},   // 9
    {"KORVA", false, SSADRV},    // 10
    {nullptr, false, nullptr},   // 11
    {nullptr, false, nullptr},   // 12
    {nullptr, false, nullptr},   // 13
    {nullptr, false, nullptr},   // 14
    {nullptr, false, nullptr},   // 15
    {nullptr, false, nullptr},   // 16
    {nullptr, false, nullptr},   // 17
    {nullptr, false, nullptr},   // 18
    {nullptr, false, nullptr},   // 19
    {nullptr, false, nullptr},   // 20
    {nullptr, false, nullptr},   // 21
    {nullptr, false, nullptr},   // 22
    {nullptr, false, nullptr},   // 23
    {nullptr, false, nullptr},   // 24
    {nullptr, false, nullptr},   // 25
    {"SET", true, RUN},          // 26
    {nullptr, false, nullptr},   // 27
}};

const ForBlockRoutines kForBlocks = {FNDFOR, CODFOR, DOFOR};

}  // namespace engine
