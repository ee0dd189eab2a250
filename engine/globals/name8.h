// Name8: the engine's 8-character, blank-padded word (symbols, variable,
// scalar and title words), compared over all 8 characters.
#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

namespace engine {

struct Name8 {
  char c[8];

  Name8() { std::memset(c, ' ', sizeof c); }
  // The first 8 characters of `s`, blank-padded.
  Name8(std::string_view s) {  // NOLINT: implicit so that literals compare and assign
    std::memset(c, ' ', sizeof c);
    std::memcpy(c, s.data(), std::min<size_t>(s.size(), sizeof c));
  }

  Name8(const char* s) : Name8(std::string_view(s)) {}  // NOLINT: as above

  // Character i, 1 to 8.
  char& operator()(int i) { return c[i - 1]; }
  char operator()(int i) const { return c[i - 1]; }

  std::string_view view() const { return {c, sizeof c}; }
  // The text without its trailing blanks.
  std::string_view trimmed() const {
    std::string_view v = view();
    size_t end = v.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : v.substr(0, end + 1);
  }
  bool blank() const { return trimmed().empty(); }

  friend bool operator==(const Name8& a, const Name8& b) {
    return std::memcmp(a.c, b.c, sizeof a.c) == 0;
  }
};
static_assert(sizeof(Name8) == 8, "tables of Name8 are read as contiguous characters");

}  // namespace engine
