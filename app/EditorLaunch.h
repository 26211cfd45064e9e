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

// Whether the editor has somewhere to show its window: a display named
// (DISPLAY, WAYLAND_DISPLAY) or a Qt platform chosen (QT_QPA_PLATFORM). When
// not, says so on standard error in one line.
bool HasDisplay();

// Whether `args` (the editor's command line, without the program) asks for
// the web engine's messages (--verbose before any "--").
bool WantsVerbose(int argc, char** argv);

// Keeps the web engine's own log (its GPU reports among it) off standard
// error: Chromium logs fatal errors only, unless the user's flags say
// otherwise. Call before the engine starts.
void QuietWebEngine();

// The signals that end a program when its session does (SIGTERM at a
// logout, SIGHUP from a closed terminal, SIGINT from Ctrl+C in it) are taken
// as a request to end: each arrival puts its number on a pipe whose reading
// end this returns (-1 when the pipe cannot be made), so that the editor's
// event loop ends it through its normal exit. A signal the parent set to be
// ignored stays ignored. A second such signal ends the program at once, as
// the signal would have without this. Call it again after anything that may
// have set actions of its own.
int CatchEndSignals();
// The signal read from the pipe of CatchEndSignals, or 0 when none is waiting.
int TakeEndSignal(int fd);
