// The run of one analysis: input files, the pipeline process, its output, and the messages
// of every failure.
#pragma once

#include <QList>
#include <QString>
#include <exception>
#include <functional>
#include <memory>

#include "output_file.h"
#include "prepare_analysis.h"

class PipelineLauncher;
class TTableForm;

struct RunSettings {
  QString workDir;           // with its trailing "/"
  int timeLimitMs = 120000;  // how long the pipeline may take
  int pollMs = 50;           // how often the output is looked for
};

// The time limit of a run in seconds, the settings value "PipelineTimeLimit" (default 120).
int PipelineTimeLimitSeconds();

struct RunResult {
  std::unique_ptr<TBrixelOutputFile> output;
  QList<int> colors;  // one colour code per analysed observation
  AnalysisInput input;
};

// Raises EBrixError unless the table's extent holds three observations and three variables.
void CheckAnalysisExtent(const TTableForm& table);

// Runs the analysis of the table. Raises EBrixError with the message to show: the extent
// message, or the fixed message that a failure of the run maps to. keepWaiting is asked at
// every poll while the pipeline runs; when it answers false the run ends with ERunCancelled.
RunResult RunAnalysis(const TTableForm& table, const RunSettings& settings,
                      PipelineLauncher& launcher, const std::function<bool()>& keepWaiting = {});

// The message shown for a failure inside a run; n is the number of analysed observations,
// 0 when the failure came before it was known.
QString RunFailureMessage(const std::exception& error, int n);
