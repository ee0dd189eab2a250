// Number conversion and formatting shared by the workbench's readers, writers and reports.
#include "numbers.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

#include "errors.h"

bool TryStrToFloat(const QString& text, double& value) {
  // Only plain decimal notation: no "inf", "nan", hexadecimal or digit grouping.
  static const QRegularExpression decimal(
      QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
  const QString trimmed = TrimBlanks(text);
  if (!decimal.match(trimmed).hasMatch()) return false;
  bool ok = false;
  value = trimmed.toDouble(&ok);
  return ok && std::isfinite(value);
}

double StrToFloat(const QString& text) {
  double value = 0;
  if (!TryStrToFloat(text, value))
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
  return value;
}

int RoundHalfEven(double value) {
  const double rounded = std::nearbyint(value);  // default rounding mode: halves to even
  if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(value));
  return static_cast<int>(rounded);
}

QString FixedText(double value, int decimals) {
  QString text = QString::asprintf("%.*f", decimals, value);
  if (text.startsWith(u'-') && text.mid(1).count(QRegularExpression(QStringLiteral("[1-9]"))) == 0)
    text.remove(0, 1);
  return text;
}

QString TrimBlanks(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text[begin].unicode() <= u' ') ++begin;
  while (end > begin && text[end - 1].unicode() <= u' ') --end;
  return text.mid(begin, end - begin);
}
