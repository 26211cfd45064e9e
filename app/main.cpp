// The program: the command line runs here with the engine alone; with no
// sub-command the editor program takes this process's place.
#include "app/Cli.h"
#include "app/EditorLaunch.h"
#include "core/SafeFile.h"
#include "core/os/Os.h"

int main(int argc, char** argv) {
  // What goes to standard output is the bytes --output writes.
  os::BinaryStandardStreams();
  // Before anything is written, by the command line or the editor.
  safefile::PrepareProcess();
  const int status = RunCli(argc, argv);
  if (status >= 0) return status;
  return RunEditor(argc, argv);
}
