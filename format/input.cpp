// Formatted input (FMTRD): fields cut from records by the format's positions
// and converted into the items.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "format/numbers.h"
#include "format/walker.h"

namespace format {
namespace {

class Reader {
 public:
  explicit Reader(RecordSource& in) : in_(in) {}

  ReadStatus status() const { return status_; }

  bool nextRecord() {
    pos_ = 0;
    if (in_.next(record_)) return true;
    status_ = ReadStatus::EndOfFile;
    return false;
  }

  void fail(const std::string&) { status_ = ReadStatus::ReadError; }

  bool control(const Op& op) {
    if (isPosition(op.code)) {
      moveTo(positionAfter(op, pos_));
      return true;
    }
    switch (op.code) {
      case OpCode::Scale:
        scale_ = op.count;
        return true;
      case OpCode::BlankNull:
      case OpCode::BlankZero:
        blankZero_ = op.code == OpCode::BlankZero;
        return true;
      case OpCode::Literal:  // quoted texts are for output only
        return error();
      default:
        return true;  // sign control has no effect on input
    }
  }

  bool data(const Op& op, ItemCursor<Item>& items) {
    const Item& item = items.entry();
    int element = items.element();
    items.advance();
    if (op.code == OpCode::Text) {
      if (item.kind != Item::Kind::Text) return error();
      readText(op.width, static_cast<char*>(item.data) + static_cast<size_t>(element) * item.length,
               std::max(item.length, 0));
      return true;
    }
    std::string_view text = field(op.width);
    if (item.kind == Item::Kind::Text) return error();
    if (item.kind == Item::Kind::Integer) {
      int32_t* target = static_cast<int32_t*>(item.data) + element;
      if (op.code == OpCode::Integer) return readInteger(text, blankZero_, *target) || error();
      float value;
      if (!readReal(text, op.digits, scale_, blankZero_, value) ||
          !(std::fabs(value) < 2147483648.0f))
        return error();
      *target = static_cast<int32_t>(value);
      return true;
    }
    float* target = static_cast<float*>(item.data) + element;
    if (op.code != OpCode::Integer)
      return readReal(text, op.digits, scale_, blankZero_, *target) || error();
    int32_t value;
    if (!readInteger(text, blankZero_, value)) return error();
    *target = static_cast<float>(value);
    return true;
  }

 private:
  bool error() {
    status_ = ReadStatus::ReadError;
    return false;
  }

  void moveTo(size_t pos) { pos_ = std::min(pos, static_cast<size_t>(kMaxRecord)); }

  // The part of the next `width` positions that lies inside the record.
  std::string_view field(int width) {
    size_t start = std::min(pos_, record_.size());
    size_t end = std::min(pos_ + width, record_.size());
    moveTo(pos_ + width);
    return record_.substr(start, end - start);
  }

  // Aw into a text of `length`: the rightmost `length` characters of a wider
  // field, or the field followed by blanks; A alone takes `length` characters.
  void readText(int width, char* target, int length) {
    if (width == 0) width = length;
    std::string_view text = field(width);
    int skip = std::max(width - length, 0);
    int taken = std::min(width, length);
    for (int i = 0; i < taken; ++i) {
      size_t at = static_cast<size_t>(skip + i);
      target[i] = at < text.size() ? text[at] : ' ';
    }
    std::memset(target + taken, ' ', length - taken);
  }

  RecordSource& in_;
  std::string_view record_;
  size_t pos_ = 0;
  int scale_ = 0;
  bool blankZero_ = false;
  ReadStatus status_ = ReadStatus::Ok;
};

}  // namespace

ReadStatus FMTRD(RecordSource& in, const Format& format, std::span<const Item> items) {
  if (!format.valid()) return ReadStatus::ReadError;
  Reader reader(in);
  if (!reader.nextRecord()) return ReadStatus::EndOfFile;
  ItemCursor<Item> cursor(items);
  walk(format.program(), reader, cursor);
  return reader.status();
}

}  // namespace format
