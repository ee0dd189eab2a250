// The messages of SYMEG on the results unit and its run-wide count of
// non-fatal messages.
#include <array>
#include <string_view>

#include "engine/korva/symeg.h"
#include "format/format.h"

namespace engine::korva {

namespace {

constexpr std::string_view kWarning = "('0*****WARNING*****',/)";
constexpr std::string_view kParameter = "('0ERROR IN PARAMETER  ',A8)";
constexpr std::string_view kOneByOne =
    "('01X1 MATRIX',/,' 1 EIGENVALUE RETURNED, BUT OTHER PARAMETERS IGNORED ')";
constexpr std::string_view kNotConverged =
    "('0NOT ALL THE EIGENVALUES/','EIGENVECTORS OF YOUR MATRIX CONVERGED.',/,"
    "' (EIGENVECTORS WHICH FAILED TO CONVERGE',' HAVE BEEN RETURNED ZERO)')";
constexpr std::string_view kDefinite =
    "('0MATRIX WRONGLY DECLARED TO BE POSITIVE/','NEGATIVE DEFINITE.')";
constexpr std::string_view kEndOfMessage = "('0*****END OF MESSAGE*****',/,/)";
constexpr std::string_view kNonFatalCount = "('0',I3,' NON-FATAL ERRORS =')";
constexpr std::string_view kFatal =
    "('0********** FATAL ERROR  *****  ','PROGRAMME TERMINATED **********')";

void put(format::RecordSink& out, std::string_view text,
         std::span<const format::Value> values = {}) {
  format::FMTWR(out, format::Format::cached(text), values);
}

}  // namespace

bool reportSymeg(const SymegOutcome& outcome, format::RecordSink& OUT, int32_t& NONFATAL) {
  if (outcome.message == 0) return false;
  put(OUT, kWarning);
  const bool fatal = outcome.message == 1 || outcome.message == 6;
  if (outcome.message == 1) {
    const std::array<std::pair<bool, std::string_view>, 3> marks{
        {{outcome.badNN, "*NN*    "}, {outcome.badMode, "*MODE*  "}, {outcome.badNum, "*NUM*   "}}};
    for (const auto& [marked, name] : marks) {
      const format::Value v = format::Value::text(name);
      if (marked) put(OUT, kParameter, {&v, 1});
    }
  } else {
    put(OUT, outcome.message == 2 ? kOneByOne : outcome.message == 5 ? kNotConverged : kDefinite);
  }
  if (!fatal) {
    NONFATAL = NONFATAL + 1;
    if (NONFATAL < 10) {
      put(OUT, kEndOfMessage);
      return false;
    }
    const format::Value v = format::Value::integers(&NONFATAL);
    put(OUT, kNonFatalCount, {&v, 1});
  }
  put(OUT, kFatal);
  return true;
}

}  // namespace engine::korva
