// Runs the korva program on a script in a fresh temporary directory and
// compares listings line by line with a readable diff. Shared by the engine
// test folders: #include "tests/engine/common/golden.h".
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace enginetest {

namespace fs = std::filesystem;

inline std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void writeFile(const fs::path& path, std::string_view text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

// One run of korva: its directory (kept until the object goes away), the
// listing, standard output and the exit status.
class KorvaRun {
 public:
  KorvaRun() = default;
  KorvaRun(const KorvaRun&) = delete;
  KorvaRun& operator=(const KorvaRun&) = delete;
  ~KorvaRun() {
    std::error_code ec;
    if (!dir.empty()) fs::remove_all(dir, ec);
  }
  // A file that the run left in its directory ("" when absent).
  std::string file(const std::string& name) const { return readFile(dir / name); }

  fs::path dir;
  std::string listing;  // the listing file, or "" when run without one
  std::string results;  // standard output
  int status = -1;
};

struct RunOptions {
  std::map<std::string, std::string> files;  // placed in the directory first
  bool listingArgument = true;               // korva listing.lst < script
  std::string listingName = "listing.lst";
};

// Runs BRIX_BIN_DIR/korva with `script` on standard input (bounded by a
// time limit, so that a hang fails the test instead of stalling it).
inline void runKorva(KorvaRun& run, std::string_view script, const RunOptions& options = {}) {
  std::string templ = (fs::temp_directory_path() / "korva-test-XXXXXX").string();
  run.dir = mkdtemp(templ.data());
  for (const auto& [name, text] : options.files) writeFile(run.dir / name, text);
  writeFile(run.dir / "script.dsk", script);
  std::string korva = (fs::path(BRIX_BIN_DIR) / "korva").string();
  std::string args = options.listingArgument ? " '" + options.listingName + "'" : "";
  std::string command = "cd '" + run.dir.string() + "' && timeout 60 '" + korva + "'" + args +
                        " < script.dsk > results.out 2> errors.out";
  int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.results = run.file("results.out");
  if (options.listingArgument) run.listing = run.file(options.listingName.substr(0, 12));
}

// The lines of a text; CR LF, LF and CR all end a line.
inline std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t k = 0; k < text.size(); ++k) {
    char ch = text[k];
    if (ch == '\r' || ch == '\n') {
      lines.push_back(line);
      line.clear();
      if (ch == '\r' && k + 1 < text.size() && text[k + 1] == '\n') ++k;
    } else {
      line += ch;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// The clock readings of the banner and the page headers, the only parts of
// a listing that change from run to run.
inline std::string maskClock(const std::string& line) {
  if (line.find("PAGE") == std::string::npos) return line;
  static const std::regex date(R"([ \d]\d/\d\d/\d\d(\d\d )?)");
  static const std::regex time(R"(\d\d:\d\d:\d\d(   )?)");
  std::string masked = std::regex_replace(line, date, "<date>");
  return std::regex_replace(masked, time, "<time>");
}

// Line-by-line comparison with the clock masked; on a difference the
// message shows every differing line with its number.
inline ::testing::AssertionResult sameListing(std::string_view actual, std::string_view expected) {
  std::vector<std::string> a = splitLines(actual);
  std::vector<std::string> e = splitLines(expected);
  std::ostringstream diff;
  int shown = 0;
  for (size_t k = 0; k < std::max(a.size(), e.size()); ++k) {
    std::string got = k < a.size() ? maskClock(a[k]) : "<no line>";
    std::string want = k < e.size() ? maskClock(e[k]) : "<no line>";
    if (got == want) continue;
    if (++shown > 30) {
      diff << "  ...\n";
      break;
    }
    diff << "line " << k + 1 << ":\n  expected [" << want << "]\n  actual   [" << got << "]\n";
  }
  if (shown == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "listings differ (" << a.size() << " lines, expected " << e.size() << "):\n"
         << diff.str();
}

}  // namespace enginetest
