// SYMTAB, the symbols of the command stream and the state of the line reader.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/globals/name8.h"
#include "engine/globals/vec1.h"

namespace engine {

struct SymbolTable {
  static constexpr int MAXSYM = 18000;
  static constexpr int MAXLIN = 1000;  // numbered lines kept in LINSTA

  // Symbol i (1-based). The routines of the command language look a few
  // symbols ahead of NSYM when a script is cut short; an index outside the
  // table reads as a blank symbol of value 0, and a write there is dropped.
  Name8& SYM(int i) { return inTable(i) ? sym_[static_cast<size_t>(i - 1)] : blankSym(); }
  const Name8& SYM(int i) const {
    static const Name8 kBlank;
    return inTable(i) ? sym_[static_cast<size_t>(i - 1)] : kBlank;
  }
  float& SYMVAL(int i) { return inTable(i) ? val_[static_cast<size_t>(i - 1)] : zeroVal(); }
  float SYMVAL(int i) const { return inTable(i) ? val_[static_cast<size_t>(i - 1)] : 0.0f; }
  // A number is stored as a blank symbol with its value in SYMVAL.
  bool isNumber(int i) const { return SYM(i).blank(); }

  int32_t NSYM = 0;
  int32_t IPOS = 1;
  // LINE(1..80), the current input line; other columns read as blank.
  char& LINE(int icol) {
    if (icol >= 1 && icol <= 80) return line_[static_cast<size_t>(icol - 1)];
    scratchChar_ = ' ';
    return scratchChar_;
  }
  int32_t ICOL = 81;                             // above 80: the next line must be read
  int32_t NLINE = 1;                             // number of the next line to read
  Vec1<int32_t> LINSTA = Vec1<int32_t>(MAXLIN);  // NSYM when line n was read
  int32_t ICOMNT = 0;                            // depth of open comment brackets

 private:
  // Two entries beyond MAXSYM hold the closing "$" END after a full table.
  static constexpr int kCapacity = MAXSYM + 2;
  static bool inTable(int i) { return i >= 1 && i <= kCapacity; }
  Name8& blankSym() {
    scratchSym_ = Name8();
    return scratchSym_;
  }
  float& zeroVal() {
    scratchVal_ = 0.0f;
    return scratchVal_;
  }
  std::vector<Name8> sym_ = std::vector<Name8>(kCapacity);
  std::vector<float> val_ = std::vector<float>(kCapacity, 0.0f);
  std::array<char, 80> line_ = filledLine();
  Name8 scratchSym_;
  float scratchVal_ = 0.0f;
  char scratchChar_ = ' ';
  static std::array<char, 80> filledLine() {
    std::array<char, 80> a;
    a.fill(' ');
    return a;
  }
};

}  // namespace engine
