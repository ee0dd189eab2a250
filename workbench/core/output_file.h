// The parsed result of one run: points, arrows and the two figures of fit.
#pragma once

#include <QByteArray>
#include <QString>

#include "lists.h"

class TTextFileParser;

class TBrixelOutputFile {
 public:
  explicit TBrixelOutputFile(const QString& fileName) : FileName(fileName) {}

  // Parses FileName (opened read-only); raises EConvertError when a number cannot be read.
  void ReadOutput();
  // The same parse from bytes already in memory.
  void ReadOutput(const QByteArray& bytes);

  QString FileName;
  int PointCount = 0;
  int VariableCount = 0;
  float Alienation = 0;
  float AverageCorrelation = 0;
  float GravityX = 0;
  float GravityY = 0;
  TNumbersList PointX;
  TNumbersList PointY;
  TNumbersList Correlations;
  TNumbersList Angles;

 private:
  void Parse(TTextFileParser& parser);
};
