// An engine state over an in-memory script, for tests of single routines:
// the listing goes to a string.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/globals/engine_state.h"
#include "engine/util/reader.h"

namespace spinetest {

struct Engine {
  explicit Engine(const std::string& script) : in(script) {
    st = std::make_unique<engine::EngineState>(in, out, nullptr);
  }
  // Reads the whole script into the symbol table, as at the start of a run.
  static std::unique_ptr<Engine> read(const std::string& script) {
    auto e = std::make_unique<Engine>(script);
    engine::DRKSET(*e->st);
    e->banner = e->out.str().size();
    return e;
  }
  // The symbols as text: a number as its value, others trimmed.
  std::vector<std::string> symbols() const;
  // The listing lines written after reading (banner and echo left out).
  std::vector<std::string> messages() const;
  // Places IPOS on the first symbol equal to `word` (after `from`).
  int find(const std::string& word, int from = 1) const;

  std::istringstream in;
  std::ostringstream out;
  std::unique_ptr<engine::EngineState> st;
  size_t banner = 0;
};

}  // namespace spinetest
