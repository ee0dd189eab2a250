// The walk over a parsed format that formatted input and output share: groups
// and their repeat counts, data repeat counts, "/", ":", reversion and the end
// of a statement. The editor (reader or writer) does the work of each item.
#pragma once

#include <array>
#include <span>
#include <string>

#include "format/program.h"

namespace format {

// Walks the elements of an item list (Item for input, Value for output).
template <class Entry>
class ItemCursor {
 public:
  explicit ItemCursor(std::span<const Entry> entries) : entries_(entries) {}

  bool more() {
    while (index_ < entries_.size() && element_ >= entries_[index_].count) {
      ++index_;
      element_ = 0;
    }
    return index_ < entries_.size();
  }
  // Only after more() returned true.
  const Entry& entry() const { return entries_[index_]; }
  int element() const { return element_; }
  void advance() { ++element_; }

 private:
  std::span<const Entry> entries_;
  size_t index_ = 0;
  int element_ = 0;
};

// Editor: bool data(const Op&, ItemCursor&) edits one item and advances the
// cursor; bool control(const Op&) performs a position, literal, scale, blank
// or sign item; bool nextRecord() ends the current record and begins the next;
// void fail(std::string) records why the statement stops. Each returns false to
// stop the statement. walk() returns true when the statement completed.
template <class Editor, class Entry>
bool walk(const Format::Program& program, Editor& editor, ItemCursor<Entry>& items) {
  struct Frame {
    size_t open;
    int left;
  };
  std::array<Frame, kMaxDepth + 1> groups;
  int depth = 0;
  long idle = 0;  // operations since the last data item
  for (size_t pc = 0;; ++pc) {
    const Op& op = program.ops[pc];
    if (isData(op.code)) {
      for (int r = 0; r < op.repeat; ++r) {
        if (!items.more()) return true;
        if (!editor.data(op, items)) return false;
      }
      idle = 0;
      continue;
    }
    if (++idle > kMaxIdleSteps) {
      editor.fail("the format repeats items that take no data without end");
      return false;
    }
    switch (op.code) {
      case OpCode::GroupOpen:
        groups[depth++] = {pc, op.repeat};
        break;
      case OpCode::GroupClose:
        if (--groups[depth - 1].left > 0) {
          pc = groups[depth - 1].open;
        } else {
          --depth;
        }
        break;
      case OpCode::Colon:
        if (!items.more()) return true;
        break;
      case OpCode::Slash:
        for (int r = 0; r < op.count; ++r) {
          if (++idle > kMaxIdleSteps) {
            editor.fail("the format repeats items that take no data without end");
            return false;
          }
          if (!editor.nextRecord()) return false;
        }
        break;
      case OpCode::End:
        if (!items.more()) return true;
        if (!program.reversionHasData) {
          editor.fail("the format has no data item for the items that remain");
          return false;
        }
        if (!editor.nextRecord()) return false;
        pc = program.reversionStart - 1;  // the loop steps onto it
        break;
      default:
        if (!editor.control(op)) return false;
    }
  }
}

}  // namespace format
