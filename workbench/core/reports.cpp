// The reports of a run's result: the three machine-readable export files and the text report.
#include "reports.h"

#include <algorithm>

#include "numbers.h"
#include "output_file.h"
#include "text_files.h"

QStringList ObservationsReport(const TBrixelOutputFile& output) {
  QStringList lines;
  for (qsizetype i = 0; i < output.PointX.size(); ++i)
    lines.append(QString::asprintf("%10.4f %10.4f", output.PointX[i], output.PointY[i]));
  lines.append(QString::asprintf("%10.4f %10.4f", output.GravityX, output.GravityY));
  return lines;
}

QStringList VariablesReport(const TBrixelOutputFile& output) {
  QStringList lines;
  for (qsizetype i = 0; i < output.Angles.size(); ++i)
    lines.append(QString::asprintf("%4d      %6.3f", RoundHalfEven(output.Angles[i]),
                                   output.Correlations[i]));
  return lines;
}

QStringList AlienationReport(const TBrixelOutputFile& output) {
  return {FixedText(output.Alienation, 4)};
}

namespace {

// The length of the longest of the first count names, at least 1.
int LongestName(const QStringList& names, qsizetype count) {
  qsizetype longest = 1;
  for (qsizetype i = 0; i < std::min(count, names.size()); ++i)
    longest = std::max(longest, names[i].size());
  return static_cast<int>(longest);
}

// The name of point or arrow i left-aligned in width, blank when the output has more points
// or arrows than the table had names. Padded before QString::arg, as a name may hold "%1".
QString PaddedName(const QStringList& names, qsizetype i, int width) {
  return (i < names.size() ? names[i] : QString()).leftJustified(width);
}

}  // namespace

QStringList TextReport(const TBrixelOutputFile& output, const QStringList& observationNames,
                       const QStringList& variableNames) {
  const int w = LongestName(observationNames, output.PointX.size());
  const int v = LongestName(variableNames, output.Angles.size());
  QStringList lines{
      QStringLiteral("Observations Map"),
      QString(18, u'-'),
      QStringLiteral("Coefficient of Alienation: ") + FixedText(output.Alienation, 3),
      QStringLiteral("Center of Gravity: (%1,%2)")
          .arg(FixedText(output.GravityX, 2), FixedText(output.GravityY, 2)),
      QString(w + 6, u' ') + QStringLiteral("X      Y"),
  };
  for (qsizetype i = 0; i < output.PointX.size(); ++i)
    lines.append(QStringLiteral("%1  %2  %3")
                     .arg(PaddedName(observationNames, i, w + 1),
                          QString::asprintf("%6.2f", output.PointX[i]),
                          QString::asprintf("%5.2f", output.PointY[i])));
  lines << QString() << QStringLiteral("Variables Map") << QString(13, u'-')
        << QStringLiteral("Average of Correlations: ") + FixedText(output.AverageCorrelation, 3)
        << QString(v + 3, u' ') + QStringLiteral("Degree  Correlation");
  for (qsizetype i = 0; i < output.Angles.size(); ++i)
    lines.append(QStringLiteral("%1   %2      %3")
                     .arg(PaddedName(variableNames, i, v + 1),
                          QString::asprintf("%4d", RoundHalfEven(output.Angles[i])),
                          QString::asprintf("%4.2f", output.Correlations[i])));
  return lines;
}

void SaveReport(const QStringList& lines, const QString& prefix, const QString& extension) {
  WriteCrLfFile(prefix + extension, lines);
}

void ExportMachineReadable(const TBrixelOutputFile& output, const QString& prefix) {
  SaveReport(ObservationsReport(output), prefix, QStringLiteral(".obs"));
  SaveReport(VariablesReport(output), prefix, QStringLiteral(".var"));
  SaveReport(AlienationReport(output), prefix, QStringLiteral(".coa"));
}
