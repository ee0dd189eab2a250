// Starting the pipeline script as a separate process, behind an interface that tests fake.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// A started pipeline.
class PipelineProcess {
 public:
  virtual ~PipelineProcess() = default;
  // Waits at most ms milliseconds; true once the process has ended.
  virtual bool WaitForFinished(int ms) = 0;
  virtual void Kill() = 0;
  // What the process wrote to its standard error so far (for the failure message).
  virtual QString ErrorOutput() = 0;
};

class PipelineLauncher {
 public:
  virtual ~PipelineLauncher() = default;
  // Starts program with arguments in workDir without waiting for it; raises EBrixError when
  // it cannot be started.
  virtual std::unique_ptr<PipelineProcess> Start(const QString& program,
                                                 const QStringList& arguments,
                                                 const QString& workDir) = 0;
};

// The real launcher: a QProcess with no console window.
class QProcessLauncher : public PipelineLauncher {
 public:
  std::unique_ptr<PipelineProcess> Start(const QString& program, const QStringList& arguments,
                                         const QString& workDir) override;
};
