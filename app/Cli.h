// The command line: the sub-commands (export, publish, audio, help), the
// help texts, and the check of the editor's own arguments.
#pragma once

// Runs a command-line sub-command, prints a help text or the version, or
// refuses wrong arguments (status 2, with the usage on standard error).
// Returns the exit status, or -1 when the editor is to start with them.
int RunCli(int argc, char** argv);
