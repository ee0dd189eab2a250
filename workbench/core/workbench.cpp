// The workbench's session: the work directory, the table and plot counters, and the commands
// that create tables and plots.
#include "workbench.h"

#include "work_dir.h"

void Workbench::InitWorkDir(const QString& programDir) {
  const QString dir = ::InitWorkDir();
  for (const QString& program : PipelinePrograms()) InstallProgram(program, programDir, dir);
  workDir_ = dir;
}

std::unique_ptr<TTableForm> Workbench::CreateTableWindow(const QString& name) {
  ++windowCount_;
  auto table = std::make_unique<TTableForm>();
  table->SetFileName(name.isEmpty() ? QStringLiteral("NONAME%1").arg(windowCount_) : name);
  return table;
}

Plot Workbench::Run(const TTableForm& table, PipelineLauncher& launcher,
                    const std::function<bool()>& keepWaiting) {
  RunSettings settings;
  settings.workDir = workDir_;
  settings.timeLimitMs = timeLimitMs_;
  RunResult result = RunAnalysis(table, settings, launcher, keepWaiting);
  ++plotCount_;
  return {std::move(result), QStringLiteral("Plot %1 - ").arg(plotCount_) + table.FileName()};
}
