// The program korva: the listing file from argument 1, the script on
// standard input, the results on standard output.
#include <fstream>
#include <iostream>
#include <string>

#include "engine/util/sections.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc < 2) return engine::runEngine(std::cin, std::cout, nullptr);
  // Only the first 12 characters of the argument name the file.
  std::string name = std::string(argv[1]).substr(0, 12);
  std::ofstream listing(name, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!listing) {
    std::cerr << "korva: cannot create the listing file " << name << "\n";
    return 1;
  }
  return engine::runEngine(std::cin, std::cout, &listing);
}
