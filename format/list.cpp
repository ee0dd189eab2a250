// List-directed input (LSTRD): values separated by blanks, commas or line
// ends, with r*v repeats, null values and "/" to end the read.
#include <algorithm>
#include <cstring>

#include "format/numbers.h"
#include "format/walker.h"

namespace format {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

class ListReader {
 public:
  explicit ListReader(RecordSource& in) : in_(in) {}

  // Moves to the next character that is not a blank, reading further lines
  // as needed; false at the end of the input.
  bool skipSpace() {
    for (;;) {
      while (pos_ < record_.size() && isBlank(record_[pos_])) ++pos_;
      if (pos_ < record_.size()) return true;
      if (!in_.next(record_)) return false;
      pos_ = 0;
    }
  }

  bool start() { return in_.next(record_); }
  char peek() const { return record_[pos_]; }
  void skip() { ++pos_; }

  // A repeat count "r*" in front of a value; 1 when there is none, 0 when
  // the count is not a positive number.
  long repeat() {
    size_t end = pos_;
    while (end < record_.size() && record_[end] >= '0' && record_[end] <= '9') ++end;
    if (end == pos_ || end >= record_.size() || record_[end] != '*') return 1;
    long count = 0;
    for (size_t i = pos_; i < end; ++i) count = std::min(count * 10 + (record_[i] - '0'), 1L << 40);
    pos_ = end + 1;
    return count;
  }

  // Whether the value position holds no value (r* followed by a separator).
  bool atSeparator() const {
    return pos_ >= record_.size() || isBlank(record_[pos_]) || record_[pos_] == ',' ||
           record_[pos_] == '/';
  }

  // An unquoted value: the characters up to the next separator.
  std::string_view token() {
    size_t start = pos_;
    while (!atSeparator()) ++pos_;
    return record_.substr(start, pos_ - start);
  }

  // A quoted text with '' for one apostrophe, copied into `scratch`; false
  // when the line ends before the closing quote.
  bool quoted(std::string& scratch) {
    char quote = record_[pos_++];
    scratch.clear();
    for (;;) {
      if (pos_ >= record_.size()) return false;
      char c = record_[pos_++];
      if (c == quote) {
        if (pos_ >= record_.size() || record_[pos_] != quote) return true;
        ++pos_;
      }
      scratch.push_back(c);
    }
  }

  // After a value: blanks and at most one comma belong to its separator.
  bool skipSeparator() {
    if (!skipSpace()) return false;
    if (peek() == ',') skip();
    return true;
  }

 private:
  RecordSource& in_;
  std::string_view record_;
  size_t pos_ = 0;
};

// Stores one value into the current element; false when it cannot stand there.
bool store(ItemCursor<Item>& items, std::string_view value, bool quoted) {
  const Item& item = items.entry();
  int element = items.element();
  items.advance();
  if (item.kind == Item::Kind::Text) {
    int length = std::max(item.length, 0);
    char* target = static_cast<char*>(item.data) + static_cast<size_t>(element) * length;
    size_t taken = std::min(value.size(), static_cast<size_t>(length));
    std::memcpy(target, value.data(), taken);
    std::memset(target + taken, ' ', length - taken);
    return true;
  }
  if (quoted) return false;
  if (item.kind == Item::Kind::Integer)
    return readInteger(value, false, static_cast<int32_t*>(item.data)[element]);
  return readReal(value, 0, 0, false, static_cast<float*>(item.data)[element]);
}

}  // namespace

ReadStatus LSTRD(RecordSource& in, std::span<const Item> items) {
  ListReader reader(in);
  if (!reader.start()) return ReadStatus::EndOfFile;
  ItemCursor<Item> cursor(items);
  thread_local std::string text;  // the current quoted value
  while (cursor.more()) {
    if (!reader.skipSpace()) return ReadStatus::EndOfFile;
    char c = reader.peek();
    if (c == '/') return ReadStatus::Ok;
    if (c == ',') {  // a null value: the item keeps its contents
      reader.skip();
      cursor.advance();
      continue;
    }
    long count = reader.repeat();
    if (count == 0) return ReadStatus::ReadError;
    if (reader.atSeparator()) {  // r* alone: r null values
      for (long i = 0; i < count && cursor.more(); ++i) cursor.advance();
    } else {
      bool quoted = reader.peek() == '\'' || reader.peek() == '"';
      if (quoted && !reader.quoted(text)) return ReadStatus::ReadError;
      std::string_view value = quoted ? std::string_view(text) : reader.token();
      for (long i = 0; i < count && cursor.more(); ++i)
        if (!store(cursor, value, quoted)) return ReadStatus::ReadError;
    }
    if (cursor.more() && !reader.skipSeparator()) return ReadStatus::EndOfFile;
  }
  return ReadStatus::Ok;
}

}  // namespace format
