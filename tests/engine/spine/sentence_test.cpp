// The sentence routines, the delimiter checks and the recovery routines.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/addutil/sentence.h"
#include "engine/util/listing.h"
#include "engine/util/recovery.h"
#include "harness.h"

namespace spinetest {
namespace {

using engine::Name8;
using ::testing::ElementsAreArray;

struct NumberCase {
  const char* script;  // the keyword is the first symbol
  int err;
  float value;
  std::vector<std::string> messages;
};

TEST(NumberSentences, ReadSignedValues) {
  const NumberCase cases[] = {
      {"PAGESIZE = 20 ;", 0, 20.0f, {}},
      {"PAGESIZE IS - 3.9 ;", 0, -3.9f, {}},
      {"PAGESIZE ARE + 3.9 ;", 0, 3.9f, {}},
      {"PAGESIZE = - X ;", 0, 0.0f, {}},  // after a sign no test is made
      {"PAGESIZE 20 ;",
       1,
       0.0f,
       {" **Error** : PAGESIZE sentence not followed by IS or ARE or =",
        "           ---- At line No. _  1_"}},
      {"PAGESIZE = ABC ;",
       1,
       0.0f,
       {" **Error** : ABC      Not a number", "           ---- At line No. _  1_"}},
      {"PAGESIZE = is ;",  // the sign words count in upper case only
       1,
       0.0f,
       {" **Error** : is       Not a number", "           ---- At line No. _  1_"}},
  };
  for (const NumberCase& c : cases) {
    auto e = Engine::read(c.script);
    float real = 0.0f;
    int err = -1;
    engine::RNUMSN(*e->st, real, "PAGESIZE", err);
    EXPECT_EQ(err, c.err) << c.script;
    if (err == 0) {
      EXPECT_EQ(real, c.value) << c.script;
    }
    EXPECT_THAT(e->messages(), ElementsAreArray(c.messages)) << c.script;

    auto i = Engine::read(c.script);
    int32_t whole = 0;
    engine::NUMSN(*i->st, whole, "PAGESIZE", err);
    if (err == 0) {
      EXPECT_EQ(whole, static_cast<int32_t>(c.value)) << c.script;
    }
    // Both leave IPOS on the number.
    if (err == 0) {
      EXPECT_EQ(i->st->SYMTAB.SYM(i->st->SYMTAB.IPOS + 1), Name8(";")) << c.script;
    }
  }
}

TEST(NumberSentences, HugeValuesAreClampedNotUndefined) {
  auto e = Engine::read("N = 1E30 ;");
  int32_t v = 0;
  int err = 0;
  engine::NUMSN(*e->st, v, "N", err);
  EXPECT_EQ(v, 2147483647);
}

struct QuoteCase {
  const char* script;
  int step;
  int maxw;
  int mode;
  int err;
  int nw;
  std::string dest;  // 24 characters, "." where nothing was written
  std::vector<std::string> messages;
};

TEST(QuotedSentences, CopyPiecesByMode) {
  const QuoteCase cases[] = {
      {"NAME = 'abcdefghij' ;", 8, 3, 1, 0, 2, "abcdefghij      ........", {}},
      // Elements of 4 characters: each piece is cut to its element.
      {"NAME = 'abcdefghij' ;", 4, 3, 1, 0, 2, "abcdij  ................", {}},
      // Elements of 12: each piece is padded.
      {"NAME = 'abcdefghij' ;", 12, 3, 1, 0, 2, "abcdefgh    ij          ", {}},
      // Pieces beyond MAXW are dropped without a message.
      {"NAME = '0123456789abcdefghijklmnopqrstuv' ;",
       8,
       2,
       0,
       0,
       2,
       "0123456789abcdef........",
       {}},
      {"NAME 'x' ;",
       8,
       3,
       0,
       1,
       0,
       "........................",
       {" **Error** : NAME sentence not followed by IS or ARE or =",
        "           ---- At line No. _  1_"}},
      {"NAME = x ;",
       8,
       3,
       0,
       1,
       0,
       "........................",
       {" **Error** : The Name after NAME sentence is not preceded by a single quote",
        "           ---- At line No. _  1_"}},
      {"NAME = '' ;",
       8,
       3,
       0,
       1,
       0,
       "........................",
       {" **Error** : The Name after NAME sentence is not followed by a single quote",
        "           ---- At line No. _  1_"}},
  };
  for (const QuoteCase& c : cases) {
    auto e = Engine::read(c.script);
    std::string dest(24, '.');
    int p = 1, nw = -1, err = -1;
    engine::QNAMSN(*e->st, p, "NAME", dest, c.step, c.maxw, c.mode, nw, err);
    EXPECT_EQ(err, c.err) << c.script;
    EXPECT_EQ(nw, c.nw) << c.script;
    EXPECT_EQ(dest, c.dest) << c.script;
    EXPECT_THAT(e->messages(), ElementsAreArray(c.messages)) << c.script;
    if (err == 0) {
      EXPECT_EQ(e->st->SYMTAB.SYM(p), Name8("'")) << c.script;
    }
  }
}

TEST(KeywordSentences, UpcaseTheValueInPlace) {
  auto e = Engine::read("PAPER = waste ;");
  Name8 value;
  int err = -1;
  engine::KEYWSN(*e->st, value, "PAPER", err);
  EXPECT_EQ(err, 0);
  EXPECT_EQ(value, Name8("WASTE"));
  EXPECT_EQ(e->st->SYMTAB.SYM(3), Name8("WASTE"));
  EXPECT_EQ(e->st->SYMTAB.IPOS, 3);
}

struct DelimiterCase {
  const char* script;
  bool paragraph;  // SEMSL instead of SEMCHK
  int code;
  const char* at;  // the symbol at IPOS afterwards
};

TEST(Delimiters, TellHowTheSentenceEnds) {
  // IPOS starts on the value X.
  const DelimiterCase cases[] = {
      {"X ; $ END", false, 2, "$"}, {"X ; K = 1", false, 3, "K"}, {"X / ; $", true, 2, ";"},
      {"X / K = 1", true, 3, "K"},  {"X ; $", true, 2, ";"},      {"X K = 1 ;", false, 1, "K"},
      {"X K = 1 ;", true, 1, "K"},
  };
  for (const DelimiterCase& c : cases) {
    auto e = Engine::read(c.script);
    int code = 0;
    if (c.paragraph)
      engine::SEMSL(*e->st, code);
    else
      engine::SEMCHK(*e->st, code);
    EXPECT_EQ(code, c.code) << c.script;
    EXPECT_EQ(e->st->SYMTAB.SYM(e->st->SYMTAB.IPOS), Name8(c.at)) << c.script;
    if (code == 1) {
      EXPECT_THAT(e->messages(), ElementsAreArray({" **Error** : Missing semicolon delimiter",
                                                   "           ---- At line No. _  1_"}));
    }
  }
}

struct SkipCase {
  const char* script;
  int flag;
  const char* at;
  std::vector<std::string> messages;
};

TEST(Recovery, SkipToTheNextSentence) {
  const SkipCase cases[] = {
      {"BAD x y ; NEXT = 1 ;", 0, "NEXT", {}},
      {"BAD x ; $ END", 1, "$", {}},
      {"$ END", 1, "$", {}},
      {"BAD x\n$ RUN",
       1,
       "$",
       {" **Error** : Missing semicolon delimiter from BAD      to the next dollar",
        "           ---- At line No. _  2_"}},
  };
  for (const SkipCase& c : cases) {
    auto e = Engine::read(c.script);
    int flag = -1;
    engine::SKIPSC(*e->st, flag);
    EXPECT_EQ(flag, c.flag) << c.script;
    EXPECT_EQ(e->st->SYMTAB.SYM(e->st->SYMTAB.IPOS), Name8(c.at)) << c.script;
    EXPECT_THAT(e->messages(), ElementsAreArray(c.messages)) << c.script;
    EXPECT_EQ(e->st->RUNCTL.NERR, static_cast<int>(c.messages.size() / 2)) << c.script;
  }
}

TEST(Recovery, SkipToTheEndOfTheSymbols) {
  auto e = Engine::read("BAD x");
  e->st->SYMTAB.NSYM = 2;  // a stream cut off by the symbol limit has no "$" END
  int flag = -1;
  engine::SKIPSC(*e->st, flag);
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(
      e->messages()[0],
      " **Error** : Missing semicolon delimiter from BAD      to end of the command language");
}

TEST(Recovery, SkipToTheNextParagraphSentence) {
  const SkipCase cases[] = {
      {"BAD x / NEXT ;", 0, "NEXT", {}},
      {"BAD x / ; $", 1, ";", {}},
      {"; $", 1, ";", {}},
      {"BAD x $ y ;",  // a "$" does not stop it
       1,
       ";",
       {" **Error** : Missing slash delimiter from BAD      to the next semicolon",
        "           ---- At line No. _  1_"}},
      {"BAD x",
       1,
       "END",
       {" **Error** : Missing slash delimiter from BAD      to end of the command language",
        "           ---- At line No. _  1_"}},
  };
  for (const SkipCase& c : cases) {
    auto e = Engine::read(c.script);
    int p = 1, flag = -1;
    engine::SKIPSL(*e->st, p, flag);
    EXPECT_EQ(flag, c.flag) << c.script;
    EXPECT_EQ(e->st->SYMTAB.SYM(p), Name8(c.at)) << c.script;
    EXPECT_THAT(e->messages(), ElementsAreArray(c.messages)) << c.script;
  }
}

TEST(ListLength, CountsUpToADelimiterOrOverASet) {
  auto e = Engine::read("A B C ; D $");
  std::vector<Name8> delims = {Name8(";"), Name8("$")};
  int n = -1;
  engine::LSTLEN(*e->st, delims, 2, 1, n);
  EXPECT_EQ(n, 3);
  EXPECT_EQ(delims[0], Name8(";"));
  std::vector<Name8> set = {Name8("A"), Name8("B")};
  engine::LSTLEN(*e->st, set, -2, 1, n);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(set[0], Name8("C"));
}

TEST(ListLength, HaltsWhenTheListRunsToTheEnd) {
  auto e = Engine::read("A B C");
  std::vector<Name8> delims = {Name8(";")};
  int n = -1;
  EXPECT_THROW(engine::LSTLEN(*e->st, delims, 1, 1, n), engine::EngineHalt);
  EXPECT_THAT(e->messages(), ElementsAreArray({" **Error** Missing delimiter",
                                               " Error : Missing delimiter", " "}));
  EXPECT_EQ(e->st->RUNCTL.NERR, 1);
}

TEST(LineNumbers, NameTheLineOfASymbol) {
  auto e = Engine::read("A\nB C\n\nD");
  e->out.str("");
  e->banner = 0;
  for (int p : {1, 3, 4, 5, 0, 99}) engine::LINEAT(*e->st, p);
  EXPECT_THAT(
      e->messages(),
      ElementsAreArray({"           ---- At line No. _  1_", "           ---- At line No. _  2_",
                        "           ---- At line No. _  4_", "           ---- At line No. _  4_"}));
}

TEST(LineNumbers, NothingForLinesBeyondTheTable) {
  std::string script;
  for (int k = 0; k < 1002; ++k) script += "A\n";
  auto e = Engine::read(script);
  EXPECT_NE(e->out.str().find(" _999_ A"), std::string::npos);
  EXPECT_NE(e->out.str().find(" _***_ A"), std::string::npos);
  e->out.str("");
  e->banner = 0;
  engine::LINEAT(*e->st, 999);
  engine::LINEAT(*e->st, 1001);
  EXPECT_THAT(e->messages(), ElementsAreArray({"           ---- At line No. _999_"}));
}

}  // namespace
}  // namespace spinetest
