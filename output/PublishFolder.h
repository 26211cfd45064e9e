// Publishing into a folder in one step: the complete page and every file it
// needs beside it. The command line's `publish` and the Publish dialog's
// "Publish to Folder..." share it.
#pragma once

#include <string>
#include <vector>

#include "core/SafeFile.h"

class CopyProgress;
class Doc;
class Platform;

struct PublishOutcome {
  enum class Kind {
    Published,       // the page is written and every file is in place
    Refused,         // a copy would lose a file or copy one no page can use: nothing written
    NoFolder,        // the folder could not be made
    PageNotWritten,  // the page could not be written (see pageError)
    FilesMissing,    // the page is written; `failures` files are missing or could not be copied
    Cancelled,       // the user cancelled before the next file
    Unavailable,     // files the page needs are missing or unreadable (`problems`): nothing written
  };
  Kind kind = Kind::Published;
  std::string refusal;  // Refused: the message (engine text)
  std::string page;     // the page's path
  safefile::WriteError pageError;
  int failures = 0;
  // Published: the files the page needs beside it, and how many were copied
  // (the others were there already).
  int files = 0;
  int copied = 0;
  // Unavailable: one message for each file that is missing or cannot be read.
  std::vector<std::string> problems;
};

// A message for each of `files` that is missing or cannot be read (empty
// when all can be copied).
std::vector<std::string> UnavailableFiles(const std::vector<std::string>& files);

// Writes the complete page `pageName` into `folder` (made when missing) and
// stages every file the page needs beside it. Nothing is written unless every
// file the page needs is there and readable, and every copy is known to lose
// no file; the page never replaces the project or a file
// it needs; a file already there is replaced only when older than its source.
// A missing or failing file goes through `platform`'s Retry/Cancel question
// and the others are still copied. `progress`, when given, sees one step per
// file and may cancel between files.
PublishOutcome PublishToFolder(Doc& doc, Platform& platform, const std::string& folder,
                               const std::string& pageName, CopyProgress* progress = nullptr);
