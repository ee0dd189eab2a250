// The command line of the workbench and the batch mode that analyses a directory of tables.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>

class PipelineLauncher;
class Workbench;
struct Plot;

enum class StartMode { Interactive, UnknownOption, FullBatch, FastBatch };

struct CommandLine {
  StartMode mode = StartMode::Interactive;
  QString directory;
};

// Only the first argument counts, compared exactly; the second is the batch directory.
CommandLine ParseCommandLine(const QStringList& arguments);

// Whether a batch can run on the directory (it is named and exists).
bool IsBatchDirectory(const QString& directory);

extern const char* const kUnknownOptionMessage;
extern const char* const kNoBatchDirectoryMessage;

// Called for each analysed table before its machine-readable files are written (the full
// batch adds the plot bitmap and the text report there).
using ExtraExport = std::function<void(const Plot& plot, const QString& prefix)>;

struct BatchOutcome {
  bool directoryFound = false;
  int tables = 0;
  int failed = 0;
};

// Analyses every *.tbl file of the directory in name order and writes name.tbl.obs, .var and
// .coa beside each; a failing table's message goes to errors, prefixed with its path, and the
// next table follows.
BatchOutcome RunBatch(const QString& directory, Workbench& workbench, PipelineLauncher& launcher,
                      QTextStream& errors, const ExtraExport& extraExport = {});
