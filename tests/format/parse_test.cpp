// Parsing of format texts: the accepted notation and the diagnostics of
// invalid texts.
#include "tests/format/support.h"

namespace format {
namespace {

TEST(FormatParse, AcceptsTheNotationAsWritten) {
  const char* texts[] = {
      "(10F8.4)",
      "  ( 2 f 4 . 2 , f2.0 )   ",         // blanks are ignored, letters in either case
      "(3F6.2,F5.1)                    ",  // a data-format line padded with blanks
      "(I3) anything after the final parenthesis",
      "(  5x,a 40)",
      "(  0x,a 40)",
      "(   (/),a)",
      "(       a)",
      "(1PE12.4,2PF8.2,-1PG10.3)",
      "(2PF8.3)",
      "(I3/I4:I5)",
      "(BN,BZ,S,SP,SS,T1,TL2,TR3)",
      "(E12.4E3,G10.3E2,D10.3,I5.3)",
      "(4Habcd,'x''y',\"z\")",
      "()",
  };
  for (const char* text : texts) {
    Format format = Format::parse(text);
    EXPECT_TRUE(format.valid()) << text << ": " << format.error();
    EXPECT_EQ(format.text(), text);
  }
}

TEST(FormatParse, InvalidTextsSayWhatAndWhere) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"", "must begin with \"(\""},
      {"F8.4", "must begin with \"(\""},
      {"(F8.4", "missing \")\""},
      {"((I3)", "missing \")\""},
      {"(F8)", "F8 needs \".d\""},
      {"(F8.)", "missing decimals"},
      {"(I)", "missing field width"},
      {"(I0)", "field width must be at least 1"},
      {"(A0)", "A needs a width"},
      {"(0I3)", "repeat count must be at least 1"},
      {"(0(I3))", "repeat count must be at least 1"},
      {"(999999999I999999999)", "a number larger than"},
      {"(I3,,I4)", "an item is missing"},
      {"(,I4)", "an item is missing"},
      {"(I3,)", "an item is missing"},
      {"('abc)", "missing closing quote"},
      {"(5Habc)", "ends inside the nH text"},
      {"(L4)", "\"L\" is not an edit descriptor"},
      {"(Z4)", "\"Z\" is not an edit descriptor"},
      {"(T0)", "column after T must be at least 1"},
      {"(T)", "missing column after T"},
      {"(BX)", "B must be followed by N or Z"},
      {"(2'x')", "quoted text cannot have a repeat count"},
      {"(-2X)", "a sign is allowed only before P"},
      {"(P)", "missing scale factor"},
      {"(3T5)", "a count cannot stand before T"},
      {"(((((((((((((((((((((((((((((((((((I3)))))))))))))))))))))))))))))))))))",
       "nested too deeply"},
  };
  for (const auto& c : cases) {
    Format format = Format::parse(c.text);
    EXPECT_FALSE(format.valid()) << c.text;
    EXPECT_NE(format.error().find(c.message), std::string::npos)
        << c.text << ": " << format.error();
    EXPECT_NE(format.error().find("at column"), std::string::npos) << format.error();
  }
}

TEST(FormatParse, CachedFormatIsParsedOnce) {
  const Format& first = Format::cached("(1X,79('-'))");
  const Format& second = Format::cached(std::string("(1X,79('-'))"));
  EXPECT_EQ(&first, &second);
  EXPECT_TRUE(first.valid());
}

}  // namespace
}  // namespace format
