// Indexed names of the TO convention: SPLIDX, NAMGEN and LOOKUP.
#include <algorithm>
#include <string>

#include "engine/util/lists.h"

namespace engine {

namespace {

bool isIndexChar(char ch) {
  return ch == ' ' || ch == '-' || ch == '+' || (ch >= '0' && ch <= '9');
}

// The text of a name from its first non-blank character, as 8 characters.
std::string fromFirstNonBlank(const Name8& w) {
  std::string_view v = w.view();
  size_t first = v.find_first_not_of(' ');
  std::string t(first == std::string_view::npos ? "" : v.substr(first));
  t.resize(8, ' ');
  return t;
}

// A whole number with blanks ignored and an optional leading sign; an empty
// text reads as 0.
bool readWhole(std::string_view text, int32_t& value) {
  std::string digits;
  for (char ch : text)
    if (ch != ' ') digits += ch;
  if (digits.empty()) {
    value = 0;
    return true;
  }
  size_t k = 0;
  bool negative = false;
  if (digits[k] == '-' || digits[k] == '+') negative = digits[k++] == '-';
  if (k == digits.size() || digits.size() - k > 9) return false;
  int64_t v = 0;
  for (; k < digits.size(); ++k) {
    if (digits[k] < '0' || digits[k] > '9') return false;
    v = v * 10 + (digits[k] - '0');
  }
  value = static_cast<int32_t>(negative ? -v : v);
  return true;
}

}  // namespace

void splitIndexedPair(const Name8& A, const Name8& B, Name8& PREFIX, int& L, int32_t& I1,
                      int32_t& I2, bool& OK) {
  std::string a = fromFirstNonBlank(A);
  std::string b = fromFirstNonBlank(B);
  OK = false;
  I1 = 0;
  I2 = 0;
  size_t common = 0;
  while (common < 8 && a[common] == b[common]) ++common;
  while (common > 0 && isIndexChar(a[common - 1])) --common;
  L = static_cast<int>(common);
  PREFIX = Name8(std::string_view(a).substr(0, common));
  if (L == 0) return;
  std::string_view restA = std::string_view(a).substr(common);
  std::string_view restB = std::string_view(b).substr(common);
  if (restA.empty() || restA.front() == ' ') return;
  OK = readWhole(restA, I1) && readWhole(restB, I2);
}

void SPLIDX(const EngineState& st, int K, Name8& PREFIX, int& L, int32_t& I1, int32_t& I2,
            bool& OK) {
  const SymbolTable& s = st.SYMTAB;
  splitIndexedPair(s.SYM(K - 1), s.SYM(K + 1), PREFIX, L, I1, I2, OK);
}

Name8 generatedName(const Name8& PREFIX, int L, int64_t index) {
  std::string name(PREFIX.view().substr(0, static_cast<size_t>(std::clamp(L, 0, 8))));
  name += std::to_string(index);
  return Name8(name);
}

void NAMGEN(std::span<Name8> NAMES, int NOUT, const Name8& PREFIX, int L, int32_t I1, int32_t I2) {
  for (int64_t i = I1; i <= I2; ++i) {
    int64_t at = NOUT + (i - I1);
    if (at < 1) continue;
    if (at > static_cast<int64_t>(NAMES.size())) return;
    NAMES[static_cast<size_t>(at - 1)] = generatedName(PREFIX, L, i);
  }
}

void LOOKUP(std::span<const Name8> TABLE, const Name8& NAME, int& J) {
  J = 0;
  for (size_t k = TABLE.size(); k > 0; --k) {
    if (TABLE[k - 1] == NAME) {
      J = static_cast<int>(k);
      return;
    }
  }
}

bool isRangeWord(const Name8& w) {
  return w == Name8("TO") || w == Name8("to") || w == Name8("To") || w == Name8("tO");
}

bool isForRangeWord(const Name8& w) {
  return w == Name8("TO") || w == Name8("to");
}

}  // namespace engine
