// Stands in for the program until it is built: says so and fails.
#include <cstdio>

int main() {
  std::fprintf(stderr, "fendex: not built yet\n");
  return 1;
}
