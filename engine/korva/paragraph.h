// The sentence loop shared by the two paragraphs of the procedure section
// (FACETS and OUTPUT): sentences separated by "/", ended by ";".
#pragma once

#include <functional>
#include <string_view>

#include "engine/globals/engine_state.h"

namespace engine::korva {

// Reads one paragraph sentence whose keyword (upper case) is KEY, with IPOS
// on the keyword. Returns false for a keyword that the paragraph does not
// know. ERR: 0 well formed (IPOS on the sentence's last symbol), 1 a message
// was written but not counted, 2 a counted error.
using ParagraphSentence = std::function<bool(EngineState& st, const Name8& key, int& ERR)>;

// Runs the paragraph from IPOS on its keyword. On return IPOS is on the
// symbol before the ";" that ends the paragraph, so that the section's
// sentence end check finds that ";" next. ILLEGAL is the message for an
// unknown keyword.
void readParagraph(EngineState& st, std::string_view ILLEGAL, const ParagraphSentence& sentence);

}  // namespace engine::korva
