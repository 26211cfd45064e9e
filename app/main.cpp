// The program: the command line runs here with the engine alone; the editor
// is loaded from its module only when no sub-command is given.
#include "app/Cli.h"
#include "app/EditorModule.h"
#include "core/SafeFile.h"

int main(int argc, char** argv) {
  // Before anything is written, by the command line or the editor.
  safefile::PrepareProcess();
  const int status = RunCli(argc, argv);
  if (status >= 0) return status;
  return RunEditorModule(argc, argv);
}
