// Runs the FOR blocks of a script in-process and records what each pass
// hands to the sections: the symbols from the start of the pass up to the
// next block code, rendered as text ("$ RUN NAME = X1 ; $").
#pragma once

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/globals/engine_state.h"

namespace engine::fortest {

// Symbols from..to as text: words without their trailing blanks, numbers as
// their value (%g), separated by single blanks.
std::string renderSymbols(const EngineState& st, int from, int to);

class ForRun {
 public:
  // Reads the script; `setup` may then declare variables or scalars before
  // the blocks run.
  explicit ForRun(const std::string& script,
                  const std::function<void(EngineState&)>& setup = nullptr);

  // Codes and runs every outermost block in turn. With `realSections` the
  // passes go to the engine's dispatcher (and are not recorded).
  void run(bool realSections = false);

  EngineState& state() { return *st_; }
  const std::vector<std::string>& passes() const { return passes_; }
  bool halted() const { return halted_; }
  // The listing lines written after the echo of the script.
  std::vector<std::string> messages() const;
  // The codes that CODFOR left in the symbol table, in order.
  std::vector<std::string> codes() const;

 private:
  std::istringstream in_;
  std::ostringstream out_;
  std::ostringstream listing_;
  std::unique_ptr<EngineState> st_;
  std::vector<std::string> passes_;
  bool halted_ = false;
};

}  // namespace engine::fortest
