// The messages of the eigen routine and its run-wide count of non-fatal ones.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/korva/symeg.h"
#include "format/format.h"

namespace engine::korva {
namespace {

struct Report {
  std::ostringstream out;
  format::RecordSink sink{out, "\n"};
  int32_t count = 0;
  bool fatal(const SymegOutcome& o) { return reportSymeg(o, sink, count); }
};

TEST(SymegMessages, ParameterErrorIsFatalAndNamesEachParameter) {
  Report r;
  SymegOutcome o;
  o.message = 1;
  o.badNN = o.badNum = true;
  EXPECT_TRUE(r.fatal(o));
  EXPECT_EQ(r.out.str(),
            "0*****WARNING*****\n\n0ERROR IN PARAMETER  *NN*    \n0ERROR IN PARAMETER  *NUM*   \n"
            "0********** FATAL ERROR  *****  PROGRAMME TERMINATED **********\n");
  EXPECT_EQ(r.count, 0);
}

TEST(SymegMessages, TheTenthNonFatalMessageEndsTheRun) {
  Report r;
  SymegOutcome o;
  o.message = 2;
  for (int k = 1; k <= 9; ++k) EXPECT_FALSE(r.fatal(o)) << k;
  EXPECT_EQ(r.count, 9);
  const std::string nine = r.out.str();
  const std::string one =
      "0*****WARNING*****\n\n01X1 MATRIX\n 1 EIGENVALUE RETURNED, BUT OTHER PARAMETERS IGNORED \n"
      "0*****END OF MESSAGE*****\n\n\n";
  EXPECT_EQ(nine.substr(0, one.size()), one);
  EXPECT_EQ(nine.size(), 9 * one.size());
  o.message = 5;
  EXPECT_TRUE(r.fatal(o));
  EXPECT_EQ(
      r.out.str().substr(nine.size()),
      "0*****WARNING*****\n\n0NOT ALL THE EIGENVALUES/EIGENVECTORS OF YOUR MATRIX CONVERGED.\n"
      " (EIGENVECTORS WHICH FAILED TO CONVERGE HAVE BEEN RETURNED ZERO)\n0 10 NON-FATAL ERRORS =\n"
      "0********** FATAL ERROR  *****  PROGRAMME TERMINATED **********\n");
}

}  // namespace
}  // namespace engine::korva
