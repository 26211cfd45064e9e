// The editor is a program of its own beside the command-line program, so that
// the command line starts without the editor's libraries.
#pragma once

#include <string>
#include <vector>

// The editor program's file name.
extern const char* const kEditorProgramName;

// Where the editor is looked for, in order, for a program in `exeDir`:
// beside the program (the build tree), then in ../libexec/velkobutton/ (installed).
std::vector<std::string> EditorCandidates(const std::string& exeDir);

// Runs the editor in this process's place with the same arguments. Returns
// only when it could not: a missing or unstartable editor is reported on
// standard error, with exit status 1.
int RunEditor(int argc, char** argv);
