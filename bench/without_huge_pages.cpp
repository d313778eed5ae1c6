// Runs a program with transparent huge pages turned down for it and its children, so that
// speed can be measured as on a system that grants none (whether this one grants them varies
// from run to run):
//
//   without_huge_pages PROGRAM [ARGUMENT...]
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: without_huge_pages PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  if (prctl(PR_SET_THP_DISABLE, 1, 0, 0, 0) != 0) {
    std::perror("without_huge_pages: prctl");
    return 125;
  }
  execvp(argv[1], argv + 1);
  std::perror(argv[1]);
  return 127;
}
