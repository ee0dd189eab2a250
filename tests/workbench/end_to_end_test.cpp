// brixview -fastbatch with the real pipeline: the export files agree with the pipeline output.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include "test_support.h"

namespace {

// Why the real pipeline cannot run yet, or empty when it can: a program that is missing or
// still a placeholder that says it is not built. The script is read, not run; the programs run
// without arguments in an empty directory, where they can only complain.
QString PipelineNotReady() {
  const QString bin = QStringLiteral(BRIX_BIN_DIR "/");
  for (const char* name : {"trel", "korva", "fendex", "brixel.sh"})
    if (!QFile::exists(bin + name)) return bin + name + " is missing";
  if (ReadBytes(bin + "brixel.sh").contains("not built yet")) return "brixel.sh is not built yet";
  QTemporaryDir empty;
  for (const char* name : {"trel", "korva", "fendex"}) {
    QProcess probe;
    probe.setStandardInputFile(QProcess::nullDevice());
    probe.setWorkingDirectory(empty.path());
    probe.start(bin + name, {});
    if (!probe.waitForFinished(10000)) continue;
    const QByteArray said = probe.readAllStandardError() + probe.readAllStandardOutput();
    if (said.contains("not built yet")) return QString(name) + " is not built yet";
  }
  return {};
}

QList<double> NumbersOf(const QString& line) {
  QList<double> numbers;
  for (const QString& field : line.split(u' ', Qt::SkipEmptyParts))
    numbers.append(field.toDouble());
  return numbers;
}

// The point lines of the engine's coordinates table, read independently of the workbench's
// reader: serial number, distance from the centroid, x, y.
QList<QList<double>> PointLines(const QString& out) {
  static const QRegularExpression point(
      QStringLiteral(R"(^\s+\d+\s+[\d.]+\s+-?[\d.]+\s+-?[\d.]+\s*$)"));
  QList<QList<double>> points;
  const QString table = out.mid(out.indexOf(QStringLiteral("Plotted Coordinates")));
  for (const QString& line :
       table.left(table.indexOf(QStringLiteral("VARIABLES"))).split(QRegularExpression("\r?\n")))
    if (point.match(line).hasMatch()) points.append(NumbersOf(line));
  return points;
}

QStringList CrLfLines(const QByteArray& bytes) {
  QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
  EXPECT_TRUE(lines.last().isEmpty());
  lines.removeLast();
  return lines;
}

TEST(EndToEnd, FastBatchExportsAgreeWithThePipelineOutput) {
  const QString notReady = PipelineNotReady();
  if (!notReady.isEmpty())
    GTEST_SKIP() << "the real pipeline cannot run yet: " << notReady.toStdString();

  ScratchDir dir;
  QDir().mkdir(dir.file("tables"));
  QDir().mkdir(dir.file("work"));
  QFile::setPermissions(dir.file("work"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  for (const char* name : {"stackloss.tbl", "trees.tbl"})
    WriteBytes(dir.file("tables/") + name, TestData(name));
  QProcess brixview;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("BRIXVIEW_WORKDIR", dir.file("work"));
  environment.insert("XDG_CONFIG_HOME", dir.path());
  brixview.setProcessEnvironment(environment);
  brixview.start(BRIX_BIN_DIR "/brixview", {"-fastbatch", dir.file("tables")});
  ASSERT_TRUE(brixview.waitForFinished(120000));
  ASSERT_EQ(brixview.exitCode(), 0) << brixview.readAllStandardError().constData();

  for (const char* name : {"stackloss.tbl", "trees.tbl"})
    for (const char* extension : {".obs", ".var", ".coa"})
      EXPECT_TRUE(QFile::exists(dir.file("tables/") + name + extension)) << name << extension;

  // The work directory keeps the output of the last table, trees.tbl (31 trees, 3 variables).
  const QString out = QString::fromLatin1(ReadBytes(dir.file("work/brixview.out")));
  const QString prefix = dir.file("tables/trees.tbl");
  const QList<QList<double>> points = PointLines(out);
  const QStringList obs = CrLfLines(ReadBytes(prefix + ".obs"));
  ASSERT_EQ(points.size(), 31);
  ASSERT_EQ(obs.size(), 32);
  // The exports hold more decimals than the output, read through single precision: each
  // agrees to half a unit of the output's last decimal, plus rounding.
  for (int i = 0; i < 31; ++i) {
    const QList<double> xy = NumbersOf(obs[i]);
    EXPECT_NEAR(xy[0], points[i][2], 0.0051) << i;
    EXPECT_NEAR(xy[1], points[i][3], 0.0051) << i;
  }

  const QStringList correlations = out.mid(out.indexOf(QStringLiteral("CORRELATIONS")))
                                       .split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts);
  const QStringList var = CrLfLines(ReadBytes(prefix + ".var"));
  ASSERT_EQ(var.size(), 3);
  for (int j = 0; j < 3; ++j) {
    const QList<double> arrow = NumbersOf(correlations[j + 1]);
    const QList<double> exported = NumbersOf(var[j]);
    EXPECT_NEAR(exported[0], arrow[2], 0.51) << j;
    EXPECT_NEAR(exported[1], arrow[1], 0.00051) << j;
  }
  const QRegularExpression alienation(QStringLiteral(R"(Alienation \.+\s*(-?[\d.]+))"));
  const double coefficient = alienation.match(out).captured(1).toDouble();
  EXPECT_NEAR(CrLfLines(ReadBytes(prefix + ".coa"))[0].toDouble(), coefficient, 0.000051);
}

}  // namespace
