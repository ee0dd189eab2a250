// The RUN (and SET) section: title, paging, page and line size, EDIT mode.
#pragma once

#include "engine/globals/engine_state.h"

namespace engine {

// Parses and applies the RUN sentences from IPOS (the first sentence) and
// returns with IPOS past the "$" that ends the section.
void RUN(EngineState& st);

}  // namespace engine
