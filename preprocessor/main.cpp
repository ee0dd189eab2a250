// trel: standardises the table of its input file and writes the distance
// matrix between the observations into the current directory.
#include <iostream>
#include <string>
#include <vector>

#include "preprocessor/trel_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return trel::runProgram(args, ".", std::cerr);
}
