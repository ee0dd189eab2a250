// Helpers of the workbench tests: a private work directory, files, a table builder and a fake
// pipeline.
#include "test_support.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QThread>

#include <cstdlib>

namespace {

// QProcess and QSettings want an application object.
class QtEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "workbench_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QCoreApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QCoreApplication> app_;
};

testing::Environment* const qtEnvironment = testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

ScratchDir::ScratchDir() : oldWorkDir_(qgetenv("BRIXVIEW_WORKDIR")) {
  qputenv("BRIXVIEW_WORKDIR", QFile::encodeName(path()));
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path());
}

ScratchDir::~ScratchDir() {
  if (oldWorkDir_.isEmpty())
    qunsetenv("BRIXVIEW_WORKDIR");
  else
    qputenv("BRIXVIEW_WORKDIR", oldWorkDir_);
}

QByteArray ReadBytes(const QString& fileName) {
  QFile file(fileName);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
  return file.readAll();
}

void WriteBytes(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << fileName.toStdString();
  file.write(bytes);
}

QByteArray TestData(const QString& name) {
  return ReadBytes(QStringLiteral(BRIX_SOURCE_DIR "/tests/workbench/data/") + name);
}

std::unique_ptr<TTableForm> MakeTable(const QStringList& rows) {
  auto table = std::make_unique<TTableForm>();
  for (int r = 0; r < rows.size(); ++r) {
    const QStringList cells = rows[r].split(u' ', Qt::SkipEmptyParts);
    for (int c = 0; c < cells.size(); ++c)
      table->SetCell(c + 1, r + 1, cells[c] == u"_" ? QString() : cells[c]);
  }
  table->RecalcExtent();
  return table;
}

namespace {

class FakeProcess : public PipelineProcess {
 public:
  explicit FakeProcess(FakeLauncher& launcher) : launcher_(launcher) {}

  bool WaitForFinished(int ms) override {
    switch (launcher_.behaviour) {
      case FakeLauncher::Behaviour::WriteOutput:
        WriteBytes(launcher_.arguments.value(1) + QStringLiteral(".out"), launcher_.output);
        return true;
      case FakeLauncher::Behaviour::EndWithoutOutput:
        return true;
      case FakeLauncher::Behaviour::Hang:
        QThread::msleep(ms);
        return false;
    }
    return true;
  }
  void Kill() override { launcher_.killed = true; }
  QString ErrorOutput() override { return launcher_.errorOutput; }

 private:
  FakeLauncher& launcher_;
};

}  // namespace

std::unique_ptr<PipelineProcess> FakeLauncher::Start(const QString& startedProgram,
                                                     const QStringList& startedArguments,
                                                     const QString&) {
  ++starts;
  program = startedProgram;
  arguments = startedArguments;
  return std::make_unique<FakeProcess>(*this);
}
