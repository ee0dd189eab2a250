// Times brixview -fastbatch on a directory of 100 tables of 50 x 10 (total and per table),
// in a private work directory. Usage: workbench_bench [program directory] [tables]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <random>

namespace {

// Deterministic tables, so every run times the same input.
void WriteTables(const QString& dir, int tables, int lines, int variables) {
  std::mt19937 generator(12345);
  std::uniform_real_distribution<double> value(0.0, 100.0);
  for (int t = 0; t < tables; ++t) {
    QFile file(QStringLiteral("%1/table%2.tbl").arg(dir).arg(t, 3, 10, QChar(u'0')));
    if (!file.open(QIODevice::WriteOnly)) return;
    QTextStream out(&file);
    for (int i = 0; i < lines; ++i) {
      for (int j = 0; j < variables; ++j) out << QString::number(value(generator), 'f', 2) << ' ';
      out << '\n';
    }
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QString bin = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(BRIX_BIN_DIR);
  const int tables = argc > 2 ? std::atoi(argv[2]) : 100;
  QTemporaryDir scratch;
  QDir().mkdir(scratch.filePath("tables"));
  QDir().mkdir(scratch.filePath("work"));
  QFile::setPermissions(scratch.filePath("work"),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  WriteTables(scratch.filePath("tables"), tables, 50, 10);

  QProcess brixview;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("BRIXVIEW_WORKDIR", scratch.filePath("work"));
  brixview.setProcessEnvironment(environment);
  QElapsedTimer clock;
  clock.start();
  brixview.start(bin + "/brixview", {"-fastbatch", scratch.filePath("tables")});
  brixview.waitForFinished(-1);
  const double seconds = clock.nsecsElapsed() / 1e9;

  const QByteArray errors = brixview.readAllStandardError();
  const int failed = static_cast<int>(errors.count(".tbl: "));
  std::printf("brixview -fastbatch, %d tables of 50 x 10: %.3f s total, %.1f ms per table\n",
              tables, seconds, 1000 * seconds / tables);
  if (brixview.exitCode() != 0) {
    std::printf(
        "exit status %d, %d tables failed: the figures time the failure path, not the "
        "analyses. First message:\n%s\n",
        brixview.exitCode(), failed, errors.left(errors.indexOf('\n')).constData());
  }
  return 0;
}
