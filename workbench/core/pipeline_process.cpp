// Starting the pipeline script as a separate process, behind an interface that tests fake.
#include "pipeline_process.h"

#include <QProcess>

#include "errors.h"

namespace {

class QtPipelineProcess : public PipelineProcess {
 public:
  QtPipelineProcess() { process_.setStandardInputFile(QProcess::nullDevice()); }
  ~QtPipelineProcess() override {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished(1000);
    }
  }

  void Start(const QString& program, const QStringList& arguments, const QString& workDir) {
    process_.setWorkingDirectory(workDir);
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.start(program, arguments);
    if (!process_.waitForStarted())
      throw EBrixError(QStringLiteral("Cannot start %1: %2").arg(program, process_.errorString()));
  }

  bool WaitForFinished(int ms) override {
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(ms);
  }
  void Kill() override { process_.kill(); }
  QString ErrorOutput() override {
    errors_ += QString::fromLocal8Bit(process_.readAllStandardError());
    return errors_;
  }

 private:
  QProcess process_;
  QString errors_;
};

}  // namespace

std::unique_ptr<PipelineProcess> QProcessLauncher::Start(const QString& program,
                                                         const QStringList& arguments,
                                                         const QString& workDir) {
  auto process = std::make_unique<QtPipelineProcess>();
  process->Start(program, arguments, workDir);
  return process;
}
