// Name and value lists with the TO convention.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/util/lists.h"
#include "harness.h"

namespace spinetest {
namespace {

using engine::Name8;
using ::testing::ElementsAreArray;

const std::string kAt1 = "           ---- At line No. _  1_";

std::vector<Name8> semicolon() {
  return {Name8(";")};
}

// The script "L = <list> ;" with the list's first symbol at position 3.
std::unique_ptr<Engine> listScript(const std::string& list) {
  return Engine::read("L = " + list + " ;");
}

struct NameCase {
  const char* list;
  std::vector<std::string> names;
  std::vector<std::string> messages;
};

TEST(NewNames, ExpandIndexedRanges) {
  const NameCase cases[] = {
      {"X1 TO X12",
       {"X1", "X2", "X3", "X4", "X5", "X6", "X7", "X8", "X9", "X10", "X11", "X12"},
       {}},
      {"X9 to X11", {"X9", "X10", "X11"}, {}},
      {"ITEM001 To ITEM003", {"ITEM1", "ITEM2", "ITEM3"}, {}},
      {"X1 TO X3 TO X5", {"X1", "X2", "X3", "X4", "X5"}, {}},
      {"A X01 TO X2 B", {"A", "X1", "X2", "B"}, {}},
      {"X5 TO X5", {"X5"}, {" **Warning** Constant Index in TO-list : X5      TO      X5      "}},
      {"A B E TO F",
       {"A", "B", "E", "F"},
       {" **Warning** Incorrect use of TO Convention : E       TO      F       ", kAt1}},
      {"X5 TO X2",
       {"X5", "X2"},
       {" **Error** Decreasing order in TO-list : X5      TO      X2      ", kAt1}},
      {"AB1 TO AC5 Z", {"AB1", "Z"}, {" **Error** in TO-list : AB1     TO      AC5     ", kAt1}},
      {"TO X1 Y", {"X1", "Y"}, {" **Error** in Syntax of TO-list : TO      X1      ", kAt1}},
      {"Y X1 TO", {"Y", "X1"}, {" **Error** in Syntax of TO-list : X1      TO      ", kAt1}},
      {"A 5 TO X", {"A", "", "X"}, {" **Error** Number as Name is prohibited :        5", kAt1}},
      {"A A", {"A", "A"}, {}},
      {"", {}, {" **Error** No variable list supplied", kAt1}},
  };
  for (const NameCase& c : cases) {
    auto e = listScript(c.list);
    std::vector<Name8> names(20);
    auto delims = semicolon();
    int nout = -1;
    e->st->SYMTAB.IPOS = 3;
    engine::NEWLST(*e->st, names, nout, delims, 1);
    std::vector<std::string> got;
    for (int k = 0; k < nout; ++k) got.emplace_back(names[static_cast<size_t>(k)].trimmed());
    EXPECT_THAT(got, ElementsAreArray(c.names)) << c.list;
    EXPECT_THAT(e->messages(), ElementsAreArray(c.messages)) << c.list;
    // Left on the last list symbol, so that the ";" comes next.
    EXPECT_EQ(e->st->SYMTAB.SYM(e->st->SYMTAB.IPOS + 1), Name8(";")) << c.list;
  }
}

TEST(NewNames, CountBeyondTheTableWithoutWritingPastIt) {
  auto e = listScript("X1 TO X9999999 Y");
  std::vector<Name8> names(5);
  auto delims = semicolon();
  int nout = 0;
  e->st->SYMTAB.IPOS = 3;
  engine::NEWLST(*e->st, names, nout, delims, 1);
  EXPECT_EQ(nout, 10000000);
  EXPECT_EQ(names[4], Name8("X5"));
}

struct VarCase {
  const char* list;
  std::vector<int32_t> idx;
  std::vector<std::string> messages;
};

TEST(DeclaredNames, LookUpInTheDictionary) {
  const std::vector<Name8> dict = {Name8("A"), Name8("Q"), Name8("B"), Name8("Z"), Name8("A")};
  const VarCase cases[] = {
      {"A TO B", {1, 2, 3}, {}},
      {"Z Q tO B", {4, 2, 3}, {}},
      {"U TO B", {}, {" **Error** Undeclared Variable : U       ", kAt1}},
      {"A TO U", {1}, {" **Error** Undeclared Variable : U       ", kAt1}},
      {"B TO Q", {3}, {" **Error** Decreasing order in TO-list : B       TO      Q       ", kAt1}},
      {"TO A", {1}, {" **Error** in TO-list Syntax : TO      A       ", kAt1}},
      {"7", {}, {" **Error** Number as Name is prohibited :        7", kAt1}},
      {"", {}, {" **Error** No variable list supplied", kAt1}},
  };
  for (const VarCase& c : cases) {
    auto e = listScript(c.list);
    std::vector<int32_t> idx(10);
    auto delims = semicolon();
    int p = 3, nout = -1;
    engine::VARLST(*e->st, dict, delims, 1, p, idx, nout);
    idx.resize(static_cast<size_t>(nout));
    EXPECT_THAT(idx, ElementsAreArray(c.idx)) << c.list;
    EXPECT_THAT(e->messages(), ElementsAreArray(c.messages)) << c.list;
    EXPECT_EQ(e->st->SYMTAB.SYM(p + 1), Name8(";")) << c.list;
  }
}

struct IntervalCase {
  const char* list;
  std::vector<std::array<float, 2>> intervals;
  std::vector<std::string> messages;
};

TEST(MissingValues, FormIntervals) {
  const IntervalCase cases[] = {
      {"1, 3 TO 5, 9", {{1, 1}, {3, 5}, {9, 9}}, {}},
      {"- 9 TO - 1", {{-9, -1}}, {}},
      {"5 TO 3",
       {{5, 3}},
       // The symbols of numbers are blank: the message shows only the TO.
       {" **Error** Decreasing values in TO-list :         TO              ", kAt1}},
      {"1 x", {{1, 1}}, {" **Error** Not a number : x       ", kAt1}},
      {"TO 3", {{3, 3}}, {" **Error** in TO-list Syntax : TO              ", kAt1}},
      {"1 2 3 4 5 6 7 8 9 10 11", {{11, 11}}, {" **Error** More than  10 intervals", kAt1}},
      {"", {}, {" **Error** No value list supplied", kAt1}},
  };
  for (const IntervalCase& c : cases) {
    auto e = listScript(c.list);
    std::vector<std::array<float, 2>> miss(10, {0, 0});
    int32_t nmiss = 0;
    auto delims = semicolon();
    int p = 3;
    engine::VALLST(*e->st, miss, nmiss, delims, 1, p);
    miss.resize(static_cast<size_t>(nmiss));
    EXPECT_THAT(miss, ElementsAreArray(c.intervals)) << c.list;
    EXPECT_THAT(e->messages(), ElementsAreArray(c.messages)) << c.list;
  }
}

struct RealCase {
  const char* list;
  std::vector<float> values;
  std::vector<std::string> messages;
};

TEST(RealLists, ExpandRangesInWholeNumbers) {
  const RealCase cases[] = {
      {"1 TO 3.5", {1, 2, 3, 3.5f}, {}},
      {"2.5 TO 4", {2.5f, 3, 4}, {}},
      {"- 2 TO 1 7", {-2, -1, 0, 1, 7}, {}},
      {"3 TO 1", {3}, {" **Error** Decreasing values in TO-list :    3.000 TO    1.000", kAt1}},
      {"2 TO 2", {2}, {" **Error** Same values in TO-list :    2.000 TO    2.000", kAt1}},
      {"TO 3", {3}, {" **Error** in TO-list Syntax : TO    3.000", kAt1}},
      {"3 TO", {3}, {" **Error** in TO-list Syntax :    3.000 TO", kAt1}},
      {"1 y", {1}, {" **Error** Not a number : y       ", kAt1}},
  };
  for (const RealCase& c : cases) {
    auto e = listScript(c.list);
    std::vector<float> vals(10);
    auto delims = semicolon();
    int p = 3, nout = -1;
    engine::RVLLST(*e->st, vals, nout, delims, 1, p);
    vals.resize(static_cast<size_t>(nout));
    EXPECT_THAT(vals, ElementsAreArray(c.values)) << c.list;
    EXPECT_THAT(e->messages(), ElementsAreArray(c.messages)) << c.list;
  }
}

TEST(RealLists, HugeRangesAreCountedNotStored) {
  auto e = listScript("1 TO 1E9");
  std::vector<float> vals(3);
  auto delims = semicolon();
  int p = 3, nout = 0;
  engine::RVLLST(*e->st, vals, nout, delims, 1, p);
  EXPECT_EQ(nout, 1000000000);
  EXPECT_THAT(vals, ElementsAreArray({1.0f, 2.0f, 3.0f}));
}

struct SplitCase {
  const char* a;
  const char* b;
  bool ok;
  const char* prefix;
  int i1, i2;
};

TEST(IndexedNames, SplitIntoPrefixAndIndices) {
  const SplitCase cases[] = {
      {"X1", "X12", true, "X", 1, 12},       {"X01", "X12", true, "X", 1, 12},
      {"AB1", "AC5", false, "A", 0, 0},      {"X1", "Y3", false, "", 0, 0},
      {"VAR10", "VAR2", true, "VAR", 10, 2}, {"X", "X5", false, "X", 0, 0},
      {"X5", "X", true, "X", 5, 0},          {"Q1A", "Q1B", false, "Q", 0, 0},
      {"1", "5", false, "", 0, 0},
  };
  for (const SplitCase& c : cases) {
    Name8 prefix;
    int len = -1;
    int32_t i1 = -1, i2 = -1;
    bool ok = !c.ok;
    engine::splitIndexedPair(Name8(c.a), Name8(c.b), prefix, len, i1, i2, ok);
    EXPECT_EQ(ok, c.ok) << c.a << " TO " << c.b;
    EXPECT_EQ(prefix, Name8(c.prefix)) << c.a << " TO " << c.b;
    EXPECT_EQ(len, static_cast<int>(std::string_view(c.prefix).size())) << c.a;
    if (c.ok) {
      EXPECT_EQ(std::make_pair(i1, i2), std::make_pair(c.i1, c.i2)) << c.a;
    }
  }
}

TEST(IndexedNames, GeneratedNamesAreCutToEightCharacters) {
  EXPECT_EQ(engine::generatedName(Name8("LONGNAME"), 7, 123), Name8("LONGNAM1"));
  EXPECT_EQ(engine::generatedName(Name8("X"), 1, -3), Name8("X-3"));
}

TEST(IndexedNames, LookupFindsTheLastEqualEntry) {
  const std::vector<Name8> table = {Name8("A"), Name8("B"), Name8("A")};
  int j = -1;
  engine::LOOKUP(table, Name8("A"), j);
  EXPECT_EQ(j, 3);
  engine::LOOKUP(table, Name8("C"), j);
  EXPECT_EQ(j, 0);
}

struct CountCase {
  const char* list;
  int count;
  std::vector<std::string> messages;
};

TEST(ForLists, CountNumbers) {
  const CountCase cases[] = {
      {"1 TO 3", 3, {}},
      {"- 2 TO 1", 4, {}},
      {"1 TO 3.5", 4, {}},
      {"- 5 TO - 2.5", 4, {}},
      {"- 2.7 TO - 2.5", 2, {}},
      {"5 7 9", 3, {}},
      {"2 TO 2", 1, {}},
      {"3E9",
       0,
       {" **Error** You have a constant exceeding 2147483647", "           :  0.3E+10", kAt1}},
  };
  for (const CountCase& c : cases) {
    auto e = Engine::read(std::string("I = ") + c.list + " $ X");
    std::vector<Name8> delims = {Name8(";"), Name8("$")};
    int count = -1, last = -1;
    engine::FORNUM(*e->st, 3, delims, 2, count, last);
    EXPECT_EQ(count, c.count) << c.list;
    EXPECT_EQ(e->st->SYMTAB.SYM(last + 1), Name8("$")) << c.list;
    EXPECT_THAT(e->messages(), ElementsAreArray(c.messages)) << c.list;
  }
}

TEST(ForLists, CountNewNames) {
  const CountCase cases[] = {
      {"X1 TO X12", 12, {}},
      {"X5 TO X5", 1, {}},
      {"A B", 2, {}},
      {"X1 To X3", 3, {}},  // only TO and to are range words here
      {"AB1 TO AC5", 1, {" **Warning** Same Name in TO-list : AB1     TO      AC5     ", kAt1}},
  };
  for (const CountCase& c : cases) {
    auto e = Engine::read(std::string("I = ") + c.list + " ; X");
    std::vector<Name8> delims = {Name8(";"), Name8("$")};
    int count = -1, last = -1;
    engine::FORNAM(*e->st, 3, delims, 2, count, last);
    EXPECT_EQ(count, c.count) << c.list;
    EXPECT_THAT(e->messages(), ElementsAreArray(c.messages)) << c.list;
  }
}

TEST(ForLists, CountDeclaredNames) {
  const std::vector<Name8> dict = {Name8("V2"), Name8("A"), Name8("B"), Name8("V4")};
  auto e = Engine::read("I = V2 TO V4 A ;");
  std::vector<Name8> delims = {Name8(";"), Name8("$")};
  int count = -1, last = -1;
  engine::FORVAR(*e->st, dict, 3, delims, 2, count, last);
  EXPECT_EQ(count, 5);
  EXPECT_EQ(last, 6);
}

}  // namespace
}  // namespace spinetest
