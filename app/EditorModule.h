// The editor lives in a module of its own beside the command-line program.
#pragma once

#include <string>
#include <vector>

// The module's entry point: takes the program's arguments, returns the exit status.
#define VB_EDITOR_ENTRY "VelkoButtonEditorMain"
#define VB_EDITOR_EXPORT __attribute__((visibility("default")))
using EditorMainFn = int (*)(int argc, char** argv);

// The module's file name.
extern const char* const kEditorModuleName;

// Where the module is looked for, in order, for a program in `exeDir`:
// beside the program (the build tree), then in ../lib/velkobutton/ (installed).
std::vector<std::string> EditorModuleCandidates(const std::string& exeDir);

// Loads the editor module and runs the editor. A missing or broken module is
// reported on standard error, with exit status 1.
int RunEditorModule(int argc, char** argv);
