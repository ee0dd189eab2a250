// A forward-only scanner over the pipeline output: keywords and fixed-point numbers.
#include "text_file_parser.h"

#include <QFile>

#include "errors.h"
#include "numbers.h"

TTextFileParser TTextFileParser::FromFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw EBrixError(QStringLiteral("Cannot open file %1").arg(fileName));
  return TTextFileParser(file.readAll());
}

void TTextFileParser::FindKeyword(const QByteArray& word) {
  qsizetype matched = 0;
  while (!EndOfFile() && matched < word.size()) matched = Next() == word[matched] ? matched + 1 : 0;
}

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

bool TTextFileParser::FindNumberStart(QByteArray& text) {
  while (!EndOfFile()) {
    Next();
    if (current_ == '-' || current_ == '.') {
      text = QByteArray(1, current_);
      if (EndOfFile()) return false;
      Next();
      if (!IsDigit(current_)) text.clear();  // that byte is not looked at again
    }
    if (IsDigit(current_)) return true;
  }
  return false;
}

void TTextFileParser::CollectNumber(QByteArray& text) {
  for (;;) {
    text += current_;
    if (EndOfFile()) return;
    Next();  // the byte that ends the number is consumed
    if (current_ != '.' && !IsDigit(current_)) return;
  }
}

double TTextFileParser::ReadNumber() {
  QByteArray text;
  if (FindNumberStart(text)) CollectNumber(text);
  return StrToFloat(QString::fromLatin1(text));
}
