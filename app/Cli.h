// The headless command line: export, publish, audio, --version.
#pragma once

// Runs a command-line sub-command. Returns the exit status, or -1 when the
// arguments do not name a sub-command (the editor starts then).
int RunCli(int argc, char** argv);
