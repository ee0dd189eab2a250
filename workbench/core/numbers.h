// Number conversion and formatting shared by the workbench's readers, writers and reports.
#pragma once

#include <QString>

// Converts a decimal number with "." as the decimal point (optional sign and exponent,
// surrounding blanks allowed); raises EConvertError "'s' is not a valid floating point value".
double StrToFloat(const QString& text);

// The same conversion without raising: false when the text is not a decimal number.
bool TryStrToFloat(const QString& text, double& value);

// Nearest integer with halves going to the even one; raises EConvertError when the value
// does not fit an int (so a malformed count or angle never becomes undefined behaviour).
int RoundHalfEven(double value);

// Fixed-point text with the given decimals; a value that rounds to zero has no minus sign.
QString FixedText(double value, int decimals);

// Removes blanks and control characters (everything up to the space character) from both
// ends, the trimming rule of cell texts.
QString TrimBlanks(const QString& text);
