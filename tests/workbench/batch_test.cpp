// The command line and the fast batch mode, with a fake pipeline, a fake pipeline script run
// as a real process, and the brixview program itself.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include "batch.h"
#include "test_support.h"
#include "workbench.h"

namespace {

TEST(Batch, OnlyTheFirstArgumentCountsAndExactly) {
  struct Case {
    QStringList arguments;
    StartMode mode;
    QString directory;
  };
  const Case cases[] = {
      {{}, StartMode::Interactive, ""},
      {{"-fastbatch", "/d"}, StartMode::FastBatch, "/d"},
      {{"-fullbatch", "/d", "-x"}, StartMode::FullBatch, "/d"},
      {{"-fastbatch"}, StartMode::FastBatch, ""},
      {{"-FULLBATCH", "/d"}, StartMode::UnknownOption, ""},
      {{"/d", "-fastbatch"}, StartMode::UnknownOption, ""},
  };
  for (const Case& c : cases) {
    const CommandLine command = ParseCommandLine(c.arguments);
    EXPECT_EQ(command.mode, c.mode) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(command.directory, c.directory);
  }
}

class BatchTest : public testing::Test {
 protected:
  BatchTest() {
    QDir().mkdir(tables());
    workbench.SetWorkDir(dir.workDir());
  }
  QString tables() const { return dir.file("tables"); }
  void AddTable(const QString& name, const QByteArray& text) {
    WriteBytes(tables() + "/" + name, text);
  }

  ScratchDir dir;
  Workbench workbench;
  QString errors;
  QTextStream errorStream{&errors};
};

TEST_F(BatchTest, AnalysesEveryTableAndGoesOnAfterAFailure) {
  AddTable("b.tbl", "1 2 3\n4 5 6\n7 8 9\n");
  AddTable("a.tbl", "1 2 3\n4 x 6\n7 8 9\n");
  AddTable("c.TBL", "1 2 3\n4 5 6\n7 8 1\n");
  AddTable("notes.txt", "not a table");
  FakeLauncher launcher;
  const BatchOutcome outcome = RunBatch(tables(), workbench, launcher, errorStream);
  EXPECT_TRUE(outcome.directoryFound);
  EXPECT_EQ(outcome.tables, 3);
  EXPECT_EQ(outcome.failed, 1);
  EXPECT_EQ(launcher.starts, 2);
  EXPECT_EQ(errors,
            tables() +
                "/a.tbl: An Error Occured in analyzed row 2, analyzed column 2: The value 'x' "
                "is not a valid number.\nMake sure that a number appears in every square "
                "whose row and column are marked as being 'In' the analysis. Mark rows and "
                "columns that contain words as 'Out', or as 'Name' if you would like to "
                "use them as titles.\n");
  for (const char* file : {"b.tbl", "c.TBL"}) {
    const QString prefix = tables() + "/" + file;
    EXPECT_TRUE(ReadBytes(prefix + ".obs").startsWith("  100.0000    62.5000\r\n"));
    EXPECT_EQ(ReadBytes(prefix + ".var"),
              "  47       0.931\r\n 182       0.812\r\n 301       0.600\r\n");
    EXPECT_EQ(ReadBytes(prefix + ".coa"), "0.0832\r\n");
  }
  EXPECT_FALSE(QFile::exists(tables() + "/a.tbl.obs"));
  EXPECT_EQ(workbench.PlotCount(), 2);
}

TEST_F(BatchTest, MissingDirectoryAnalysesNothing) {
  FakeLauncher launcher;
  EXPECT_FALSE(RunBatch(dir.file("none"), workbench, launcher, errorStream).directoryFound);
  EXPECT_FALSE(RunBatch("", workbench, launcher, errorStream).directoryFound);
  EXPECT_EQ(launcher.starts, 0);
}

// A pipeline script that copies a prepared output into place, run through the real launcher:
// checks the command line, the working directory and the wait for the renamed output.
TEST_F(BatchTest, RealProcessWithAStandInScript) {
  WriteBytes(dir.file("prepared.out"), TestData("pipeline.out"));
  WriteBytes(dir.file("brixel.sh"),
             "test \"$(pwd)/\" = \"$2\" || { echo wrong directory >&2; exit 1; }\n"
             "test -f \"$1.in\" && test -f \"$1.dsk\" && test -z \"$3\" || exit 1\n"
             "cp prepared.out \"$1.out.tmp\" && mv \"$1.out.tmp\" \"$1.out\"\n");
  AddTable("t.tbl", "1 2 3\n4 5 6\n7 8 1\n");
  QProcessLauncher launcher;
  const BatchOutcome outcome = RunBatch(tables(), workbench, launcher, errorStream);
  EXPECT_EQ(outcome.failed, 0) << errors.toStdString();
  EXPECT_EQ(ReadBytes(tables() + "/t.tbl.coa"), "0.0832\r\n");

  WriteBytes(dir.file("brixel.sh"), "echo 'korva: not built yet' >&2\nexit 1\n");
  EXPECT_EQ(RunBatch(tables(), workbench, launcher, errorStream).failed, 1);
  EXPECT_TRUE(errors.endsWith("ended without writing their results (korva: not built yet).\n"))
      << errors.toStdString();
}

struct ProgramRun {
  int exitCode;
  QString out;
  QString err;
};

ProgramRun RunBrixview(const QStringList& arguments, const ScratchDir& dir) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("BRIXVIEW_WORKDIR", dir.file("work"));
  environment.insert("XDG_CONFIG_HOME", dir.path());
  environment.insert("HOME", dir.path());
  process.setProcessEnvironment(environment);
  process.start(BRIX_BIN_DIR "/brixview", arguments);
  EXPECT_TRUE(process.waitForFinished(60000));
  return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
          QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(BrixviewProgram, CommandLineMessagesAndExitStatus) {
  ScratchDir dir;
  const QString noDirectory = QString::fromLatin1(kNoBatchDirectoryMessage) + "\n";
  struct Case {
    QStringList arguments;
    QString err;  // the start of standard error
  };
  const Case cases[] = {
      {{"-fastbatch", dir.file("none")}, noDirectory},
      {{"-fullbatch", dir.file("none")}, noDirectory},
      {{"-fastbatch"}, noDirectory},
      {{"-fullbatch", dir.path()}, "The full batch mode needs the plot window"},
      {{"-FASTBATCH", dir.path()},
       QString::fromLatin1(kUnknownOptionMessage) + "\nThe interactive"},
      {{}, "The interactive workbench is not built yet"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = RunBrixview(c.arguments, dir);
    EXPECT_NE(run.exitCode, 0) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE(run.err.startsWith(c.err)) << run.err.toStdString();
  }
}

}  // namespace
