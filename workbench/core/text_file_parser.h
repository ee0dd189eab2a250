// A forward-only scanner over the pipeline output: keywords and fixed-point numbers.
#pragma once

#include <QByteArray>
#include <QString>

class TTextFileParser {
 public:
  explicit TTextFileParser(QByteArray bytes) : bytes_(std::move(bytes)) {}
  // Reads the whole file, opened read-only; raises EBrixError "Cannot open file %s".
  static TTextFileParser FromFile(const QString& fileName);

  bool EndOfFile() const { return pos_ >= bytes_.size(); }
  // Advances past the first occurrence of word; a mismatching byte is not retried as the
  // word's first character. Without an occurrence the scanner ends at the end of the file.
  void FindKeyword(const QByteArray& word);
  // The next number: an optional "-" or "." directly before a digit, then digits and points.
  // Raises EConvertError when the file ends before a number or the text does not convert.
  double ReadNumber();
  // The byte read last.
  char Current() const { return current_; }

 private:
  // Reads up to the first digit of a number; text holds a "-" or "." read directly before it.
  // False when the file ends first.
  bool FindNumberStart(QByteArray& text);
  // Appends the digits and points from the current byte on.
  void CollectNumber(QByteArray& text);
  char Next() { return current_ = bytes_[pos_++]; }

  QByteArray bytes_;
  qsizetype pos_ = 0;
  char current_ = 0;
};
