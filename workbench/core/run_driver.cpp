// The run of one analysis: input files, the pipeline process, its output, and the messages
// of every failure.
#include "run_driver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSettings>

#include "colors.h"
#include "engine_script.h"
#include "errors.h"
#include "pipeline_process.h"
#include "table_form.h"
#include "work_dir.h"

int PipelineTimeLimitSeconds() {
  QSettings settings(QStringLiteral("Kestrane"), QStringLiteral("Brixel"));
  bool ok = false;
  const int seconds = settings.value(QStringLiteral("PipelineTimeLimit"), 120).toInt(&ok);
  return ok && seconds > 0 ? seconds : 120;
}

void CheckAnalysisExtent(const TTableForm& table) {
  if (table.LastRow() < 3 || table.LastCol() < 3)
    throw EBrixError(QStringLiteral(
        "An analysis must be based on at least three observations and three variables."));
}

namespace {

// The old output must be gone, or a failed pipeline would look like a finished one.
void DeleteOldOutput(const QString& outFile) {
  QFile::remove(outFile);
  if (QFile::exists(outFile))
    throw EBrixError(QStringLiteral("Cannot delete file %1").arg(outFile));
}

QString EndedWithoutOutput(PipelineProcess& process) {
  const QStringList lines = process.ErrorOutput().split(u'\n', Qt::SkipEmptyParts);
  QString message = QStringLiteral("the analysis programs ended without writing their results");
  if (!lines.isEmpty()) message += QStringLiteral(" (") + lines.last().trimmed() + u')';
  return message;
}

// The script renames its output into place as its last step, so the file is complete as
// soon as it exists.
void WaitForOutput(const QString& outFile, PipelineProcess& process, const RunSettings& settings,
                   const std::function<bool()>& keepWaiting) {
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    const bool ended = process.WaitForFinished(settings.pollMs);
    if (QFile::exists(outFile)) break;
    if (ended) throw EBrixError(EndedWithoutOutput(process));
    if (clock.elapsed() >= settings.timeLimitMs) {
      process.Kill();
      throw EBrixError(QStringLiteral("the analysis programs did not finish within %1 seconds")
                           .arg(settings.timeLimitMs / 1000.0));
    }
    if (keepWaiting && !keepWaiting()) {
      process.Kill();
      throw ERunCancelled();
    }
  }
  process.WaitForFinished(settings.pollMs * 20);
}

RunResult RunGuarded(const TTableForm& table, const RunSettings& settings,
                     PipelineLauncher& launcher, const std::function<bool()>& keepWaiting, int& n) {
  const QString& workDir = settings.workDir;
  const QString base = BasePath(workDir);
  RunResult result;
  result.input = PrepareAnalysis(table, base);
  n = result.input.n;
  WriteScript(base, n);
  result.colors = ObservationColors(table, result.input.rows);
  const QString outFile = base + QStringLiteral(".out");
  DeleteOldOutput(outFile);
  // The drive argument of the script has no meaning here and is passed empty.
  const auto process =
      launcher.Start(QStringLiteral("/bin/sh"),
                     {workDir + QStringLiteral("brixel.sh"), base, workDir, QString()}, workDir);
  WaitForOutput(outFile, *process, settings, keepWaiting);
  result.output = std::make_unique<TBrixelOutputFile>(outFile);
  result.output->ReadOutput();
  return result;
}

}  // namespace

RunResult RunAnalysis(const TTableForm& table, const RunSettings& settings,
                      PipelineLauncher& launcher, const std::function<bool()>& keepWaiting) {
  CheckAnalysisExtent(table);
  int n = 0;
  try {
    return RunGuarded(table, settings, launcher, keepWaiting, n);
  } catch (const ERunCancelled&) {
    throw;
  } catch (const std::exception& error) {
    throw EBrixError(RunFailureMessage(error, n));
  }
}
