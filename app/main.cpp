// The program: the command line runs here with the engine alone; with no
// sub-command the editor program takes this process's place.
#include "app/Cli.h"
#include "app/EditorLaunch.h"
#include "core/SafeFile.h"

int main(int argc, char** argv) {
  // Before anything is written, by the command line or the editor.
  safefile::PrepareProcess();
  const int status = RunCli(argc, argv);
  if (status >= 0) return status;
  return RunEditor(argc, argv);
}
