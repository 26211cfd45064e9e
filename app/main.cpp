#include <cstdio>

#include "app/Cli.h"

int main(int argc, char** argv) {
  int status = RunCli(argc, argv);
  if (status >= 0) return status;
  std::fprintf(stderr, "velkobutton: the editor is not built yet; try 'velkobutton export'\n");
  return 2;
}
