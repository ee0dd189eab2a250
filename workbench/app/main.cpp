// brixview: the workbench program. For now it runs the fast batch mode; the windows of the
// interactive workbench and of the full batch mode are not built yet.
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include "batch.h"
#include "errors.h"
#include "pipeline_process.h"
#include "run_driver.h"
#include "workbench.h"

namespace {

int NotBuiltYet(QTextStream& err, const char* what) {
  err << what << Qt::endl;
  return 1;
}

int FastBatch(const QString& directory, QTextStream& out, QTextStream& err) {
  Workbench workbench;
  workbench.SetTimeLimitMs(PipelineTimeLimitSeconds() * 1000);
  try {
    workbench.InitWorkDir(QCoreApplication::applicationDirPath());
  } catch (const EBrixError& error) {
    err << error.message() << Qt::endl;
    return 1;
  }
  QProcessLauncher launcher;
  const BatchOutcome outcome = RunBatch(directory, workbench, launcher, err);
  out << "Analysed " << outcome.tables - outcome.failed << " of " << outcome.tables << " tables in "
      << QDir::toNativeSeparators(directory) << "." << Qt::endl;
  return outcome.failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Kestrane"));
  QCoreApplication::setApplicationName(QStringLiteral("Brixel"));
  QTextStream out(stdout);
  QTextStream err(stderr);
  const CommandLine command = ParseCommandLine(app.arguments().mid(1));
  const bool batch = command.mode == StartMode::FastBatch || command.mode == StartMode::FullBatch;
  if (batch && !IsBatchDirectory(command.directory)) {
    err << kNoBatchDirectoryMessage << Qt::endl;
    return 1;
  }
  switch (command.mode) {
    case StartMode::FastBatch:
      return FastBatch(command.directory, out, err);
    case StartMode::FullBatch:
      return NotBuiltYet(err, "The full batch mode needs the plot window, which is not built yet.");
    case StartMode::UnknownOption:
      err << kUnknownOptionMessage << Qt::endl;
      [[fallthrough]];
    case StartMode::Interactive:
      break;
  }
  return NotBuiltYet(
      err, "The interactive workbench is not built yet; use brixview -fastbatch <directory>.");
}
