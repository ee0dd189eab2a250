// EngineState: every run-wide record of the engine, created once per run and
// passed by reference to every routine (there are no other globals).
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "engine/globals/name8.h"
#include "engine/globals/runctl.h"
#include "engine/globals/symtab.h"
#include "engine/globals/units.h"
#include "engine/globals/vec1.h"
#include "engine/korva/ssapar.h"
#include "engine/util/datinp.h"
#include "engine/util/matinp.h"

namespace engine {

// VARDIC: the variables of the raw data, in declaration order.
struct VariableDictionary {
  static constexpr int MAXVAR = 1000;
  int32_t NVAR = 0;
  Vec1<Name8> VNAME = Vec1<Name8>(MAXVAR);
};

// The named scalars; entry 1 is "_MISS", the missing-value code.
struct ScalarTable {
  static constexpr int MAXSCL = 100;
  int32_t NSCL = 1;
  Vec1<Name8> SCLNAM = Vec1<Name8>(MAXSCL);
  Vec1<float> SCLVAL = Vec1<float>(MAXSCL, 0.0f);

  ScalarTable();
  // The value of NAME (its last occurrence); FOUND false when absent.
  void SCLGET(const Name8& NAME, float& V, bool& FOUND) const;
  // Sets NAME's value or appends it; false when the table is full.
  bool SCLSET(const Name8& NAME, float V);
};

// WORK, the data memory of MAXMEM four-byte words, taken once per run.
class Workspace {
 public:
  static constexpr int32_t MAXMEM = 6500000;
  // Obtains `words` words; false when the memory is not available.
  bool take(size_t words = MAXMEM);
  bool taken() const { return words_ != nullptr; }
  // Word i, 1-based, as a real.
  float& operator()(int64_t i) {
    if (i < 1 || i > static_cast<int64_t>(size_))
      indexFault(static_cast<long>(i), static_cast<long>(size_));
    return words_[static_cast<size_t>(i - 1)];
  }
  float* data() { return words_.get(); }
  size_t size() const { return size_; }

 private:
  std::unique_ptr<float[]> words_;
  size_t size_ = 0;
};

constexpr float kMissing = 1.0E38f;  // the value of "_MISS"

struct EngineState {
  // `listing` null: the listing goes to `out` (LSTUNI = 6); else LSTUNI = 7.
  EngineState(std::istream& in, std::ostream& out, std::ostream* listing);

  RunControl RUNCTL;
  SymbolTable SYMTAB;
  Vec1<Name8> TITLE = Vec1<Name8>(50);
  VariableDictionary VARDIC;
  ScalarTable SCLTAB;
  Workspace WORK;
  std::string OUTFMT = "(13F6.2)";  // current output format of OUTPUT paragraphs
  // Start-of-run state of each record is its default member initialisers.
  engine::MATINP MATINP;
  engine::DATINP DATINP;
  engine::SSAPAR SSAPAR;
  Units UNITS;

  // The command reader's record read ahead for a period in column 80.
  bool lineHeld = false;
  bool heldAtEnd = false;  // the read-ahead met the end of input
  std::string heldLine;
};

}  // namespace engine
