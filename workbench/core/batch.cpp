// The command line of the workbench and the batch mode that analyses a directory of tables.
#include "batch.h"

#include <QDir>
#include <algorithm>

#include "errors.h"
#include "reports.h"
#include "workbench.h"

const char* const kUnknownOptionMessage =
    "Visual Brixel was activated with an unknown command line option. Press Ok to start the "
    "program in interactive mode.";
const char* const kNoBatchDirectoryMessage =
    "Visual Brixel was activated in batch mode, but without providing a valid directory to "
    "analyze. The program will now exit.";

CommandLine ParseCommandLine(const QStringList& arguments) {
  if (arguments.isEmpty()) return {};
  const QString directory = arguments.value(1);
  if (arguments[0] == u"-fullbatch") return {StartMode::FullBatch, directory};
  if (arguments[0] == u"-fastbatch") return {StartMode::FastBatch, directory};
  return {StartMode::UnknownOption, {}};
}

bool IsBatchDirectory(const QString& directory) {
  return !directory.isEmpty() && QDir(directory).exists();
}

namespace {

// The table files of the directory sorted by name, so that runs are reproducible.
QStringList TableFiles(const QDir& dir) {
  QStringList names = dir.entryList({QStringLiteral("*.tbl")},
                                    QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
  std::sort(names.begin(), names.end());
  return names;
}

void AnalyseTable(const QString& path, Workbench& workbench, PipelineLauncher& launcher,
                  const ExtraExport& extraExport) {
  const auto table = workbench.CreateTableWindow(path);
  table->LoadFromFile();
  const Plot plot = workbench.Run(*table, launcher);
  if (extraExport) extraExport(plot, path);
  ExportMachineReadable(*plot.result.output, path);
}

}  // namespace

BatchOutcome RunBatch(const QString& directory, Workbench& workbench, PipelineLauncher& launcher,
                      QTextStream& errors, const ExtraExport& extraExport) {
  BatchOutcome outcome;
  if (!IsBatchDirectory(directory)) return outcome;
  const QDir dir(directory);
  outcome.directoryFound = true;
  for (const QString& name : TableFiles(dir)) {
    const QString path = dir.filePath(name);
    ++outcome.tables;
    try {
      AnalyseTable(path, workbench, launcher, extraExport);
    } catch (const EBrixError& error) {
      ++outcome.failed;
      errors << path << ": "
             << QString(error.message()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
             << Qt::endl;
    }
  }
  return outcome;
}
