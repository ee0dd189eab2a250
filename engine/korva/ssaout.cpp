// The OUTPUT paragraph of the procedure section: what goes to the output
// file, its name, format and unit; the file is opened at the paragraph's end.
#include <array>
#include <string>

#include "engine/addutil/sentence.h"
#include "engine/korva/paragraph.h"
#include "engine/korva/section.h"
#include "engine/util/listing.h"

namespace engine {

namespace {

constexpr std::string_view kIllegal = "(' **Error** : Illegal keyword in OUTPUT paragraph :',A)";
constexpr std::string_view kCannotOpen = "(' **Error** : Cannot open output file ',A)";
constexpr std::string_view kDefaultFormat = "(10F7.2)";
constexpr int kFormatLength = 400;

std::string quotedText(EngineState& st, std::string_view key, int length, int& ERR) {
  std::string text(static_cast<size_t>(length), ' ');
  int p = st.SYMTAB.IPOS;
  int pieces = 0;
  QNAMSN(st, p, key, text, 8, length / 8, 0, pieces, ERR);
  st.SYMTAB.IPOS = p;
  const size_t end = text.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

// One sentence of the paragraph; false for a keyword outside the list.
bool outputSentence(EngineState& st, const Name8& key, int& ERR) {
  SSAPAR& par = st.SSAPAR;
  if (key == Name8("COORD")) {
    par.OUTCRD = 1;
  } else if (key == Name8("FACETS")) {
    par.OUTFAC = 1;
  } else if (key == Name8("DIST")) {
    par.OUTDST = 1;
  } else if (key == Name8("FILE")) {
    const std::string name = quotedText(st, "FILE", SSAPAR::OUTLEN, ERR);
    if (ERR == 0) {
      par.OUTNAM = name;
      par.OUTOPN = 1;
    }
  } else if (key == Name8("FORMAT")) {
    const std::string text = quotedText(st, "FORMAT", kFormatLength, ERR);
    if (ERR == 0) st.OUTFMT = text;
  } else if (key == Name8("UNIT")) {
    NUMSN(st, st.RUNCTL.FILUNI, "UNIT", ERR);
  } else {
    return false;
  }
  return true;
}

}  // namespace

void SSAOUT(EngineState& st, int& ERR) {
  SSAPAR& par = st.SSAPAR;
  par.OUTOPN = par.OUTDST = par.OUTFAC = par.OUTCRD = 0;
  st.OUTFMT = std::string(kDefaultFormat);
  korva::readParagraph(st, kIllegal, outputSentence);
  ERR = 0;
  if (st.RUNCTL.ERRFLG != 0 || par.OUTOPN != 1) return;
  if (!st.UNITS.openOutput(st.RUNCTL.FILUNI, par.OUTNAM)) {
    errorAt(st, kCannotOpen, Fields().a(par.OUTNAM), 1, st.SYMTAB.IPOS);
    par.OUTOPN = 0;
  }
}

}  // namespace engine
