// Observation colours: the sixteen colour codes and the colour of each analysed observation.
#include "colors.h"

#include <cmath>

#include "errors.h"
#include "numbers.h"
#include "table_form.h"

namespace {

constexpr ColorEntry kColors[] = {
    {1, "Blue", 0x0000FF},      {2, "Red", 0xFF0000},    {3, "Green", 0x008000},
    {4, "Yellow", 0xFFFF00},    {5, "Maroon", 0x800000}, {6, "White", 0xFFFFFF},
    {7, "Dark Gray", 0x808080}, {8, "Purple", 0x800080}, {9, "Navy", 0x000080},
    {10, "Silver", 0xC0C0C0},   {11, "Olive", 0x808000}, {12, "Teal", 0x008080},
    {13, "Fuchsia", 0xFF00FF},  {14, "Aqua", 0x00FFFF},  {15, "Lime", 0x00FF00},
    {16, "Black", 0x000000},
};

[[noreturn]] void NoSuchColor(const QString& code) {
  throw EBrixError(QStringLiteral("color ") + code);
}

int ColorCode(const QString& cell) {
  double value = 0;
  // A cell that is not a number is reported as a colour that does not exist; as a plain
  // conversion error it would be blamed on the variables of the analysis.
  if (!TryStrToFloat(cell, value)) NoSuchColor(TrimBlanks(cell));
  const double code = std::nearbyint(value);
  if (code < 1 || code > 16) NoSuchColor(QString::number(code + 0.0, 'f', 0));  // + 0.0: no "-0"
  return static_cast<int>(code);
}

}  // namespace

const ColorEntry& ColorOfCode(int code) {
  return kColors[code - 1];
}

QList<int> ObservationColors(const TTableForm& table, const TIntegerList& rows) {
  const int colorCol = table.FindColorCol();
  QList<int> codes;
  for (int row : rows)
    codes.append(colorCol < 0 ? kAutomaticColor : ColorCode(table.Cell(colorCol, row)));
  return codes;
}
