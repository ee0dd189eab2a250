// Reading numeric fields: integers, and reals with an implied decimal point,
// exponent forms and scale factor, correctly rounded to float.
#include <charconv>
#include <cmath>

#include "format/numbers.h"

namespace format {
namespace {

constexpr int kKeptDigits = 120;  // enough to round any float exactly
constexpr int kExponentLimit = 100'000;

// Walks a field's characters: leading blanks are skipped; later blanks are
// skipped under BN and read as "0" under BZ.
class FieldScanner {
 public:
  FieldScanner(std::string_view field, bool blankZero) : field_(field), blankZero_(blankZero) {
    while (pos_ < field_.size() && field_[pos_] == ' ') ++pos_;
  }

  // The next character (0 at the end of the field), blanks resolved.
  char peek() {
    if (!blankZero_)
      while (pos_ < field_.size() && field_[pos_] == ' ') ++pos_;
    if (pos_ >= field_.size()) return 0;
    return field_[pos_] == ' ' ? '0' : field_[pos_];
  }
  void skip() { ++pos_; }

  bool sign(bool& negative) {
    char c = peek();
    negative = c == '-';
    if (c == '+' || c == '-') skip();
    return c == '+' || c == '-';
  }

 private:
  std::string_view field_;
  bool blankZero_;
  size_t pos_ = 0;
};

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// A signed decimal exponent after E or D, or a sign followed by digits.
bool readExponent(FieldScanner& scan, int& exponent) {
  bool negative;
  scan.sign(negative);
  if (!isDigit(scan.peek())) return false;
  long value = 0;
  for (char c; isDigit(c = scan.peek()); scan.skip())
    if (value < kExponentLimit) value = value * 10 + (c - '0');
  exponent = static_cast<int>(negative ? -value : value);
  return scan.peek() == 0;
}

// The significant digits of a field and the power of ten that scales them.
struct Decimal {
  char digits[kKeptDigits + 2];
  int count = 0;
  long exponent = 0;  // value = digits (as an integer) × 10^exponent
  bool dropped = false;

  void add(char digit, bool afterPoint) {
    if (count == 0 && digit == '0') {
      if (afterPoint) --exponent;
    } else if (count < kKeptDigits) {
      digits[count++] = digit;
      if (afterPoint) --exponent;
    } else {
      dropped = dropped || digit != '0';
      if (!afterPoint) ++exponent;
    }
  }

  // Correctly rounded; false when the value is too large for a float.
  bool toFloat(float& value) {
    if (count == 0) {
      value = 0.0f;
      return true;
    }
    if (count <= 7 && exponent >= -10 && exponent <= 10) {
      // Both operands are exact floats, so one IEEE operation rounds correctly.
      static constexpr float kPowers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                          1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
      int mantissa = 0;
      for (int i = 0; i < count; ++i) mantissa = mantissa * 10 + (digits[i] - '0');
      float m = static_cast<float>(mantissa);
      value = exponent < 0 ? m / kPowers[-exponent] : m * kPowers[exponent];
      return true;
    }
    return slowToFloat(value);
  }

  bool slowToFloat(float& value) {
    if (dropped) {  // a final nonzero digit keeps values between two halfway points apart
      digits[count++] = '1';
      --exponent;
    }
    char text[kKeptDigits + 32];
    char* end = std::copy(digits, digits + count, text);
    *end++ = 'e';
    end = std::to_chars(end, text + sizeof text, exponent).ptr;
    auto result = std::from_chars(text, end, value);
    if (result.ec == std::errc::result_out_of_range) {
      value = 0.0f;
      return exponent + count <= 0;  // underflow reads as zero, overflow is an error
    }
    return result.ec == std::errc() && std::isfinite(value);
  }
};

}  // namespace

bool readInteger(std::string_view field, bool blankZero, int32_t& value) {
  FieldScanner scan(field, blankZero);
  bool negative;
  bool sign = scan.sign(negative);
  int64_t magnitude = 0;
  bool any = false;
  for (char c; isDigit(c = scan.peek()); scan.skip()) {
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > int64_t{INT32_MAX} + 1) return false;
    any = true;
  }
  if (scan.peek() != 0 || (sign && !any)) return false;
  if (!negative && magnitude > INT32_MAX) return false;
  value = static_cast<int32_t>(negative ? -magnitude : magnitude);
  return true;
}

bool readReal(std::string_view field, int decimals, int scale, bool blankZero, float& value) {
  FieldScanner scan(field, blankZero);
  bool negative;
  bool sign = scan.sign(negative);
  Decimal decimal;
  bool point = false;
  bool any = false;
  for (char c;; scan.skip()) {
    c = scan.peek();
    if (isDigit(c)) {
      decimal.add(c, point);
      any = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!any && (sign || point || scan.peek() != 0)) return false;
  if (!point) decimal.exponent -= decimals;
  char c = scan.peek();
  if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
    scan.skip();
    c = '+';  // the exponent letter stands in for a sign
  }
  if (c == '+' || c == '-') {
    int exponent;
    if (!readExponent(scan, exponent)) return false;
    decimal.exponent += exponent;
  } else if (c != 0) {
    return false;
  } else {
    decimal.exponent -= scale;
  }
  if (!decimal.toFloat(value)) return false;
  if (negative && value != 0.0f) value = -value;
  return true;
}

}  // namespace format
