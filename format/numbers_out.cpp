// Editing numbers into fields: I, F, E (and D) and G output with rounding half
// away from zero, optional leading zero, scale factor and asterisks on overflow.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "format/numbers.h"

namespace format {
namespace {

// Decimal digits of a magnitude: value = 0.d1 d2 ... d(count) × 10^exponent;
// count 0 is zero. Digits past `count` are zeros.
struct Digits {
  static constexpr int kCapacity = 128;  // a float or int32 has at most 112 exact digits
  char d[kCapacity];
  int count = 0;
  int exponent = 0;

  char at(long i) const { return i >= 0 && i < count ? d[i] : '0'; }

  // Keeps the first `keep` digits, rounding half away from zero.
  void round(long keep) {
    if (keep >= count) return;
    if (keep < 0) {
      count = 0;
      return;
    }
    bool up = d[keep] >= '5';
    count = static_cast<int>(keep);
    if (!up) return;
    int i = count - 1;
    while (i >= 0 && d[i] == '9') --i;
    if (i < 0) {
      d[0] = '1';
      count = 1;
      ++exponent;
    } else {
      ++d[i];
      count = i + 1;
    }
  }
};

// The exact decimal expansion of a finite magnitude that came from a float or
// an int32 (both convert to double exactly).
Digits exactDigits(double magnitude) {
  Digits digits;
  if (magnitude == 0.0) return digits;
  char text[Digits::kCapacity + 16];
  auto end = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific,
                           Digits::kCapacity - 8)
                 .ptr;
  const char* e = std::find(text, end, 'e');
  for (const char* p = text; p < e; ++p)
    if (*p != '.') digits.d[digits.count++] = *p;
  while (digits.count > 0 && digits.d[digits.count - 1] == '0') --digits.count;
  int exponent = 0;
  std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
  digits.exponent = exponent + 1;
  return digits;
}

// |value| × 10^(decimals + scale) rounded to an integer, as Digits with
// `decimals` fraction digits. A float has 24 significant bits and 10^n for
// n ≤ 12 fits in 28, so the product is exact in a double: the common listing
// and matrix fields take this path.
bool fastFixedDigits(double magnitude, int decimals, int scale, Digits& digits) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3,  1e4,  1e5, 1e6,
                                       1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
  int power = decimals + scale;
  if (magnitude >= 16777216.0 || power < 0 || power > 12) return false;
  double scaled = magnitude * kPowers[power];
  double whole = std::floor(scaled);
  auto n = static_cast<uint64_t>(whole) + (scaled - whole >= 0.5 ? 1 : 0);
  char reversed[24];
  int count = 0;
  for (; n != 0; n /= 10) reversed[count++] = static_cast<char>('0' + n % 10);
  std::reverse_copy(reversed, reversed + count, digits.d);
  digits.count = count;
  digits.exponent = count - decimals;
  return true;
}

void fillAsterisks(char* out, int width) {
  std::memset(out, '*', width);
}

char signOf(bool negative, bool plus) {
  return negative ? '-' : plus ? '+' : 0;
}

// F layout of digits already rounded to `decimals` fraction digits; false
// (and asterisks) when they do not fit.
bool renderFixed(char* out, int width, int decimals, const Digits& digits, char sign) {
  int whole = std::max(digits.exponent, 0);
  long length = (sign ? 1 : 0) + whole + 1L + decimals;
  bool leadingZero = whole == 0 && (decimals == 0 || length < width);
  if (length + leadingZero > width) {
    fillAsterisks(out, width);
    return false;
  }
  char* p = out + width - length - leadingZero;
  std::memset(out, ' ', p - out);
  if (sign) *p++ = sign;
  if (leadingZero) *p++ = '0';
  for (int i = 0; i < whole; ++i) *p++ = digits.at(i);
  *p++ = '.';
  for (long i = 0; i < decimals; ++i) *p++ = digits.at(digits.exponent + i);
  return true;
}

// The exponent part of E output: "E+05", "+105" (three digits leave no room
// for the letter), or with Ee the letter, the sign and e digits.
struct ExponentPart {
  int value;
  int places;
  bool letter;

  int length() const { return (letter ? 2 : 1) + places; }

  // False when the exponent has more digits than the form allows.
  bool choose(const NumberStyle& style, int exponent) {
    value = exponent;
    int magnitude = std::abs(exponent);
    places = style.exponentDigits > 0 ? style.exponentDigits : magnitude <= 99 ? 2 : 3;
    letter = style.exponentDigits > 0 || magnitude <= 99;
    int needed = 1;
    for (int rest = magnitude / 10; rest != 0; rest /= 10) ++needed;
    return needed <= places;
  }

  void put(char* p) const {
    if (letter) *p++ = 'E';  // D editing writes the same form as E
    *p++ = value < 0 ? '-' : '+';
    int magnitude = std::abs(value);
    for (int i = places - 1; i >= 0; --i, magnitude /= 10)
      p[i] = static_cast<char>('0' + magnitude % 10);
  }
};

}  // namespace

void writeInteger(char* out, const NumberStyle& style, int64_t value) {
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  int count = 0;
  for (uint64_t rest = magnitude; rest != 0; rest /= 10) ++count;
  char sign = signOf(value < 0, style.plus);
  long length = std::max(count, style.digits) + (sign ? 1L : 0L);
  if (length > style.width) return fillAsterisks(out, style.width);
  char* p = out + style.width;
  for (int i = 0; i < count; ++i, magnitude /= 10) *--p = static_cast<char>('0' + magnitude % 10);
  for (int i = count; i < style.digits; ++i) *--p = '0';
  if (sign) *--p = sign;
  std::memset(out, ' ', p - out);
}

void writeFixed(char* out, const NumberStyle& style, double value) {
  if (!std::isfinite(value)) return fillAsterisks(out, style.width);
  double magnitude = std::fabs(value);
  Digits digits;
  if (!fastFixedDigits(magnitude, style.digits, style.scale, digits)) {
    digits = exactDigits(magnitude);
    digits.exponent += style.scale;
    digits.round(static_cast<long>(digits.exponent) + style.digits);
  }
  renderFixed(out, style.width, style.digits, digits, signOf(value < 0, style.plus));
}

void writeExponent(char* out, const NumberStyle& style, double value) {
  int d = style.digits;
  int k = style.scale;
  if (!std::isfinite(value) || k <= -d || k >= d + 2) return fillAsterisks(out, style.width);
  Digits digits = exactDigits(std::fabs(value));
  digits.round(k <= 0 ? d + k : d + 1);
  ExponentPart exponent;
  if (!exponent.choose(style, digits.count == 0 ? 0 : digits.exponent - k))
    return fillAsterisks(out, style.width);

  char sign = signOf(value < 0, style.plus);
  long length = (sign ? 1 : 0) + (k > 0 ? d + 2L : d + 1L) + exponent.length();
  bool leadingZero = k <= 0 && length < style.width;
  if (length + leadingZero > style.width) return fillAsterisks(out, style.width);
  char* p = out + style.width - length - leadingZero;
  std::memset(out, ' ', p - out);
  if (sign) *p++ = sign;
  if (leadingZero) *p++ = '0';
  long digit = 0;
  for (int i = 0; i < k; ++i) *p++ = digits.at(digit++);
  *p++ = '.';
  for (int i = 0; i < -k; ++i) *p++ = '0';
  for (long i = 0, n = k > 0 ? d - k + 1 : d + k; i < n; ++i) *p++ = digits.at(digit++);
  exponent.put(p);
}

void writeGeneral(char* out, const NumberStyle& style, double value) {
  int d = style.digits;
  if (std::isfinite(value) && value != 0.0 && d > 0) {
    Digits digits = exactDigits(std::fabs(value));
    digits.round(d);
    // 0.1 <= the rounded magnitude < 10^d: fixed form, then blanks where the exponent would be.
    if (digits.exponent >= 0 && digits.exponent <= d) {
      int blanks = style.exponentDigits > 0 ? style.exponentDigits + 2 : 4;
      if (style.width <= blanks) return fillAsterisks(out, style.width);
      int fixedWidth = style.width - blanks;
      char sign = signOf(value < 0, style.plus);
      if (!renderFixed(out, fixedWidth, d - digits.exponent, digits, sign))
        return fillAsterisks(out, style.width);
      std::memset(out + fixedWidth, ' ', blanks);
      return;
    }
  }
  writeExponent(out, style, value);
}

}  // namespace format
