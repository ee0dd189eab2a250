// Finding FOR blocks and tying each FOR to its ENDFOR by block codes.
#include <string>

#include "engine/addutil/sentence.h"
#include "engine/for/for_blocks.h"
#include "engine/for/for_tables.h"
#include "engine/util/listing.h"

namespace engine {

namespace {

constexpr int kMaxCodeLength = 8;

bool readsAs(const Name8& sym, const Name8& word) {
  Name8 w = sym;
  UPCASE(w);
  return w == word;
}

// A FOR or ENDFOR counts as a block delimiter only right after a "$".
bool blockWordAt(const SymbolTable& s, int j, const Name8& word) {
  return s.SYM(j - 1) == Name8("$") && readsAs(s.SYM(j), word);
}

// The code of a block opened while `code` is current: one more digit inside
// a block, the next digit beside a block that has just ended. False when the
// code cannot be formed (a tenth block side by side); `code` then stays open
// on the ninth block's digit, so that the ENDFOR that follows is still paired.
bool openCode(EngineState& st, int K, std::string& code) {
  if (code.front() == '{') {
    if (static_cast<int>(code.size()) == kMaxCodeLength) {
      LSTWR(st, "(' **Error** More than 8 nested FOR ... ENDFOR Blocks')");
      ERRCNT(st, 1);
      LINEAT(st, K);
      code.back() = '1';
    } else {
      code.push_back('1');
    }
    return true;
  }
  code.front() = '{';
  if (code.back() == '9') {
    LSTWR(st,
          "(' **Error** More than 9 serial FOR ... ENDFOR Blocks',/,'           inside a FOR "
          "...ENDFOR Block')");
    ERRCNT(st, 2);
    LINEAT(st, K);
    return false;
  }
  code.back() = static_cast<char>(code.back() + 1);
  return true;
}

// The code of the ENDFOR that closes the block of `code`.
void closeCode(std::string& code) {
  if (code.front() == '{') {
    code.front() = '}';
  } else {
    code.pop_back();
  }
}

}  // namespace

int FNDFOR(EngineState& st, int P) {
  const SymbolTable& s = st.SYMTAB;
  for (int i = P < 1 ? 1 : P; i <= s.NSYM; ++i) {
    if (readsAs(s.SYM(i), Name8("FOR"))) return i;
  }
  return 0;
}

void CODFOR(EngineState& st, int K, int& E) {
  SymbolTable& s = st.SYMTAB;
  std::string code = "{";
  s.SYM(K) = Name8(code);
  for (int j = K + 1; j <= s.NSYM; ++j) {
    if (blockWordAt(s, j, Name8("FOR"))) {
      if (openCode(st, K, code)) s.SYM(j) = Name8(code);
    } else if (blockWordAt(s, j, Name8("ENDFOR"))) {
      closeCode(code);
      s.SYM(j) = Name8(code);
      if (code == "}") {
        E = j;
        return;
      }
    }
  }
  LSTWR(st, "(' **Error** Unbalanced FOR ... ENDFOR block,begining')");
  ERRCNT(st, 1);
  LINEAT(st, K);
}

int FNDEND(const EngineState& st, int H, int E) {
  const SymbolTable& s = st.SYMTAB;
  const Name8& open = s.SYM(H);
  for (int j = E; j > H; --j) {
    const Name8& w = s.SYM(j);
    if (w(1) == '}' && w.view().substr(1) == open.view().substr(1)) return j;
  }
  return 0;
}

}  // namespace engine
