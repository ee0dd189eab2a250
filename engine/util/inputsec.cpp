// The sentence loop and the file handling of the data input sections.
#include "engine/util/inputsec.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "engine/addutil/sentence.h"
#include "engine/util/listing.h"
#include "engine/util/recovery.h"

namespace engine {
namespace {

// Units that the engine itself uses: command stream, results, listing,
// output files, and one more that its I/O layer keeps for itself.
bool reservedUnit(int unit) {
  return unit == 5 || unit == 6 || unit == 7 || unit == 9 || unit == 13;
}

const SectionKeyword* findKeyword(std::span<const SectionKeyword> keywords, const Name8& word) {
  for (const SectionKeyword& k : keywords)
    if (Name8(k.name) == word) return &k;
  return nullptr;
}

constexpr std::string_view kUnreadableFmt = "(' **Error** : File  ',A,' cannot be read.')";

}  // namespace

void runSentences(EngineState& st, std::span<const SectionKeyword> keywords,
                  std::string_view illegalKeywordFmt) {
  int32_t& ipos = st.SYMTAB.IPOS;
  for (;;) {
    Name8& word = st.SYMTAB.SYM(ipos);
    UPCASE(word);
    const SectionKeyword* keyword = findKeyword(keywords, word);
    if (!keyword) {
      LSTWR(st, illegalKeywordFmt, Fields().a(word));
      LINEAT(st, ipos);
    } else if (keyword->handler(st) == 0) {
      int code = 0;
      SEMCHK(st, code);
      if (code == 2) return;
      if (code == 3) continue;
    }
    // An unknown keyword, a faulty sentence or a missing ";": count the
    // error and go on with the next sentence.
    ERRCNT(st, 1);
    int flag = 0;
    SKIPSC(st, flag);
    if (flag == 1) return;
  }
}

int expectAssign(EngineState& st, std::string_view sentence) {
  int32_t& ipos = st.SYMTAB.IPOS;
  ++ipos;
  if (isAssignSign(st, ipos)) return 0;
  LSTWR(st, kNotFollowedFmt, Fields().a(sentence));
  LINEAT(st, ipos);
  return 1;
}

int readUnitSentence(EngineState& st, int32_t& unit) {
  constexpr std::string_view kReservedUnitFmt =
      "(' **Error** : Unit ',I4,' is used by the engine itself;',' choose another unit')";
  int32_t value = 0;
  int err = 0;
  NUMSN(st, value, "UNIT", err);
  if (err != 0) return err;
  if (reservedUnit(value)) {
    errorAt(st, kReservedUnitFmt, Fields().i(value), 1, st.SYMTAB.IPOS);
  } else {
    unit = value;
  }
  return 0;
}

int readQuotedSentence(EngineState& st, std::string_view key, std::span<char> dest, int maxPieces,
                       int& pieces) {
  std::string text(dest.size(), ' ');
  int p = st.SYMTAB.IPOS;
  int err = 0;
  QNAMSN(st, p, key, text, 8, maxPieces, 0, pieces, err);
  st.SYMTAB.IPOS = p;
  if (err == 0) std::copy(text.begin(), text.end(), dest.begin());
  return err;
}

int readFileSentence(EngineState& st, std::span<char> name, int32_t& length, int32_t& given) {
  int pieces = 0;
  const int err = readQuotedSentence(st, "FILE", name, 5, pieces);
  if (err == 0) {
    length = 8 * pieces;
    given = 1;
  }
  return err;
}

std::string fileName(std::string_view name) {
  const size_t end = name.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view() : name.substr(0, end + 1));
}

bool rewindSectionFile(EngineState& st, int unit, std::string_view name) {
  if (st.UNITS.openInput(unit, fileName(name))) return true;
  errorAt(st, kUnreadableFmt, Fields().a(name), 1, 0);
  return false;
}

bool openSectionFile(EngineState& st, int unit, std::string_view name,
                     std::string_view openErrorFmt) {
  constexpr std::string_view kMissingFileFmt = "(' **Error** : File  ',A,' does not exist.')";
  const std::filesystem::path path{fileName(name)};
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (ec && status.type() != std::filesystem::file_type::not_found) {
    errorAt(st, openErrorFmt, Fields(), 1, 0);
    return false;
  }
  if (!std::filesystem::exists(status)) {
    errorAt(st, kMissingFileFmt, Fields().a(name), 1, 0);
    return false;
  }
  // A directory or a file without read permission is reported in the listing
  // instead of ending the run.
  if (std::filesystem::is_directory(status) || !st.UNITS.openInput(unit, path.string())) {
    errorAt(st, kUnreadableFmt, Fields().a(name), 1, 0);
    return false;
  }
  return true;
}

}  // namespace engine
