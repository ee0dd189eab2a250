// The workbench's session: the work directory, the table and plot counters, and the commands
// that create tables and plots.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "run_driver.h"
#include "table_form.h"

class PipelineLauncher;

struct Plot {
  RunResult result;
  QString caption;  // "Plot " + number + " - " + table name
};

class Workbench {
 public:
  // Sets up the private work directory and installs the pipeline's programs into it, taken
  // from programDir (beside the workbench) or else the current directory.
  void InitWorkDir(const QString& programDir);
  const QString& WorkDir() const { return workDir_; }
  // Uses a work directory that is already set up (with its trailing "/").
  void SetWorkDir(const QString& dir) { workDir_ = dir; }

  int WindowCount() const { return windowCount_; }
  int PlotCount() const { return plotCount_; }

  // A new table named name, or "NONAME" + the window count when name is empty.
  std::unique_ptr<TTableForm> CreateTableWindow(const QString& name = {});

  // The Run command on a table; a failed run raises EBrixError and counts no plot.
  Plot Run(const TTableForm& table, PipelineLauncher& launcher,
           const std::function<bool()>& keepWaiting = {});

  // The matrix of correlations between the table's analysed variables, as a new table.
  std::unique_ptr<TTableForm> CorrelationsMatrix(const TTableForm& table);

  // How long a run may wait for the pipeline.
  void SetTimeLimitMs(int ms) { timeLimitMs_ = ms; }

 private:
  int timeLimitMs_ = 120000;
  QString workDir_;
  int windowCount_ = 0;
  int plotCount_ = 0;
};
