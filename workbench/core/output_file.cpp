// The parsed result of one run: points, arrows and the two figures of fit.
#include "output_file.h"

#include "numbers.h"
#include "text_file_parser.h"

namespace {

float ReadSingle(TTextFileParser& parser) {
  return static_cast<float>(parser.ReadNumber());
}

}  // namespace

void TBrixelOutputFile::ReadOutput() {
  TTextFileParser parser = TTextFileParser::FromFile(FileName);
  Parse(parser);
}

void TBrixelOutputFile::ReadOutput(const QByteArray& bytes) {
  TTextFileParser parser(bytes);
  Parse(parser);
}

void TBrixelOutputFile::Parse(TTextFileParser& parser) {
  // The engine's results page: the number of points, the fit, then the coordinates table,
  // whose heading holds the axis numbers and whose lines start with the serial number and
  // the distance from the centroid.
  parser.FindKeyword("variables");
  PointCount = RoundHalfEven(parser.ReadNumber());
  parser.FindKeyword("Alienation");
  Alienation = ReadSingle(parser);
  parser.ReadNumber();
  parser.ReadNumber();
  for (int i = 0; i < PointCount; ++i) {
    parser.ReadNumber();
    parser.ReadNumber();
    PointX.append(ReadSingle(parser));
    PointY.append(ReadSingle(parser));
  }
  // The arrow program's results.
  parser.FindKeyword("VARIABLES");
  VariableCount = RoundHalfEven(parser.ReadNumber());
  parser.FindKeyword("GRAVITY");
  GravityX = ReadSingle(parser);
  GravityY = ReadSingle(parser);
  parser.FindKeyword("CORRELATIONS");
  for (int i = 0; i < VariableCount; ++i) {
    parser.ReadNumber();
    Correlations.append(ReadSingle(parser));
    Angles.append(ReadSingle(parser));
  }
  AverageCorrelation = ReadSingle(parser);
}
