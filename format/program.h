// The parsed form of a format text: a flat list of operations with explicit
// group brackets, walked by the input and output interpreters.
#pragma once

#include <string>
#include <vector>

#include "format/format.h"

namespace format {

// Bounds that keep every format text and record finite: a number written in a
// format text (width, count, column) above kMaxNumber makes the text invalid,
// and no record, input or output, is followed past kMaxRecord characters.
constexpr int kMaxNumber = 1'000'000;
constexpr int kMaxRecord = 1'000'000;
constexpr int kMaxDepth = 32;  // nesting of parenthesised groups
// Operations executed without reaching a data item before the interpreter
// gives up: only a format that would otherwise spin (a huge group of
// position items) gets there.
constexpr long kMaxIdleSteps = 1'000'000;

// The data codes (Integer to Text) and the position codes (Skip to Right)
// stay contiguous: isData() and isPosition() test ranges.
enum class OpCode {
  GroupOpen,    // repeat = count, partner = index of the matching GroupClose
  GroupClose,   // partner = index of the matching GroupOpen
  End,          // the final ")"
  Integer,      // Iw[.m]: width, digits = m (0 when absent)
  Fixed,        // Fw.d
  Exponent,     // Ew.d[Ee], Dw.d: exponentDigits = e (0 when absent)
  General,      // Gw.d[Ee]
  Text,         // Aw; width 0 for A without a width
  Skip,         // nX: count
  Column,       // Tc: count = c
  Left,         // TLc
  Right,        // TRc
  Literal,      // '...' or nH...: text
  Scale,        // kP: count = k
  BlankNull,    // BN
  BlankZero,    // BZ
  SignPlus,     // SP
  SignDefault,  // S, SS
  Slash,        // "/"
  Colon,        // ":"
};

inline bool isData(OpCode c) {
  return c >= OpCode::Integer && c <= OpCode::Text;
}
inline bool isPosition(OpCode c) {
  return c >= OpCode::Skip && c <= OpCode::Right;
}

struct Op {
  OpCode code = OpCode::End;
  int repeat = 1;  // data items and groups
  int width = 0;
  int digits = 0;
  int exponentDigits = 0;
  int count = 0;
  int partner = 0;
  char letter = 0;  // the descriptor letter (I, F, E, D, G, A), for diagnostics
  std::string text;
};

// The position (counted from 0) that nX, Tc, TLc or TRc moves to from `pos`;
// TL stops at the first column.
inline size_t positionAfter(const Op& op, size_t pos) {
  auto count = static_cast<size_t>(op.count);
  if (op.code == OpCode::Column) return count - 1;
  if (op.code == OpCode::Left) return pos > count ? pos - count : 0;
  return pos + count;
}

struct Format::Program {
  std::string text;
  std::string error;  // empty when the text is valid
  std::vector<Op> ops;
  int reversionStart = 0;         // where the format resumes after the final ")"
  bool reversionHasData = false;  // whether that part takes any item
};

}  // namespace format
