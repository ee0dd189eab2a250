// Formatted output (FMTWR): records built in a reused buffer from literals,
// positions and edited items, and handed to the record sink.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "format/numbers.h"
#include "format/walker.h"

namespace format {
namespace {

class Writer {
 public:
  Writer(RecordSink& out, std::string& record) : out_(out), record_(record) { record_.clear(); }

  bool nextRecord() {
    if (!out_.put(record_)) return false;
    record_.clear();
    pos_ = 0;
    return true;
  }

  void fail(std::string why) { out_.fail(std::move(why)); }

  bool control(const Op& op) {
    if (isPosition(op.code)) return moveTo(positionAfter(op, pos_));
    switch (op.code) {
      case OpCode::Literal: {
        char* out = field(op.text.size());
        if (out != nullptr) std::memcpy(out, op.text.data(), op.text.size());
        return out != nullptr;
      }
      case OpCode::Scale:
        scale_ = op.count;
        return true;
      case OpCode::SignPlus:
      case OpCode::SignDefault:
        plus_ = op.code == OpCode::SignPlus;
        return true;
      default:
        return true;  // blank control has no effect on output
    }
  }

  bool data(const Op& op, ItemCursor<Value>& items) {
    const Value& value = items.entry();
    int element = items.element();
    items.advance();
    if (op.code == OpCode::Text) return writeText(op, value, element);
    if (value.kind == Item::Kind::Text) return mismatch(op, "a text");
    char* out = field(op.width);
    if (out == nullptr) return false;
    NumberStyle style{op.width, op.digits, op.exponentDigits, scale_, plus_};
    if (value.kind == Item::Kind::Integer) {
      int32_t number = static_cast<const int32_t*>(value.data)[element];
      if (op.code == OpCode::Integer) {
        writeInteger(out, style, number);
      } else {
        writeReal(out, op, style, number);
      }
      return true;
    }
    float number = static_cast<const float*>(value.data)[element];
    if (op.code != OpCode::Integer) {
      writeReal(out, op, style, number);
    } else if (std::fabs(number) < 9.2e18f) {  // a real under I shows its integer part
      writeInteger(out, style, static_cast<int64_t>(number));
    } else {
      std::memset(out, '*', op.width);
    }
    return true;
  }

 private:
  // The next `width` positions of the record, blank-padded as needed; null
  // (with a diagnostic) when the record would grow past kMaxRecord.
  char* field(size_t width) {
    size_t start = pos_;
    if (!moveTo(pos_ + width)) return nullptr;
    return record_.data() + start;
  }

  bool moveTo(size_t pos) {
    if (pos > kMaxRecord) {
      out_.fail("a record longer than " + std::to_string(kMaxRecord) + " characters");
      return false;
    }
    if (pos > record_.size()) record_.resize(pos, ' ');
    pos_ = pos;
    return true;
  }

  static void writeReal(char* out, const Op& op, const NumberStyle& style, double number) {
    if (op.code == OpCode::Fixed) {
      writeFixed(out, style, number);
    } else if (op.code == OpCode::General) {
      writeGeneral(out, style, number);
    } else {
      writeExponent(out, style, number);
    }
  }

  // Aw: a wider field puts blanks before the text, a narrower one takes its
  // first w characters; A alone writes the whole text.
  bool writeText(const Op& op, const Value& value, int element) {
    if (value.kind != Item::Kind::Text) return mismatch(op, "a number");
    int length = std::max(value.length, 0);
    int width = op.width == 0 ? length : op.width;
    char* out = field(width);
    if (out == nullptr) return false;
    const char* text = static_cast<const char*>(value.data) + static_cast<size_t>(element) * length;
    int shown = std::min(width, length);
    std::memset(out, ' ', width - shown);
    std::memcpy(out + (width - shown), text, shown);
    return true;
  }

  bool mismatch(const Op& op, const char* what) {
    out_.fail(std::string(what) + " cannot be written with the descriptor " + op.letter);
    return false;
  }

  RecordSink& out_;
  std::string& record_;
  size_t pos_ = 0;
  int scale_ = 0;
  bool plus_ = false;
};

}  // namespace

bool FMTWR(RecordSink& out, const Format& format, std::span<const Value> values) {
  if (!format.valid()) return out.fail(format.error());
  thread_local std::string record;  // reused: no allocation per statement
  Writer writer(out, record);
  ItemCursor<Value> cursor(values);
  return walk(format.program(), writer, cursor) && writer.nextRecord();
}

}  // namespace format
