// sw-make-example FOLDER: writes the bundled example, FOLDER/sample.jww (an
// office plan with details) and FOLDER/sample.swt (a two-sheet layout of it).
#include <cstdio>

#include "examples/Example.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sw-make-example FOLDER\n");
    return 2;
  }
  if (sw::Status s = sw::example::WriteExample(argv[1]); !s) {
    std::fprintf(stderr, "%s: %s\n", argv[1], sw::Describe(s.error()).c_str());
    return 1;
  }
  return 0;
}
