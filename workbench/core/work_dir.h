// The private work directory of the runs and the programs installed in it.
#pragma once

#include <QString>
#include <QStringList>

// The work directory with a trailing "/": $BRIXVIEW_WORKDIR when set, else
// $XDG_RUNTIME_DIR/brixview/, else <temp>/brixview-<uid>/. Created with mode 0700; raises
// EBrixError when it is a symbolic link, not a directory, not the user's own or open to others.
QString InitWorkDir();

// The base path of the run files in a work directory.
inline QString BasePath(const QString& workDir) {
  return workDir + QStringLiteral("brixview");
}

// The programs a run needs, in the order they are installed.
QStringList PipelinePrograms();

// Copies source to destination (a file, or a directory that receives the source's name);
// raises "Cannot open file %s" or "Cannot create file %s".
void CopyFileTo(const QString& source, const QString& destination);

// Installs name into workDir when it is missing there or differs (size or modification time)
// from the copy found in programDir, else in the current directory; keeps the executable bit.
void InstallProgram(const QString& name, const QString& programDir, const QString& workDir);
