// What the data input sections (MATRINP, DATA) share: the sentence loop, the
// assignment-sign check of their list sentences, the reserved units, and the
// opening of the section's file at the end of the section.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/globals/engine_state.h"

namespace engine {

// A keyword handler with IPOS on its keyword. Returns ERR: 1 when a sentence
// routine reported an error that the loop counts (then it skips the
// sentence); 0 when the loop checks the ";" next.
struct SectionKeyword {
  const char* name;
  int (*handler)(EngineState& st);
};

// Runs the sentences from IPOS until the "$" that ends the section; an
// unknown keyword is reported with `illegalKeywordFmt` and skipped.
void runSentences(EngineState& st, std::span<const SectionKeyword> keywords,
                  std::string_view illegalKeywordFmt);

// Moves IPOS to the symbol after the keyword, which must be "=", IS or ARE;
// otherwise writes the message naming `sentence` and returns ERR 1.
int expectAssign(EngineState& st, std::string_view sentence);

// Reads `KEY = n` into `unit`, refusing the engine's own units with a counted
// error (the unit is then unchanged). Returns ERR as a handler does.
int readUnitSentence(EngineState& st, int32_t& unit);

// Reads `KEY = 'text'` of at most maxPieces pieces into `dest` (blank-padded);
// `pieces` receives the number of 8-character pieces taken. Returns ERR.
int readQuotedSentence(EngineState& st, std::string_view key, std::span<char> dest, int maxPieces,
                       int& pieces);

// Reads `FILE = 'name'` (at most 5 pieces): the name, its length in use (8
// times the pieces) and the flag that the file is to be read. Returns ERR.
int readFileSentence(EngineState& st, std::span<char> name, int32_t& length, int32_t& given);

// Opens the named file (`name` may end in blanks, which are not part of the
// file name) on `unit` for reading: the inquiry, missing-file, already-open
// and unreadable-file messages. False when the section reads nothing.
bool openSectionFile(EngineState& st, int unit, std::string_view name,
                     std::string_view openErrorFmt);

// The file name without its trailing blanks.
std::string fileName(std::string_view name);

// Reads the open file again from its start by opening it anew; false, with
// the unreadable-file error, when that fails.
bool rewindSectionFile(EngineState& st, int unit, std::string_view name);

// Messages that both sections write.
inline constexpr std::string_view kNotFollowedFmt =
    "(' **Error** : ',A,' sentence not followed',' by IS or ARE or =')";
inline constexpr std::string_view kTooManyVariablesFmt =
    "(' **Error** : The number of variables defined in sentence',/,'            ',A,' : ',I5,"
    "' is greater than : ',I5)";
inline constexpr std::string_view kBadNumberOfVariablesFmt =
    "(' **Error** : Bad number of variables : ',I4,/,'             Have you forgotten to use "
    "sentence ''NVARS'' ?',/,'             or sentence ''NAMES'' ?')";
inline constexpr std::string_view kTooManyCasesFmt =
    "(' **Error** : The number of cases specified',/,'             in NCASES sentence is "
    "greater',/,'             than it is really')";

}  // namespace engine
