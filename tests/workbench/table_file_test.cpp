// Table files: reading every line-end and comment form, saving with CR, refusing what a file
// cannot hold.
#include <gtest/gtest.h>

#include "errors.h"
#include "table_file.h"
#include "table_form.h"
#include "test_support.h"

namespace {

struct LoadCase {
  const char* name;
  QByteArray file;
  QList<QStringList> lines;  // empty: the load fails
};

TEST(TableFile, LoadsLinesDatumsAndComments) {
  const LoadCase cases[] = {
      {"one line without line end", "1 2 3", {{"1", "2", "3"}}},
      {"tab and blanks separate", "a\tb c\n", {{"a", "b", "c"}}},
      {"CR LF and runs of line ends", "1 2\r\n\r\n3 4\r\n", {{"1", "2"}, {"3", "4"}}},
      {"CR alone", "1 2\r3 4\r", {{"1", "2"}, {"3", "4"}}},
      {"leading blanks and extra datums dropped", "  1 2\n3 4 5 6\n", {{"1", "2"}, {"3", "4"}}},
      {"underscore is an empty cell", "_ x\n", {{"", "x"}}},
      {"comments before, between and after", ";a\n1 2\n; b c\n3 4\n;end", {{"1", "2"}, {"3", "4"}}},
      {"a line of blanks counts as empty", "1 2\n  \t \n3 4\n", {{"1", "2"}, {"3", "4"}}},
      {"fewer datums than the first line", "1 2 3\n4 5\n", {}},
      {"no data line", ";only a comment\n\n", {}},
      {"empty file", "", {}},
  };
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.lines.isEmpty()) {
      try {
        ParseTableText(DecodeTableBytes(c.file));
        ADD_FAILURE() << "loaded";
      } catch (const EBrixError& error) {
        EXPECT_EQ(error.message(), QString::fromLatin1(kTableReadErrorMessage));
      }
    } else {
      const TableFileContent content = ParseTableText(DecodeTableBytes(c.file));
      EXPECT_EQ(content.lines, c.lines);
      EXPECT_EQ(content.datums, c.lines.first().size());
    }
  }
}

TEST(TableFile, LoadSizesTheGridAndMarksEverythingIn) {
  ScratchDir dir;
  WriteBytes(dir.file("t.tbl"), "1 2 3");
  TTableForm table;
  table.SetFileName(dir.file("t.tbl"));
  const TableLoadInfo info = table.LoadFromFile();
  EXPECT_EQ(OpenedTableMessage(info), "Opened input file with 1 lines and 3 variables.");
  EXPECT_EQ(table.RowCount(), 4);
  EXPECT_EQ(table.ColCount(), 5);
  EXPECT_EQ(table.LastRow(), 1);
  EXPECT_EQ(table.LastCol(), 3);
  EXPECT_EQ(table.Cell(0, 1), kMarkIn);
  for (int c = 1; c < 5; ++c) EXPECT_EQ(table.Cell(c, 0), kMarkIn);
  EXPECT_FALSE(table.Modified());
}

TEST(TableFile, FailedLoadKeepsTheTableAsItWas) {
  ScratchDir dir;
  WriteBytes(dir.file("bad.tbl"), "1 2 3\n4 5\n");
  auto table = MakeTable({"7 8"});
  for (const QString& name : {dir.file("bad.tbl"), dir.file("missing.tbl")}) {
    table->SetFileName(name);
    EXPECT_THROW(table->LoadFromFile(), EBrixError);
    EXPECT_EQ(table->Cell(1, 1), "7");
    EXPECT_EQ(table->RowCount(), 20);
  }
}

TEST(TableFile, SavesTheExtentWithCrLineEnds) {
  ScratchDir dir;
  auto table = MakeTable({"a b", "x _", "c d"});
  table->SetFileName(dir.file("s.tbl"));
  table->CellEdited(1, 1);
  ASSERT_TRUE(table->Modified());
  table->SaveToFile();
  EXPECT_EQ(ReadBytes(dir.file("s.tbl")), "a b\rx _\rc d\r");
  EXPECT_FALSE(table->Modified());
  EXPECT_EQ(table->TableText(u'\n'), "a b\nx _\nc d\n");
}

TEST(TableFile, SaveAndReloadGivesTheSameCellsAndFreshMarks) {
  ScratchDir dir;
  auto table = MakeTable({"1 2 3", "4 _ 6"});
  table->ToggleRowMark(1);
  table->SetNameCol(2);
  table->SetFileName(dir.file("r.tbl"));
  table->SaveToFile();
  TTableForm reloaded;
  reloaded.SetFileName(dir.file("r.tbl"));
  reloaded.LoadFromFile();
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(reloaded.Cell(c, r), table->Cell(c, r));
  EXPECT_EQ(reloaded.Cell(0, 1), kMarkIn);
  EXPECT_EQ(reloaded.Cell(2, 0), kMarkIn);
}

TEST(TableFile, SaveRefusesCellsThatWouldReadBackDifferently) {
  struct Case {
    int col, row;
    const char* text;
  };
  const Case cases[] = {{2, 1, "two words"}, {2, 2, "tab\there"}, {1, 2, "_"}, {1, 1, ";x"}};
  ScratchDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    auto table = MakeTable({"1 2", "3 4"});
    table->SetFileName(dir.file("u.tbl"));
    table->SetCell(c.col, c.row, QString::fromUtf8(c.text));
    table->CellEdited(c.col, c.row);
    try {
      table->SaveToFile();
      ADD_FAILURE() << "saved";
    } catch (const EBrixError& error) {
      EXPECT_TRUE(error.message().startsWith(
          QStringLiteral("The cell in line %1, column %2 (").arg(c.row).arg(c.col)))
          << error.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.file("u.tbl")));
    EXPECT_TRUE(table->Modified());
  }
  auto table = MakeTable({"1 ;2"});  // ";" starts a comment only at the start of a line
  table->SetFileName(dir.file("ok.tbl"));
  EXPECT_NO_THROW(table->SaveToFile());
}

TEST(TableFile, FailedSaveLeavesTheTableModified) {
  ScratchDir dir;
  auto table = MakeTable({"1 2"});
  table->SetFileName(dir.file("no/such/dir/t.tbl"));
  table->CellEdited(1, 1);
  EXPECT_THROW(table->SaveToFile(), EBrixError);
  EXPECT_TRUE(table->Modified());
}

TEST(TableFile, LatinOneBytesSurviveLoadAndSave) {
  ScratchDir dir;
  WriteBytes(dir.file("l.tbl"), "Z\xfcrich 1\n");
  TTableForm table;
  table.SetFileName(dir.file("l.tbl"));
  table.LoadFromFile();
  EXPECT_EQ(table.Cell(1, 1), QString::fromUtf8("Zürich"));
}

}  // namespace
