// Conversion of single numeric fields: reading the text of an I, F, E, D or G
// field, and editing a number into a field of fixed width.
#pragma once

#include <cstdint>
#include <string_view>

namespace format {

// Input. `field` holds the characters of the field that lie inside the record
// (the blanks that pad a short record never count as zeros). False when the
// field holds a character that cannot stand there or a value out of range.
bool readInteger(std::string_view field, bool blankZero, int32_t& value);
// Fw.d rules: without a decimal point the point is implied `decimals` digits
// from the right; without an exponent the value is divided by 10^scale. The
// result is the decimal value correctly rounded to float.
bool readReal(std::string_view field, int decimals, int scale, bool blankZero, float& value);

// Output. Each writes exactly `width` characters to `out`: the number
// right-justified, or asterisks when it does not fit.
struct NumberStyle {
  int width;
  int digits;          // I: minimum digits; F, E, D, G: decimals
  int exponentDigits;  // E, G: digits of the exponent, 0 for the default form
  int scale;           // kP
  bool plus;           // SP: a plus sign before positive values
};
void writeInteger(char* out, const NumberStyle& style, int64_t value);
void writeFixed(char* out, const NumberStyle& style, double value);
void writeExponent(char* out, const NumberStyle& style, double value);
void writeGeneral(char* out, const NumberStyle& style, double value);

}  // namespace format
