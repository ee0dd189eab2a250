// The test engine state's helpers.
#include "harness.h"

#include <cstdio>

namespace spinetest {

std::vector<std::string> Engine::symbols() const {
  std::vector<std::string> out;
  const engine::SymbolTable& s = st->SYMTAB;
  for (int i = 1; i <= s.NSYM; ++i) {
    if (s.isNumber(i)) {
      char buf[32];
      std::snprintf(buf, sizeof buf, "%g", static_cast<double>(s.SYMVAL(i)));
      out.push_back(std::string("#") + buf);
    } else {
      out.emplace_back(s.SYM(i).trimmed());
    }
  }
  return out;
}

std::vector<std::string> Engine::messages() const {
  std::string text = out.str().substr(banner);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

int Engine::find(const std::string& word, int from) const {
  const engine::SymbolTable& s = st->SYMTAB;
  for (int i = from; i <= s.NSYM; ++i)
    if (s.SYM(i) == engine::Name8(word)) return i;
  return 0;
}

}  // namespace spinetest
