// Writing whole text files whose lines end with CR LF.
#pragma once

#include <QString>
#include <QStringList>

// Writes the lines, each ended by CR LF, replacing the file; a failure raises EBrixError with
// the system's message and leaves any earlier file with that name unchanged.
void WriteCrLfFile(const QString& fileName, const QStringList& lines);
