// Reading and checking the text of table files (observations by variables, one line each).
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The data lines of a table file; every line has exactly `datums` cells ("_" already empty).
struct TableFileContent {
  QList<QStringList> lines;
  int datums = 0;
};

// Raised for every failure to read a table file; the message is the one the user sees.
extern const char* const kTableReadErrorMessage;

// Decodes a file's bytes: UTF-8 when valid, otherwise Latin-1, so no character is lost.
QString DecodeTableBytes(const QByteArray& bytes);

// Parses table text; raises EBrixError with kTableReadErrorMessage when there is no data
// line or a line has fewer datums than the first.
TableFileContent ParseTableText(const QString& text);

// Why a cell's text cannot be stored in a table file (it would read back differently), or
// an empty string when it can. `firstColumn` matters because a line starting with ";" is a
// comment.
QString UnstorableCellReason(const QString& cellText, bool firstColumn);
