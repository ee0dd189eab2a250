// The engine script of a run: map the n analysed observations in two dimensions.
#include "engine_script.h"

#include "text_files.h"

QStringList EngineScriptLines(int n) {
  // The engine reads the preprocessor's n-by-n distance matrix as the variables X1 to Xn.
  return {
      QStringLiteral("$FOR XN = X%1").arg(n),
      QStringLiteral("$MATRINP NAMES= X1 TO XN ;"),
      QStringLiteral("         FILE= '__trel2';"),
      QStringLiteral("         FORMAT = '(10F8.4)';"),
      QStringLiteral("$KORVA NAMES = X1 TO XN ;"),
      QStringLiteral("         DATA = DISSIM ;"),
      QStringLiteral("         MINDIM = 2 ;"),
      QStringLiteral("         MAXDIM = 2 ;"),
      QStringLiteral("         OUTPUT COORD / FILE = '__trel3' ;"),
      QStringLiteral("$ENDFOR"),
      QStringLiteral("$END"),
  };
}

void WriteScript(const QString& basePath, int n) {
  WriteCrLfFile(basePath + QStringLiteral(".dsk"), EngineScriptLines(n));
}
