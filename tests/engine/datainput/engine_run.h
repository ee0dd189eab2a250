// Runs a whole script in-process, in a fresh temporary directory holding the
// given files, and keeps the engine state so that tests can check what the
// data sections stored, not only what they wrote.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/globals/engine_state.h"

namespace datainputtest {

class EngineRun {
 public:
  explicit EngineRun(std::string_view script, const std::map<std::string, std::string>& files = {});
  ~EngineRun();
  EngineRun(const EngineRun&) = delete;
  EngineRun& operator=(const EngineRun&) = delete;

  // The listing lines after the echo of the script: the messages of the
  // sections (no summary line).
  std::vector<std::string> messages() const;
  // The messages joined by newlines, for readable comparisons.
  std::string messageText() const;
  // Element (i, j) of the input matrix; case i, variable j of the data.
  float matrix(int i, int j) const { return st->MATINP.element(i, j); }
  float data(int i, int j) const;
  float scalar(const std::string& name) const;

  std::istringstream in;
  std::ostringstream out;
  std::ostringstream listing;
  std::unique_ptr<engine::EngineState> st;

 private:
  std::filesystem::path dir_;
};

// The names of a table, trimmed.
std::vector<std::string> trimmed(std::span<const engine::Name8> names);

// The lines of a matrix of n x n values written with "(10F8.4)" (a row of n
// values on ceil(n / 10) lines), value(i, j) = i + j / 100, lines ending in CR LF.
std::string matrixFile10F84(int n);

}  // namespace datainputtest
