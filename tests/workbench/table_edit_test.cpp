// Editing a table: extent, marks, line and column insertion and deletion, window names.
#include <gtest/gtest.h>

#include "errors.h"
#include "table_form.h"
#include "test_support.h"
#include "workbench.h"

namespace {

TEST(TableEdit, NewTableHasTwentyByTwentyCellsMarkedIn) {
  TTableForm table;
  EXPECT_EQ(table.RowCount(), 20);
  EXPECT_EQ(table.ColCount(), 20);
  EXPECT_EQ(table.Cell(0, 0), "");
  EXPECT_EQ(table.Cell(0, 19), kMarkIn);
  EXPECT_EQ(table.Cell(19, 0), kMarkIn);
  EXPECT_EQ(table.LastRow(), 1);
  EXPECT_EQ(table.LastCol(), 1);
}

TEST(TableEdit, ExtentFollowsEdits) {
  TTableForm table;
  table.SetCell(4, 2, "x");
  table.CellEdited(4, 2);
  table.SetCell(2, 6, "y");
  table.CellEdited(2, 6);
  EXPECT_EQ(table.LastCol(), 4);
  EXPECT_EQ(table.LastRow(), 6);
  table.SetCell(2, 6, "");
  table.CellEdited(2, 6);  // emptying a cell recomputes the extent
  EXPECT_EQ(table.LastRow(), 2);
  EXPECT_TRUE(table.Modified());
}

TEST(TableEdit, MarkTogglesAndNameSettings) {
  TTableForm table;
  struct Case {
    QString before, after;
  };
  const Case toggles[] = {
      {"In", "Out"}, {"Out", "In"}, {"", "In"}, {"Name", "In"}, {"Color", "In"}};
  for (const Case& c : toggles) {
    table.SetCell(3, 0, c.before);
    table.ToggleColMark(3);
    EXPECT_EQ(table.Cell(3, 0), c.after) << c.before.toStdString();
    table.SetCell(0, 3, c.before);
    table.ToggleRowMark(3);
    EXPECT_EQ(table.Cell(0, 3), c.after) << c.before.toStdString();
  }

  EXPECT_EQ(table.FindNameCol(), -1);
  table.SetNameCol(2);
  table.SetNameCol(5);
  EXPECT_EQ(table.Cell(2, 0), kMarkOut);
  EXPECT_EQ(table.FindNameCol(), 5);
  table.SetColorCol(5);  // a column holds one mark: the colour mark replaces the name mark
  EXPECT_EQ(table.FindNameCol(), -1);
  EXPECT_EQ(table.FindColorCol(), 5);
  table.SetNameRow(1);
  table.SetNameRow(4);
  EXPECT_EQ(table.Cell(0, 1), kMarkOut);
  EXPECT_EQ(table.FindNameRow(), 4);

  table.SetCell(7, 0, kMarkName);  // several marks set by hand: the last one wins
  table.SetCell(9, 0, kMarkName);
  EXPECT_EQ(table.FindNameCol(), 9);
}

TEST(TableEdit, AddLinesStopsAtTheLimitKeepingTheStepsDone) {
  TTableForm table;
  table.SetRowCount(248);
  table.SetCell(1, 247, "last");
  try {
    table.AddLines(5, 5);
    ADD_FAILURE() << "no refusal";
  } catch (const EBrixError& error) {
    EXPECT_EQ(error.message(), "The maximum number of lines is 250.");
  }
  EXPECT_EQ(table.RowCount(), 250);
  EXPECT_EQ(table.Cell(1, 249), "last");
  EXPECT_EQ(table.LastRow(), 249);
  EXPECT_EQ(table.Cell(0, 5), kMarkIn);
}

TEST(TableEdit, InsertedLinePushesDataBeyondTheOldExtentAndSaveKeepsIt) {
  ScratchDir dir;
  auto table = MakeTable({"1 2", "3 4", "5 6"});
  table->SetCell(0, 3, kMarkOut);
  table->AddLines(3, 1);
  EXPECT_EQ(table->Cell(0, 3), kMarkIn);
  EXPECT_EQ(table->Cell(0, 4), kMarkOut);  // the mark moves with its line
  EXPECT_EQ(table->LastRow(), 4);
  EXPECT_FALSE(table->Modified());
  table->SetFileName(dir.file("t.tbl"));
  table->SaveToFile();
  EXPECT_EQ(ReadBytes(dir.file("t.tbl")), "1 2\r3 4\r_ _\r5 6\r");
}

TEST(TableEdit, DeletionsAndColumnInsertion) {
  struct Case {
    const char* name;
    void (TTableForm::*operation)(int, int);
    int count;
    int rows, cols;  // grid size before
    const char* refusal;
    int rowsAfter, colsAfter;
  };
  const Case cases[] = {
      {"delete lines down to four", &TTableForm::DeleteLines, 3, 7, 6,
       "The minimum number of lines is 4.", 5, 6},
      {"delete columns down to four", &TTableForm::DeleteColumns, 9, 6, 8,
       "The minimum number of columns is 4.", 6, 5},
      {"add columns up to 250", &TTableForm::AddColumns, 4, 6, 248,
       "The maximum number of columns is 250.", 6, 250},
      {"add columns within the limit", &TTableForm::AddColumns, 2, 6, 6, nullptr, 6, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTableForm table;
    table.SetRowCount(c.rows);
    table.SetColCount(c.cols);
    try {
      (table.*c.operation)(1, c.count);
      EXPECT_EQ(c.refusal, nullptr);
    } catch (const EBrixError& error) {
      EXPECT_EQ(error.message(), QString::fromLatin1(c.refusal));
    }
    EXPECT_EQ(table.RowCount(), c.rowsAfter);
    EXPECT_EQ(table.ColCount(), c.colsAfter);
  }
}

TEST(TableEdit, ColumnOperationsMoveCellsAndMarks) {
  auto table = MakeTable({"a b c d", "e f g h"});
  table->SetColorCol(3);
  table->AddColumns(2, 1);
  EXPECT_EQ(table->Cell(2, 0), kMarkIn);
  EXPECT_EQ(table->Cell(2, 1), "");
  EXPECT_EQ(table->Cell(3, 1), "b");
  EXPECT_EQ(table->FindColorCol(), 4);
  EXPECT_EQ(table->LastCol(), 5);
  table->DeleteColumns(1, 2);
  EXPECT_EQ(table->Cell(1, 2), "f");
  EXPECT_EQ(table->LastCol(), 3);
  table->DeleteLines(1, 1);
  EXPECT_EQ(table->Cell(1, 1), "f");
  EXPECT_EQ(table->LastRow(), 1);
}

TEST(TableEdit, CopyCutAndPasteCellRanges) {
  auto table = MakeTable({"a b c", "d e f"});
  EXPECT_EQ(table->CellsText(2, 1, 3, 2), "b\tc\ne\tf\n");
  EXPECT_TRUE(table->CellsText(0, 0, 19, 19).startsWith("\tIn\tIn"));
  table->ClearCells(2, 1, 3, 2);
  EXPECT_EQ(table->LastCol(), 1);

  table->SetCell(0, 19, "");                     // an empty mark gets "In" after a paste
  table->PasteText("1\t2\r\n3\t4\r\n", 19, 19);  // past the last row and column: the grid grows
  EXPECT_EQ(table->RowCount(), 21);
  EXPECT_EQ(table->ColCount(), 21);
  EXPECT_EQ(table->Cell(20, 20), "4");
  EXPECT_EQ(table->Cell(0, 19), kMarkIn);
  EXPECT_EQ(table->Cell(0, 20), kMarkIn);
  EXPECT_EQ(table->Cell(20, 0), kMarkIn);
  EXPECT_EQ(table->LastRow(), 20);
  EXPECT_EQ(table->LastCol(), 20);
  EXPECT_FALSE(table->Modified());
}

TEST(TableEdit, NewTablesAreNeverNamedTwice) {
  Workbench workbench;
  EXPECT_EQ(workbench.CreateTableWindow()->FileName(), "NONAME1");
  EXPECT_EQ(workbench.CreateTableWindow("/data/x.tbl")->Caption(), "Data - /data/x.tbl");
  EXPECT_EQ(workbench.CreateTableWindow()->FileName(), "NONAME3");
}

}  // namespace
