// The in-process runner of the data input tests.
#include "engine_run.h"

#include <stdlib.h>

#include <cstdio>
#include <fstream>

#include "engine/util/listing.h"
#include "engine/util/sections.h"

namespace datainputtest {

namespace fs = std::filesystem;

EngineRun::EngineRun(std::string_view script, const std::map<std::string, std::string>& files)
    : in(std::string(script)) {
  std::string templ = (fs::temp_directory_path() / "datainput-XXXXXX").string();
  dir_ = mkdtemp(templ.data());
  for (const auto& [name, text] : files) std::ofstream(dir_ / name, std::ios::binary) << text;
  const fs::path home = fs::current_path();
  fs::current_path(dir_);
  st = std::make_unique<engine::EngineState>(in, out, &listing);
  st->WORK.take();
  try {
    engine::CMDRUN(*st);
  } catch (const engine::EngineHalt&) {
  }
  st->UNITS.flush();
  fs::current_path(home);
}

EngineRun::~EngineRun() {
  std::error_code ec;
  fs::remove_all(dir_, ec);
}

std::vector<std::string> EngineRun::messages() const {
  std::vector<std::string> lines;
  std::istringstream text(listing.str());
  int separators = 0;
  for (std::string line; std::getline(text, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (separators == 2) lines.push_back(line);
    if (line.rfind(" ------", 0) == 0) ++separators;
  }
  return lines;
}

std::string EngineRun::messageText() const {
  std::string text;
  for (const std::string& line : messages()) text += line + "\n";
  return text;
}

float EngineRun::data(int i, int j) const {
  return st->WORK.data()[(i - 1) + static_cast<size_t>(j - 1) * st->DATINP.DNCASE];
}

float EngineRun::scalar(const std::string& name) const {
  float value = 0.0f;
  bool found = false;
  st->SCLTAB.SCLGET(engine::Name8(name), value, found);
  return found ? value : -12345.0f;
}

std::vector<std::string> trimmed(std::span<const engine::Name8> names) {
  std::vector<std::string> out;
  for (const engine::Name8& n : names) out.emplace_back(n.trimmed());
  return out;
}

std::string matrixFile10F84(int n) {
  std::string text;
  char field[16];
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      std::snprintf(field, sizeof field, "%8.4f", i + j / 100.0);
      text += field;
      if (j % 10 == 0 || j == n) text += "\r\n";
    }
  }
  return text;
}

}  // namespace datainputtest
