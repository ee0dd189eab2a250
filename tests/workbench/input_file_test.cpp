// The preprocessor input: field measurement, grouping into a format line, the data lines and
// the choice of analysed lines and columns.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "input_file.h"
#include "prepare_analysis.h"
#include "test_support.h"

namespace {

TEST(InputFile, MeasuresFieldsAndWritesCellsInThem) {
  struct Case {
    QStringList texts;
    FieldFormat format;
    const char* descriptor;
    QStringList fields;
  };
  const Case cases[] = {
      {{"3", "-.5", "12.25"}, {2, 2}, "f5.2", {" 3.00", "-0.50", "12.25"}},
      {{"7", "120"}, {3, 0}, "f3.0", {"  7", "120"}},
      {{".5"}, {1, 1}, "f3.1", {"0.5"}},
      {{"-12", "5."}, {3, 0}, "f3.0", {"-12", "  5"}},
      // Exponent notation is measured by the fixed-point form in which it is written.
      {{"1.5e3", "2"}, {4, 0}, "f4.0", {"1500", "   2"}},
      {{"2.5E-3", "1"}, {1, 4}, "f6.4", {"0.0025", "1.0000"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts.join(' ').toStdString());
    const FieldFormat format = MeasureColumn(c.texts);
    EXPECT_EQ(format, c.format);
    EXPECT_EQ(EditDescriptor(format), c.descriptor);
    for (int i = 0; i < c.texts.size(); ++i)
      EXPECT_EQ(FormatCell(c.texts[i].toDouble(), format), c.fields[i]);
  }
}

TEST(InputFile, FormatLineCountsGroups) {
  QList<FieldFormat> formats{{1, 2}, {1, 2}, {2, 0}};
  TIntegerList counts;
  GroupFormats(formats, counts);
  EXPECT_EQ(counts, TIntegerList({2, 0, 1}));
  EXPECT_EQ(FormatLine(formats, counts), "(2f4.2,f2.0)");
}

// Every data line must hold exactly the fields that the format line describes.
void ExpectLinesMatchFormat(const QList<QByteArray>& lines) {
  static const QRegularExpression item(QStringLiteral("(\\d*)f(\\d+)\\.(\\d+)"));
  QList<int> widths;
  QList<int> decimals;
  const QString formatLine = QString::fromLatin1(lines[1]);
  for (const auto& match : item.globalMatch(formatLine)) {
    const int repeat = match.captured(1).isEmpty() ? 1 : match.captured(1).toInt();
    for (int k = 0; k < repeat; ++k) {
      widths.append(match.captured(2).toInt());
      decimals.append(match.captured(3).toInt());
    }
  }
  for (qsizetype i = 2; i < lines.size(); ++i) {
    qsizetype at = 0;
    for (qsizetype j = 0; j < widths.size(); ++j) {
      const QByteArray field = lines[i].mid(at, widths[j]);
      at += widths[j];
      const qsizetype point = field.indexOf('.');
      EXPECT_EQ(point < 0 ? 0 : field.size() - point - 1, decimals[j]) << field.constData();
      EXPECT_FALSE(field.startsWith('-') && field.size() > 1 && field[1] == ' ');
    }
    EXPECT_EQ(at, lines[i].size()) << lines[i].constData();
  }
}

TEST(InputFile, FifteenAlternatingColumnsNeedTolerancePassesAndStillMatch) {
  ScratchDir dir;
  TBrixelInputFile input(dir.file("brixview.in"));
  for (int j = 0; j < 15; ++j)
    input.Columns.append(j % 2 ? QStringList{"1.5", "-22.25"} : QStringList{"12345", "7"});
  input.WriteFile();
  const QList<QByteArray> lines = ReadBytes(input.FileName).split('\n');
  ASSERT_EQ(lines.size(), 5);  // header, format line, two data lines, nothing after the last CR LF
  EXPECT_TRUE(lines[4].isEmpty());
  QList<QByteArray> content;
  for (const QByteArray& line : lines.mid(0, 4)) {
    ASSERT_TRUE(line.endsWith('\r'));
    content.append(line.chopped(1));
  }
  EXPECT_LE(content[1].size(), 75);
  EXPECT_EQ(content[0].left(17), "  2 15  1        ");
  EXPECT_EQ(content[0].mid(17), dir.file("brixview").left(20).toUtf8());
  ExpectLinesMatchFormat(content);
}

TEST(InputFile, ReportsTheFirstBadCellInRowOrder) {
  struct Case {
    QList<QStringList> columns;
    const char* message;
  };
  const Case cases[] = {
      {{{"1", "2"}, {"3", "4"}, {"5", ""}},
       "An Error Occured in analyzed row 2, analyzed column 3: A missing value."},
      {{{"1", "x"}, {"abc", "4"}},
       "An Error Occured in analyzed row 1, analyzed column 2: The value 'abc' is not a valid "
       "number."},
      {{{"1", "inf"}},
       "An Error Occured in analyzed row 2, analyzed column 1: The value 'inf' is "
       "not a valid number."},
  };
  ScratchDir dir;
  for (const Case& c : cases) {
    TBrixelInputFile input(dir.file("brixview.in"));
    input.Columns = c.columns;
    try {
      input.WriteFile();
      ADD_FAILURE() << "written";
    } catch (const EGridConvertError& error) {
      EXPECT_EQ(error.message(), c.message);
    }
  }
}

TEST(InputFile, PrepareAnalysisNamesAnalysedLinesAndColumns) {
  ScratchDir dir;
  auto table = MakeTable({"id A B C D", "o1 1 2 3 9", "o2 4 5 6 9", "o3 7 8 9 1", "o4 1 1 2 9"});
  table->SetNameRow(1);
  table->SetCell(0, 3, kMarkOut);
  table->SetNameCol(1);
  table->SetCell(4, 0, kMarkOut);
  const AnalysisInput input = PrepareAnalysis(*table, dir.file("brixview"));
  EXPECT_EQ(input.rows, TIntegerList({2, 4, 5}));
  EXPECT_EQ(input.columns, TIntegerList({2, 3, 5}));
  EXPECT_EQ(input.observationNames, QStringList({"o1", "o3", "o4"}));
  EXPECT_EQ(input.variableNames, QStringList({"A", "B", "D"}));
  EXPECT_EQ(input.n, 3);
  const QList<QByteArray> lines = ReadBytes(dir.file("brixview.in")).split('\n');
  EXPECT_EQ(lines[1], "(3f1.0)\r");
  EXPECT_EQ(lines[2], "129\r");
}

TEST(InputFile, DefaultNamesAreOrdinalsAmongInAndOutLines) {
  ScratchDir dir;
  auto table = MakeTable({"h h h", "1 2 3", "4 5 6", "7 8 9"});
  table->SetNameRow(1);
  table->SetCell(0, 3, kMarkOut);
  table->SetColorCol(2);
  const AnalysisInput input = PrepareAnalysis(*table, dir.file("brixview"));
  EXPECT_EQ(input.observationNames, QStringList({"1", "3"}));
  EXPECT_EQ(input.variableNames, QStringList({"h", "h"}));
  table->SetCell(0, 1, kMarkOut);  // no name line any more: variables get ordinals too
  EXPECT_EQ(PrepareAnalysis(*table, dir.file("brixview")).variableNames, QStringList({"1", "2"}));
}

TEST(InputFile, NothingMarkedInIsAnError) {
  ScratchDir dir;
  auto table = MakeTable({"1 2 3", "4 5 6", "7 8 9"});
  for (int c = 1; c <= 3; ++c) table->SetCell(c, 0, kMarkOut);
  EXPECT_THROW(PrepareAnalysis(*table, dir.file("brixview")), EBrixError);
}

}  // namespace
