// The program: the command line runs here with the engine alone; the editor
// is loaded from its module only when no sub-command is given.
#include "app/Cli.h"
#include "app/EditorModule.h"

int main(int argc, char** argv) {
  const int status = RunCli(argc, argv);
  if (status >= 0) return status;
  return RunEditorModule(argc, argv);
}
