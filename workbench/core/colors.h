// Observation colours: the sixteen colour codes and the colour of each analysed observation.
#pragma once

#include <QList>
#include <QString>
#include <cstdint>

#include "lists.h"

class TTableForm;

struct ColorEntry {
  int code;
  const char* name;
  std::uint32_t rgb;  // 0xRRGGBB
};

// The colour of code 1 to 16.
const ColorEntry& ColorOfCode(int code);

// The code that lets the plot choose a point's colour by itself.
constexpr int kAutomaticColor = 0;

// One code per analysed row: kAutomaticColor everywhere when the table has no "Color"
// column, else the colour cell rounded to the nearest integer (halves to even). A code
// outside 1..16, or a cell that is not a number, raises EBrixError "color " + the cell.
QList<int> ObservationColors(const TTableForm& table, const TIntegerList& rows);
