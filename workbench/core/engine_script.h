// The engine script of a run: map the n analysed observations in two dimensions.
#pragma once

#include <QString>
#include <QStringList>

QStringList EngineScriptLines(int n);

// Writes basePath + ".dsk".
void WriteScript(const QString& basePath, int n);
