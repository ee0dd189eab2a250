// fendex: the centre of gravity of a map and one arrow and one correlation per
// variable of the table that was mapped.
#include <iostream>
#include <string>
#include <vector>

#include "arrows/fendex_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return fendex::runProgram(args, std::cout, std::cerr);
}
