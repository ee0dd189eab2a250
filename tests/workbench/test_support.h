// Helpers of the workbench tests: a private work directory, files, a table builder and a fake
// pipeline.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

#include "pipeline_process.h"
#include "table_form.h"

// A temporary directory that is also the work directory ($BRIXVIEW_WORKDIR) and the home of
// the settings, so that no test touches the user's own.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  QString path() const { return dir_.path(); }
  QString file(const QString& name) const { return dir_.filePath(name); }
  QString workDir() const { return path() + u'/'; }

 private:
  QTemporaryDir dir_;
  QByteArray oldWorkDir_;
};

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

QByteArray ReadBytes(const QString& fileName);
void WriteBytes(const QString& fileName, const QByteArray& bytes);
QByteArray TestData(const QString& name);  // a file of tests/workbench/data

// A table whose cells are given row by row, columns separated by blanks ("_" for empty).
std::unique_ptr<TTableForm> MakeTable(const QStringList& rows);

// A pipeline that does what a test tells it, without starting anything.
class FakeLauncher : public PipelineLauncher {
 public:
  enum class Behaviour { WriteOutput, EndWithoutOutput, Hang };

  std::unique_ptr<PipelineProcess> Start(const QString& program, const QStringList& arguments,
                                         const QString& workDir) override;

  Behaviour behaviour = Behaviour::WriteOutput;
  QByteArray output = TestData(QStringLiteral("pipeline.out"));  // written to arguments[1] + ".out"
  QString errorOutput;
  int starts = 0;
  QString program;
  QStringList arguments;
  bool killed = false;
};
