// The reports of a run's result: the three machine-readable export files and the text report.
#pragma once

#include <QString>
#include <QStringList>

class TBrixelOutputFile;

// Point coordinates "%10.4f %10.4f", one line per point, then the centre of gravity.
QStringList ObservationsReport(const TBrixelOutputFile& output);
// Direction in whole degrees (halves to even) and correlation, "%4d      %6.3f".
QStringList VariablesReport(const TBrixelOutputFile& output);
// The coefficient of alienation with four decimals.
QStringList AlienationReport(const TBrixelOutputFile& output);
// The numbers of the plot as readable text.
QStringList TextReport(const TBrixelOutputFile& output, const QStringList& observationNames,
                       const QStringList& variableNames);

// Writes the lines to prefix + extension, each ended by CR LF.
void SaveReport(const QStringList& lines, const QString& prefix, const QString& extension);

// The ".obs", ".var" and ".coa" files of a result, in this order.
void ExportMachineReadable(const TBrixelOutputFile& output, const QString& prefix);
