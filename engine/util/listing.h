// Writing the listing and results: lines through format texts on a unit, the
// page count (PAGCHK), the message bookkeeping (ERRCNT, LINEAT) and halts.
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/globals/engine_state.h"
#include "format/format.h"

namespace engine {

// The items of one write, kept by value so that callers can pass
// temporaries: Fields().a(name).i(count).
class Fields {
 public:
  Fields() = default;
  // Moving keeps the items where they are; a copy would not, so none is made.
  Fields(Fields&&) = default;
  Fields(const Fields&) = delete;
  Fields& operator=(const Fields&) = delete;

  Fields& i(int32_t v) &;
  Fields& r(float v) &;
  Fields& a(std::string_view text) &;  // a text at its own length
  Fields& a(const Name8& name) & { return a(name.view()); }
  Fields& a(const char* text) & { return a(std::string_view(text)); }
  // Consecutive values: integers, reals or texts of `length` characters.
  Fields& ints(std::span<const int32_t> v) &;
  Fields& reals(std::span<const float> v) &;
  Fields& texts(const char* p, int length, int count) &;
  // On a temporary the chain stays a temporary: Fields().i(1).a("x").
  Fields&& i(int32_t v) && { return std::move(i(v)); }
  Fields&& r(float v) && { return std::move(r(v)); }
  Fields&& a(std::string_view text) && { return std::move(a(text)); }
  Fields&& a(const Name8& name) && { return std::move(a(name.view())); }
  Fields&& a(const char* text) && { return std::move(a(std::string_view(text))); }
  Fields&& ints(std::span<const int32_t> v) && { return std::move(ints(v)); }
  Fields&& reals(std::span<const float> v) && { return std::move(reals(v)); }
  Fields&& texts(const char* p, int length, int count) && {
    return std::move(texts(p, length, count));
  }
  std::span<const format::Value> values() const { return values_; }

 private:
  std::deque<int32_t> ints_;
  std::deque<float> reals_;
  std::deque<std::string> texts_;
  std::vector<format::Value> values_;
};

// Writes the items through the format text `fmt` to `unit`. A unit that is
// not open, or a failed write, is ignored: the listing is best effort.
void WRITEU(EngineState& st, int unit, std::string_view fmt, const Fields& f = Fields());
// The same on the listing unit LSTUNI. Does not count lines: call PAGCHK.
void LSTWR(EngineState& st, std::string_view fmt, const Fields& f = Fields());

// Counts an error of N listing lines: NERR + 1, ERRFLG = 1, then PAGCHK(N).
void ERRCNT(EngineState& st, int N);
// Counts N listing lines; starts a new page when the page is full, or always
// when N is 0 (with a page header when PAGING is 1).
void PAGCHK(EngineState& st, int N);
// Writes "---- At line No." for the input line that holds symbol P (nothing
// for a symbol beyond line 1,000), then PAGCHK(1).
void LINEAT(EngineState& st, int P);

// The common message shapes. `lines` is the number of listing lines that the
// format writes; `p` the symbol whose line is named (0: no line named).
// errorAt: the message, LINEAT(p), ERRCNT(lines).
void errorAt(EngineState& st, std::string_view fmt, const Fields& f, int lines, int p);
// warningAt (also for cautions): the message, LINEAT(p), PAGCHK(lines).
void warningAt(EngineState& st, std::string_view fmt, const Fields& f, int lines, int p);

// Thrown by mystop only; caught by the engine's run function, which ends the
// run there. Sections never catch it.
struct EngineHalt {};
// Writes MSG list-directed to the listing (a blank, then MSG), a line holding
// one blank to the console, and ends the run: no summary, exit status 0.
[[noreturn]] void mystop(EngineState& st, std::string_view MSG);

}  // namespace engine
