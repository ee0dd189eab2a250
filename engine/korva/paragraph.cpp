// The sentence loop of the procedure section's paragraphs.
#include "engine/korva/paragraph.h"

#include "engine/addutil/sentence.h"
#include "engine/util/listing.h"
#include "engine/util/recovery.h"

namespace engine::korva {

void readParagraph(EngineState& st, std::string_view ILLEGAL, const ParagraphSentence& sentence) {
  SymbolTable& s = st.SYMTAB;
  s.IPOS += 1;
  for (;;) {
    Name8& key = s.SYM(s.IPOS);
    UPCASE(key);
    int ERR = 0;
    if (!sentence(st, key, ERR)) {
      errorAt(st, ILLEGAL, Fields().a(key), 1, s.IPOS);
      ERR = 2;
    }
    if (ERR == 0) {
      int code = 0;
      SEMSL(st, code);
      if (code == 3) continue;
      if (code == 2) break;
      ERR = 1;
    }
    if (ERR == 1) ERRCNT(st, 1);
    int flag = 0;
    int p = s.IPOS;
    SKIPSL(st, p, flag);
    s.IPOS = p;
    if (flag == 1) break;
  }
  // The ";" that ended the paragraph also ends the section sentence.
  s.IPOS -= 1;
}

}  // namespace engine::korva
