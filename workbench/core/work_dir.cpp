// The private work directory of the runs and the programs installed in it.
#include "work_dir.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "errors.h"

namespace {

QString ChooseWorkDir() {
  const QString explicitDir = qEnvironmentVariable("BRIXVIEW_WORKDIR");
  if (!explicitDir.isEmpty()) return explicitDir;
  const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtimeDir.isEmpty()) return runtimeDir + QStringLiteral("/brixview");
  return QDir::tempPath() + QStringLiteral("/brixview-%1").arg(getuid());
}

[[noreturn]] void Refuse(const QString& dir, const QString& why) {
  throw EBrixError(QStringLiteral("The work directory %1 cannot be used: %2.").arg(dir, why));
}

// Other users must not be able to plant programs or results in the directory.
void CheckPrivate(const QString& dir) {
  struct stat info {};
  const QByteArray path = QFile::encodeName(dir);
  if (lstat(path.constData(), &info) != 0) Refuse(dir, QStringLiteral("it cannot be created"));
  if (S_ISLNK(info.st_mode)) Refuse(dir, QStringLiteral("it is a symbolic link"));
  if (!S_ISDIR(info.st_mode)) Refuse(dir, QStringLiteral("it is not a directory"));
  if (info.st_uid != getuid()) Refuse(dir, QStringLiteral("it belongs to another user"));
  if (info.st_mode & (S_IRWXG | S_IRWXO)) Refuse(dir, QStringLiteral("it is open to other users"));
}

}  // namespace

QString InitWorkDir() {
  QString dir = ChooseWorkDir();
  while (dir.size() > 1 && dir.endsWith(u'/')) dir.chop(1);
  mkdir(QFile::encodeName(dir).constData(), 0700);  // an existing directory is checked below
  CheckPrivate(dir);
  return dir + u'/';
}

QStringList PipelinePrograms() {
  return {QStringLiteral("fendex"), QStringLiteral("trel"), QStringLiteral("korva"),
          QStringLiteral("brixel.sh")};
}

void CopyFileTo(const QString& source, const QString& destination) {
  QString target = QFileInfo(destination).absoluteFilePath();
  if (QFileInfo(target).isDir()) target = QDir(target).filePath(QFileInfo(source).fileName());
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly))
    throw EBrixError(QStringLiteral("Cannot open file %1").arg(source));
  // Unlinking first lets a program be replaced while an older copy of it is still running.
  QFile::remove(target);
  QFile out(target);
  if (!out.open(QIODevice::WriteOnly))
    throw EBrixError(QStringLiteral("Cannot create file %1").arg(target));
  char buffer[8192];
  for (qint64 got = 0; (got = in.read(buffer, sizeof buffer)) > 0;) {
    if (out.write(buffer, got) != got)
      throw EBrixError(QStringLiteral("Cannot create file %1").arg(target));
  }
  if (in.error() != QFileDevice::NoError)
    throw EBrixError(QStringLiteral("Cannot open file %1").arg(source));
}

namespace {

QString FindProgram(const QString& name, const QString& programDir) {
  const QString beside = QDir(programDir).filePath(name);
  if (!programDir.isEmpty() && QFileInfo(beside).isFile()) return beside;
  return name;  // the current directory; a missing file gives "Cannot open file <name>"
}

bool SameFile(const QFileInfo& a, const QFileInfo& b) {
  return a.exists() && b.exists() && a.size() == b.size() && a.lastModified() == b.lastModified();
}

}  // namespace

void InstallProgram(const QString& name, const QString& programDir, const QString& workDir) {
  const QString source = FindProgram(name, programDir);
  const QString installed = workDir + name;
  if (SameFile(QFileInfo(source), QFileInfo(installed))) return;
  CopyFileTo(source, installed);
  QFile copy(installed);
  copy.setPermissions(QFile(source).permissions());
  // The copy takes the source's time, so that an unchanged program is not copied again.
  if (copy.open(QIODevice::ReadWrite))
    copy.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
}
