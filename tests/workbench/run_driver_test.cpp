// The run driver: engine script, colours, work directory and programs, the wait for the
// pipeline and the message of every failure.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "colors.h"
#include "engine_script.h"
#include "errors.h"
#include "input_file.h"
#include "run_driver.h"
#include "test_support.h"
#include "work_dir.h"
#include "workbench.h"

namespace {

TEST(RunDriver, EngineScriptHasElevenCrLfLines) {
  ScratchDir dir;
  WriteScript(dir.file("brixview"), 12);
  const QByteArray script = ReadBytes(dir.file("brixview.dsk"));
  EXPECT_TRUE(script.startsWith("$FOR XN = X12\r\n$MATRINP NAMES= X1 TO XN ;\r\n"));
  EXPECT_TRUE(script.endsWith("         OUTPUT COORD / FILE = '__trel3' ;\r\n$ENDFOR\r\n$END\r\n"));
  EXPECT_EQ(script.count("\r\n"), 11);
}

TEST(RunDriver, ObservationColorsRoundHalvesToEven) {
  struct Case {
    const char* cell;
    int code;             // 0: an error
    const char* message;  // of the error
  };
  const Case cases[] = {
      {"2.5", 2, nullptr},    {"3.5", 4, nullptr},     {" 16 ", 16, nullptr},
      {"1", 1, nullptr},      {"17", 0, "color 17"},   {"0.4", 0, "color 0"},
      {"-0.4", 0, "color 0"}, {"red", 0, "color red"}, {"", 0, "color "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cell);
    auto table = MakeTable({"1 1", "2 2"});
    table->SetColorCol(2);
    table->SetCell(2, 2, QString::fromLatin1(c.cell));
    try {
      const QList<int> codes = ObservationColors(*table, {2});
      EXPECT_EQ(codes, QList<int>({c.code}));
    } catch (const EBrixError& error) {
      EXPECT_EQ(error.message(), c.message);
    }
  }
  EXPECT_EQ(ColorOfCode(2).rgb, 0xFF0000u);
  EXPECT_STREQ(ColorOfCode(4).name, "Yellow");
  EXPECT_EQ(ObservationColors(*MakeTable({"1"}), {1, 2}),
            QList<int>({kAutomaticColor, kAutomaticColor}));
}

TEST(RunDriver, FailureMessages) {
  const QString same =
      "An error has occured during the analysis. Most likely one or more of the variables you use "
      "has the same value for all the observations. Such variables contain no new information "
      "about the observations and should be excluded from the analysis - Remove them and retry.";
  struct Case {
    std::function<void()> raise;
    int n;
    QString message;
  };
  const Case cases[] = {
      {[] { throw EGridConvertError(1, 2, "x"); }, 5,
       "An Error Occured in analyzed row 1, analyzed column 2: The value 'x' is not a valid "
       "number.\r\nMake sure that a number appears in every square whose row and column are "
       "marked as being 'In' the analysis. Mark rows and columns that contain words as 'Out', or "
       "as 'Name' if you would like to use them as titles."},
      {[] { throw EGridConvertError(2, 3, ""); }, 5,
       "An Error Occured in analyzed row 2, analyzed column 3: A missing value.\r\nThe analysis "
       "cannot start because one or more data values are missing in the table. Make sure that a "
       "number appears in every square whose row and columns are marked as being 'In' the "
       "analysis."},
      {[] { throw EConvertError("bad"); }, 201,
       "An error has occured during the analysis, most likely because the data includes more than "
       "200 observations, which is the maximal supported number of observations."},
      {[] { throw EConvertError("bad"); }, 200, same},
      {[] { throw EBrixError("color 17"); }, 3,
       "The color 17 does not exist. Make sure that all values in your 'Color' column are integer "
       "numbers between 1 and 16."},
      {[] { throw EBrixError("Disk full"); }, 3,
       "An error has occured during the calculation: Disk full."},
  };
  for (const Case& c : cases) {
    try {
      c.raise();
    } catch (const std::exception& error) {
      EXPECT_EQ(RunFailureMessage(error, c.n), c.message);
    }
  }
}

class RunTest : public testing::Test {
 protected:
  RunSettings Settings() const {
    RunSettings settings;
    settings.workDir = dir.workDir();
    settings.timeLimitMs = 300;
    settings.pollMs = 10;
    return settings;
  }
  QString Run(const TTableForm& table) {
    try {
      RunAnalysis(table, Settings(), launcher);
    } catch (const EBrixError& error) {
      return error.message();
    }
    return {};
  }

  ScratchDir dir;
  FakeLauncher launcher;
  std::unique_ptr<TTableForm> table = MakeTable({"1 2 3", "4 5 6", "7 8 1", "2 2 2", "9 1 5"});
};

TEST_F(RunTest, SuccessfulRunStartsTheScriptAndReadsItsOutput) {
  WriteBytes(dir.file("brixview.out"), "stale");
  const RunResult result = RunAnalysis(*table, Settings(), launcher);
  EXPECT_EQ(launcher.program, "/bin/sh");
  EXPECT_EQ(launcher.arguments,
            QStringList({dir.file("brixel.sh"), dir.file("brixview"), dir.workDir(), ""}));
  EXPECT_EQ(result.output->PointCount, 5);
  EXPECT_EQ(result.input.n, 5);
  EXPECT_EQ(result.colors.size(), 5);
  EXPECT_TRUE(ReadBytes(dir.file("brixview.in")).startsWith("  5  3  1        "));
  EXPECT_TRUE(ReadBytes(dir.file("brixview.dsk")).startsWith("$FOR XN = X5\r\n"));
}

TEST_F(RunTest, FailuresBeforeThePipelineStartNothing) {
  EXPECT_EQ(Run(*MakeTable({"1 2 3", "4 5 6"})),
            "An analysis must be based on at least three observations and three variables.");
  EXPECT_FALSE(QFile::exists(dir.file("brixview.in")));
  table->SetCell(2, 4, "");
  EXPECT_TRUE(
      Run(*table).startsWith("An Error Occured in analyzed row 4, analyzed column 2: A "
                             "missing value.\r\nThe analysis cannot start"));
  table->SetCell(2, 4, "2");
  table->SetColorCol(3);
  table->SetCell(3, 2, "17");
  EXPECT_TRUE(Run(*table).startsWith("The color 17 does not exist."));
  EXPECT_EQ(launcher.starts, 0);
}

TEST_F(RunTest, PipelineThatEndsWithoutOutputIsReported) {
  WriteBytes(dir.file("brixview.out"), TestData("pipeline.out"));  // an old run's output
  launcher.behaviour = FakeLauncher::Behaviour::EndWithoutOutput;
  launcher.errorOutput = "trel: started\nkorva: not built yet\n";
  EXPECT_EQ(Run(*table),
            "An error has occured during the calculation: the analysis programs ended without "
            "writing their results (korva: not built yet).");
}

TEST_F(RunTest, PipelineThatHangsIsStoppedAtTheTimeLimit) {
  launcher.behaviour = FakeLauncher::Behaviour::Hang;
  EXPECT_EQ(Run(*table),
            "An error has occured during the calculation: the analysis programs did not finish "
            "within 0.3 seconds.");
  EXPECT_TRUE(launcher.killed);
}

TEST_F(RunTest, CancelStopsThePipeline) {
  launcher.behaviour = FakeLauncher::Behaviour::Hang;
  EXPECT_THROW(RunAnalysis(*table, Settings(), launcher, [] { return false; }), ERunCancelled);
  EXPECT_TRUE(launcher.killed);
}

TEST_F(RunTest, MalformedOutputGivesTheConversionMessage) {
  launcher.output = "Number of variables 5 and nothing else";
  EXPECT_TRUE(Run(*table).startsWith("An error has occured during the analysis. Most likely"));
}

TEST_F(RunTest, PlotsAreCountedOnlyForSuccessfulRuns) {
  Workbench workbench;
  workbench.SetWorkDir(dir.workDir());
  table->SetFileName("/t/x.tbl");
  launcher.behaviour = FakeLauncher::Behaviour::EndWithoutOutput;
  EXPECT_THROW(workbench.Run(*table, launcher), EBrixError);
  launcher.behaviour = FakeLauncher::Behaviour::WriteOutput;
  EXPECT_EQ(workbench.Run(*table, launcher).caption, "Plot 1 - /t/x.tbl");
  EXPECT_EQ(workbench.Run(*table, launcher).caption, "Plot 2 - /t/x.tbl");
}

TEST(RunDriver, TimeLimitComesFromTheSettings) {
  ScratchDir dir;
  EXPECT_EQ(PipelineTimeLimitSeconds(), 120);
  struct Case {
    QVariant stored;
    int seconds;
  };
  const Case cases[] = {{30, 30}, {"abc", 120}, {0, 120}, {-5, 120}};
  for (const Case& c : cases) {
    QSettings("Kestrane", "Brixel").setValue("PipelineTimeLimit", c.stored);
    EXPECT_EQ(PipelineTimeLimitSeconds(), c.seconds) << c.stored.toString().toStdString();
  }
  EXPECT_TRUE(QFile::exists(dir.file("Kestrane/Brixel.conf")));
}

TEST(WorkDir, IsPrivateToTheUser) {
  ScratchDir dir;
  const QString work = dir.file("w");
  qputenv("BRIXVIEW_WORKDIR", QFile::encodeName(work));
  EXPECT_EQ(InitWorkDir(), work + "/");
  EXPECT_EQ(QFileInfo(work).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);

  struct Case {
    const char* name;
    std::function<void(const QString&)> make;
    const char* why;
  };
  const Case cases[] = {
      {"link", [&](const QString& p) { QFile::link(work, p); }, "it is a symbolic link"},
      {"file", [](const QString& p) { WriteBytes(p, "x"); }, "it is not a directory"},
      {"open",
       [](const QString& p) {
         QDir().mkdir(p);
         QFile::setPermissions(p, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                      QFile::ReadOther | QFile::ExeOther);
       },
       "it is open to other users"},
  };
  for (const Case& c : cases) {
    const QString path = dir.file(c.name);
    c.make(path);
    qputenv("BRIXVIEW_WORKDIR", QFile::encodeName(path));
    try {
      InitWorkDir();
      ADD_FAILURE() << c.name;
    } catch (const EBrixError& error) {
      EXPECT_EQ(error.message(), QStringLiteral("The work directory %1 cannot be used: %2.")
                                     .arg(path, QString::fromLatin1(c.why)));
    }
  }
}

TEST(WorkDir, InstallsProgramsOnlyWhenMissingOrChanged) {
  ScratchDir dir;
  QDir().mkdir(dir.file("bin"));
  QDir().mkdir(dir.file("work"));
  const QString program = dir.file("bin/fendex");
  WriteBytes(program, "#!/bin/sh\necho one\n");
  QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
  const QString installed = dir.file("work/fendex");

  InstallProgram("fendex", dir.file("bin"), dir.file("work/"));
  EXPECT_EQ(ReadBytes(installed), ReadBytes(program));
  EXPECT_TRUE(QFileInfo(installed).isExecutable());

  WriteBytes(installed, "#!/bin/sh\necho old\n");  // same size, other time: replaced
  QFile copy(installed);
  ASSERT_TRUE(copy.open(QIODevice::ReadWrite));
  copy.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime);
  copy.close();
  InstallProgram("fendex", dir.file("bin"), dir.file("work/"));
  EXPECT_EQ(ReadBytes(installed), "#!/bin/sh\necho one\n");

  try {
    InstallProgram("no-such-program", dir.file("bin"), dir.file("work/"));
    ADD_FAILURE() << "installed";
  } catch (const EBrixError& error) {
    EXPECT_EQ(error.message(), "Cannot open file no-such-program");
  }
}

TEST(WorkDir, CopyFileToADirectoryKeepsTheName) {
  ScratchDir dir;
  QDir().mkdir(dir.file("d"));
  WriteBytes(dir.file("a.txt"), QByteArray(20000, 'x'));
  CopyFileTo(dir.file("a.txt"), dir.file("d"));
  EXPECT_EQ(ReadBytes(dir.file("d/a.txt")).size(), 20000);
  try {
    CopyFileTo(dir.file("a.txt"), dir.file("none/b.txt"));
    ADD_FAILURE() << "copied";
  } catch (const EBrixError& error) {
    EXPECT_EQ(error.message(), "Cannot create file " + dir.file("none/b.txt"));
  }
}

}  // namespace
