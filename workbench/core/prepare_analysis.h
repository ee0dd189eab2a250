// Picks the analysed lines and columns of a table and writes them as the preprocessor input.
#pragma once

#include <QString>
#include <QStringList>

#include "lists.h"

class TTableForm;

struct AnalysisInput {
  TIntegerList rows;  // analysed grid rows
  QStringList observationNames;
  QStringList variableNames;
  TIntegerList columns;  // analysed grid columns
  int n = 0;             // analysed observations
};

// Writes basePath + ".in"; raises EGridConvertError for a missing or non-numeric analysed
// cell and EBrixError when no line or no column is marked for the analysis.
AnalysisInput PrepareAnalysis(const TTableForm& table, const QString& basePath);
