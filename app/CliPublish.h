// The command line's publish and audio sub-commands.
#pragma once

#include <string>
#include <vector>

#include "core/Doc.h"
#include "core/HeadlessPlatform.h"
#include "core/KesApp.h"
#include "core/SafeFile.h"
#include "output/DocStaging.h"

// What a sub-command works with: the user's settings read, one document
// whose runtime is chosen by `runtimeChoice` (a RuntimeChoice).
struct CliSession {
  explicit CliSession(int runtimeChoice) : app(platform), doc(app) {
    app.ReadSettings();
    app.setCurrentDoc(&doc);
    doc.writer().runtimeChoice = runtimeChoice;
    doc.staging = std::make_unique<DocStaging>();
  }
  HeadlessPlatform platform;
  KesApp app;
  Doc doc;
};

// Takes --runtime and --no-runtime out of `args`: the last one given sets
// `choice` (a RuntimeChoice), otherwise it is left alone.
void TakeRuntimeFlags(std::vector<std::string>& args, int& choice);

// velkobutton publish PROJECT.but FOLDER [--name PAGE.html] [--runtime|--no-runtime]
// Writes the complete page into FOLDER and stages every file it needs beside
// it; with the JavaScript runtime, its script line and file too. Exit status
// 0 when everything is in place, 1 when the project cannot be read, the page
// cannot be written or any file is missing or cannot be copied (the others
// are still copied), 2 for wrong arguments.
int RunPublish(const std::vector<std::string>& args);

// velkobutton audio FILE.au [--wave OUT.wav]
// Checks that FILE is Sun audio the applet plays (8000 Hz, mono, µ-law) and,
// with --wave, writes it as an 8-bit PCM WAVE file. Exit status 0 when valid
// (and written), 1 otherwise, 2 for wrong arguments.
int RunAudio(const std::vector<std::string>& args);

// Prints "velkobutton: " and `text` (file names as the operating system gave
// them) on standard error.
void Complain(const std::string& text);
// A message of the program's own with "%1" replaced by a file
// name as the operating system gave it, ready for the terminal.
std::string TerminalMessage(const char* text, const std::string& path);
// The reason a write failed, naming `path`, ready for the terminal.
std::string TerminalWriteError(const std::string& path, const safefile::WriteError& error);
