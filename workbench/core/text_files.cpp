// Writing whole text files whose lines end with CR LF.
#include "text_files.h"

#include <QSaveFile>

#include "errors.h"

void WriteCrLfFile(const QString& fileName, const QStringList& lines) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly))
    throw EBrixError(QStringLiteral("Cannot create file %1: %2").arg(fileName, file.errorString()));
  for (const QString& line : lines) file.write((line + QStringLiteral("\r\n")).toUtf8());
  if (!file.commit())
    throw EBrixError(QStringLiteral("Cannot write file %1: %2").arg(fileName, file.errorString()));
}
