// The command stream reader: how scripts become symbols.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "harness.h"

namespace spinetest {
namespace {

using ::testing::ElementsAreArray;

struct TokenCase {
  const char* script;
  std::vector<std::string> symbols;  // numbers as "#value"
};

TEST(Tokenizer, CutsScriptsIntoSymbols) {
  const TokenCase cases[] = {
      {"", {"$", "END"}},
      {"$FOR XN=X12", {"$", "FOR", "XN", "=", "X12", "$", "END"}},
      {"a,b", {"a", "b", "$", "END"}},
      {"ABCDEFGHIJ K", {"ABCDEFGH", "K", "$", "END"}},
      {"** *** *", {"**", "**", "*", "*", "$", "END"}},
      {".5 .A ..", {"#0.5", ".A", "..", "$", "END"}},
      {"1E2 1E 2 1e2", {"#100", "#100", "#1", "e2", "$", "END"}},
      {"12X 1.5.3", {"#12", "X", "#1.5", "#0.3", "$", "END"}},
      {"1E-3", {"#1", "-", "#3", "$", "END"}},
      {"A\tB", {"A\tB", "$", "END"}},
      {"it's", {"it's", "$", "END"}},
      {"x=(a+b);", {"x", "=", "(", "a", "+", "b", ")", ";", "$", "END"}},
      {"$RUN ; END ; more", {"$", "RUN", ";", "END"}},
      {"end", {"end"}},
      {"End x", {"End", "x", "$", "END"}},
      {"A {comment} B", {"A", "B", "$", "END"}},
      {"A {x {nested} y} B", {"A", "B", "$", "END"}},
      {"A {open\n'quoted' 12\nclose} B", {"A", "B", "$", "END"}},
      {"'abc'", {"'", "abc", "'", "$", "END"}},
      {"'it''s'", {"'", "it's", "'", "$", "END"}},
      {"'' 12", {"'", "12", "$", "END"}},
      {"'0123456789'", {"'", "01234567", "89", "'", "$", "END"}},
      {"\x1a$RUN\nX", {"$", "END"}},
      {"A\n\x1a X\nB", {"A", "$", "END"}},
      {"A\r\nB\rC", {"A", "B", "C", "$", "END"}},
  };
  for (const TokenCase& c : cases) {
    auto e = Engine::read(c.script);
    EXPECT_THAT(e->symbols(), ElementsAreArray(c.symbols)) << "script: " << c.script;
  }
}

TEST(Tokenizer, QuotedTextKeepsPieceCountInFirstPiece) {
  auto e = Engine::read("NAME = 'a rather long title text!'");
  const engine::SymbolTable& s = e->st->SYMTAB;
  ASSERT_EQ(s.SYM(3), engine::Name8("'"));
  EXPECT_EQ(s.SYMVAL(4), 4.0f);
  EXPECT_EQ(s.SYMVAL(5), 0.0f);
  EXPECT_EQ(s.SYM(7), engine::Name8("!       "));
  EXPECT_EQ(s.SYM(8), engine::Name8("'"));
}

TEST(Tokenizer, OnlyTheFirst80ColumnsCount) {
  std::string line(79, ' ');
  line += "AB";  // A in column 80, B in column 81
  auto e = Engine::read(line + "\nC");
  EXPECT_THAT(e->symbols(), ElementsAreArray({"A", "C", "$", "END"}));
}

TEST(Tokenizer, QuotedTextContinuesOnTheNextLineAfterBlanks) {
  std::string line(72, ' ');
  line += "'abc";  // the text runs on to column 80
  auto e = Engine::read(line + "\n , def'");
  const engine::SymbolTable& s = e->st->SYMTAB;
  ASSERT_EQ(s.SYMVAL(2), 2.0f);
  EXPECT_EQ(std::string(s.SYM(2).view()) + std::string(s.SYM(3).view()), "abc    def      ");
}

TEST(Tokenizer, PeriodInColumn80LooksAtTheNextLine) {
  std::string line(79, ' ');
  line += ".";
  auto number = Engine::read(line + "\n5 X");
  EXPECT_THAT(number->symbols(), ElementsAreArray({"#0", "#5", "X", "$", "END"}));
  auto word = Engine::read(line + "\nA");
  EXPECT_THAT(word->symbols(), ElementsAreArray({".", "A", "$", "END"}));
  // The line read ahead is still echoed once, with its own number.
  auto echo = Engine::read(line + "\n5");
  EXPECT_NE(echo->out.str().find(" _  2_ 5"), std::string::npos);
}

TEST(Tokenizer, LinesAreNumberedInLinsta) {
  auto e = Engine::read("A B\nC\n\nD");
  const engine::SymbolTable& s = e->st->SYMTAB;
  EXPECT_EQ(s.LINSTA(1), 0);
  EXPECT_EQ(s.LINSTA(2), 2);
  EXPECT_EQ(s.LINSTA(3), 3);
  EXPECT_EQ(s.LINSTA(4), 3);
  EXPECT_EQ(s.LINSTA(5), 6);  // after the closing "$" END
  EXPECT_EQ(s.NLINE, 5);
}

TEST(Tokenizer, SymbolLimitStopsReading) {
  std::string script;
  for (int k = 0; k < 18005; ++k) script += (k % 10 == 9) ? "A\n" : "A ";
  auto e = Engine::read(script);
  const engine::SymbolTable& s = e->st->SYMTAB;
  EXPECT_EQ(s.NSYM, 18000);
  EXPECT_EQ(e->st->RUNCTL.NERR, 1);
  EXPECT_NE(e->out.str().find(" **Error** : Command Language error\r\n"
                              "             Too many symbols or missing\r\n"
                              "             right comment bracket(s)\r\n"),
            std::string::npos);
  // Reading stopped in line 1801: no later line is echoed.
  std::string listing = e->out.str();
  size_t echoed = 0;
  for (size_t at = 0; (at = listing.find("\n _", at)) != std::string::npos; ++at) ++echoed;
  EXPECT_EQ(echoed, 1801u);
}

TEST(Tokenizer, ExactlyTheLimitStillEndsWithDollarEnd) {
  std::string script;
  for (int k = 0; k < 18000; ++k) script += "A\n";
  auto e = Engine::read(script);
  const engine::SymbolTable& s = e->st->SYMTAB;
  EXPECT_EQ(s.NSYM, 18002);
  EXPECT_EQ(s.SYM(18001), engine::Name8("$"));
  EXPECT_EQ(s.SYM(18002), engine::Name8("END"));
  EXPECT_EQ(e->st->RUNCTL.NERR, 0);
}

TEST(Tokenizer, QuotedTextThatDoesNotFitStopsReading) {
  std::string script;
  for (int k = 0; k < 17997; ++k) script += "A\n";
  auto e = Engine::read(script + "'0123456789abcdef'");
  EXPECT_EQ(e->st->RUNCTL.NERR, 1);
  EXPECT_EQ(e->st->SYMTAB.NSYM, 17998);  // the opening quote
}

}  // namespace
}  // namespace spinetest
