// The program's entry. The application window comes with the shell; until
// then the program checks that the core starts and says so.
#include <cstdio>

#include "core/cpp2.h"

int main() {
  std::printf("Corvandile Veza: the libraries are built; the application window is not available yet.\n");
  return 0;
}
