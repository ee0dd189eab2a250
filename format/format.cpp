// Parsing of format texts into the operation list of program.h, and the cache
// of the texts that the programs write themselves.
#include <cctype>
#include <mutex>
#include <unordered_map>

#include "format/program.h"

namespace format {
namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  // Fills `program`; false when the text is invalid (error() says why).
  bool run(Format::Program& program) {
    ops_ = &program.ops;
    if (next() != '(') return fail("the format must begin with \"(\"");
    ++pos_;
    groups_.push_back(-1);
    while (!groups_.empty())
      if (!item()) return false;
    findReversion(program);
    return true;
  }

  const std::string& error() const { return error_; }

 private:
  // The next character that is not a blank, upper-cased; 0 at the end.
  char next() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    return pos_ < text_.size()
               ? static_cast<char>(std::toupper(static_cast<unsigned char>(text_[pos_])))
               : 0;
  }
  bool take(char c) {
    if (next() != c) return false;
    ++pos_;
    return true;
  }

  bool fail(const std::string& what) {
    std::string_view shown = text_;
    while (!shown.empty() && shown.back() == ' ') shown.remove_suffix(1);
    error_ =
        what + " at column " + std::to_string(pos_ + 1) + " of the format " + std::string(shown);
    return false;
  }

  // An unsigned number, blanks ignored; `present` false when none is written here.
  bool number(int& value, bool& present) {
    present = false;
    value = 0;
    while (std::isdigit(static_cast<unsigned char>(next()))) {
      value = value * 10 + (text_[pos_++] - '0');
      present = true;
      if (value > kMaxNumber) return fail("a number larger than " + std::to_string(kMaxNumber));
    }
    return true;
  }

  bool requiredNumber(int& value, const char* what, int minimum) {
    bool present;
    if (!number(value, present)) return false;
    if (!present) return fail(std::string("missing ") + what);
    if (value < minimum)
      return fail(std::string(what) + " must be at least " + std::to_string(minimum));
    return true;
  }

  Op& add(OpCode code) {
    ops_->emplace_back().code = code;
    return ops_->back();
  }

  // One item with the comma after it, or the ")" that closes a group.
  bool item() {
    char c = next();
    if (c == ')') return closeGroup();
    if (c == ',') return fail("an item is missing before \",\"");
    bool sign = c == '+' || c == '-';
    bool negative = c == '-';
    if (sign) ++pos_;
    int n;
    bool counted;
    if (!number(n, counted)) return false;
    c = next();
    if (c == 'P') {
      if (!counted) return fail("missing scale factor before P");
      ++pos_;
      add(OpCode::Scale).count = negative ? -n : n;
      return endOfItem();
    }
    if (sign) return fail("a sign is allowed only before P");
    if (counted && n == 0 && c != 'X') return fail("a repeat count must be at least 1");
    if (!counted) n = 1;
    if (c == '(') return openGroup(n);
    return descriptor(c, n, counted) && endOfItem();
  }

  bool descriptor(char c, int n, bool counted) {
    switch (c) {
      case '\'':
      case '"':
        if (counted) return fail("a quoted text cannot have a repeat count");
        return quoted(c);
      case 'H':
        if (!counted) return fail("missing length before H");
        ++pos_;
        return hollerith(n);
      case 'X':
        ++pos_;
        add(OpCode::Skip).count = n;
        return true;
      case '/':
        ++pos_;
        add(OpCode::Slash).count = n;
        return true;
      case ':':
      case 'T':
      case 'B':
      case 'S':
        if (counted) return fail(std::string("a count cannot stand before ") + c);
        ++pos_;
        if (c == ':') return add(OpCode::Colon), true;
        return c == 'T' ? tabulation() : c == 'B' ? blankMode() : signMode();
      case 'I':
      case 'F':
      case 'E':
      case 'D':
      case 'G':
      case 'A':
        ++pos_;
        return data(c, n);
      case 0:
        return fail("missing \")\"");
      default:
        return fail(std::string("\"") + text_[pos_] +
                    "\" is not an edit descriptor this program knows");
    }
  }

  bool openGroup(int repeat) {
    ++pos_;
    if (groups_.size() > kMaxDepth) return fail("groups nested too deeply");
    groups_.push_back(static_cast<int>(ops_->size()));
    add(OpCode::GroupOpen).repeat = repeat;
    return true;
  }

  bool data(char c, int n) {
    Op& op = add(c == 'I'   ? OpCode::Integer
                 : c == 'F' ? OpCode::Fixed
                 : c == 'G' ? OpCode::General
                 : c == 'A' ? OpCode::Text
                            : OpCode::Exponent);
    op.repeat = n;
    op.letter = c;
    bool present;
    if (c == 'A') {
      if (!number(op.width, present)) return false;
      return !present || op.width > 0 || fail("A needs a width of at least 1");
    }
    if (!requiredNumber(op.width, "field width", 1)) return false;
    if (c == 'I') {
      op.digits = 1;  // Iw shows at least one digit, like Iw.1
      if (take('.')) return requiredNumber(op.digits, "minimum digits after \".\"", 0);
      return true;
    }
    if (!take('.')) return fail(std::string(1, c) + std::to_string(op.width) + " needs \".d\"");
    if (!requiredNumber(op.digits, "decimals after \".\"", 0)) return false;
    if ((c == 'E' || c == 'G') && next() == 'E') {
      ++pos_;
      return requiredNumber(op.exponentDigits, "exponent digits after E", 1);
    }
    return true;
  }

  bool tabulation() {
    char c = next();
    OpCode code = c == 'L' ? OpCode::Left : c == 'R' ? OpCode::Right : OpCode::Column;
    if (code != OpCode::Column) ++pos_;
    Op& op = add(code);
    return requiredNumber(op.count, "column after T", code == OpCode::Column ? 1 : 0);
  }

  bool blankMode() {
    if (take('N')) return add(OpCode::BlankNull), true;
    if (take('Z')) return add(OpCode::BlankZero), true;
    return fail("B must be followed by N or Z");
  }

  bool signMode() {
    if (take('P')) return add(OpCode::SignPlus), true;
    take('S');
    add(OpCode::SignDefault);
    return true;
  }

  // '...' with '' standing for one apostrophe; blanks inside are kept.
  bool quoted(char quote) {
    ++pos_;
    std::string literal;
    for (;;) {
      if (pos_ >= text_.size()) return fail("missing closing quote");
      char c = text_[pos_++];
      if (c == quote) {
        if (pos_ < text_.size() && text_[pos_] == quote) {
          ++pos_;
        } else {
          break;
        }
      }
      literal += c;
    }
    add(OpCode::Literal).text = std::move(literal);
    return true;
  }

  bool hollerith(int n) {
    if (text_.size() - pos_ < static_cast<size_t>(n))
      return fail("the format ends inside the nH text");
    add(OpCode::Literal).text = std::string(text_.substr(pos_, n));
    pos_ += n;
    return true;
  }

  // After an item: a comma, or whatever comes next without one.
  bool endOfItem() {
    if (take(',')) {
      char c = next();
      if (c == ')' || c == ',') return fail("an item is missing after \",\"");
    }
    return true;
  }

  bool closeGroup() {
    ++pos_;
    int open = groups_.back();
    groups_.pop_back();
    if (open < 0) {
      add(OpCode::End);
      return true;  // what follows the final ")" is not part of the format
    }
    int close = static_cast<int>(ops_->size());
    add(OpCode::GroupClose).partner = open;
    (*ops_)[open].partner = close;
    return endOfItem();
  }

  void findReversion(Format::Program& program) {
    int depth = 0;
    program.reversionStart = 0;
    for (size_t i = 0; i < program.ops.size(); ++i) {
      OpCode code = program.ops[i].code;
      if (code == OpCode::GroupOpen && depth++ == 0) program.reversionStart = static_cast<int>(i);
      if (code == OpCode::GroupClose) --depth;
    }
    for (size_t i = program.reversionStart; i < program.ops.size(); ++i)
      if (isData(program.ops[i].code)) program.reversionHasData = true;
  }

  std::string_view text_;
  size_t pos_ = 0;
  std::vector<Op>* ops_ = nullptr;
  std::vector<int> groups_;  // index of each open group's GroupOpen; -1 for the format itself
  std::string error_;
};

struct TransparentHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

}  // namespace

Format::Format(std::unique_ptr<Program> program) : program_(std::move(program)) {}
Format::Format(Format&&) noexcept = default;
Format& Format::operator=(Format&&) noexcept = default;
Format::~Format() = default;

bool Format::valid() const {
  return program_->error.empty();
}
const std::string& Format::error() const {
  return program_->error;
}
const std::string& Format::text() const {
  return program_->text;
}

Format Format::parse(std::string_view text) {
  auto program = std::make_unique<Program>();
  program->text = std::string(text);
  Parser parser(text);
  if (!parser.run(*program)) {
    program->error = parser.error();
    program->ops.clear();
  }
  return Format(std::move(program));
}

const Format& Format::cached(std::string_view text) {
  static std::mutex mutex;
  static std::unordered_map<std::string, Format, TransparentHash, std::equal_to<>> formats;
  std::lock_guard lock(mutex);
  auto found = formats.find(text);
  if (found == formats.end()) found = formats.emplace(std::string(text), parse(text)).first;
  return found->second;
}

}  // namespace format
