// Publishing into a folder in one step: the complete page and every file it
// needs beside it. The command line's `publish` and the Publish dialog's
// form share it.
#pragma once

#include <string>
#include <vector>

#include "core/SafeFile.h"
#include "output/FileGate.h"

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
    Declined,        // the user would not replace files or copy them from outside: nothing written
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
std::vector<std::string> UnavailableFiles(Platform& platform,
                                          const std::vector<std::string>& files);

// What publishing into a folder writes, and what it would change there,
// found before anything is written.
struct PublishPlan {
  std::string folder;               // with a trailing separator
  std::string page;                 // the page's path
  std::string html;                 // the page's bytes
  std::vector<std::string> files;   // the files the page needs beside it
  std::vector<GateKind> expected;   // what the page uses each of them as
  std::vector<GateResult> checked;  // the gate's verdict on each: what is copied
  std::vector<std::string> keep;    // what no copy may replace: the page, the project
  std::vector<std::string> inputs;  // what the page may not replace: its files, the project
  // Files in the folder (the page among them) that hold other bytes than
  // what would be written in their place.
  std::vector<std::string> replaced;
  // Files the page needs from outside the project's folder (not the program's).
  std::vector<std::string> outside;
};

// Plans publishing the complete page `pageName` into `folder`: the page, its
// files, and every check that needs no question. Returns Published when the
// plan may be carried out, else Refused or Unavailable (nothing is written).
PublishOutcome PlanPublish(Doc& doc, Platform& platform, const std::string& folder,
                           const std::string& pageName, PublishPlan& plan);

// Carries out `plan` without a further question: makes the folder, writes the
// page and stages every file beside it, replacing the files the plan found
// (a file that already holds the bytes is left as it is). A missing or
// failing file goes through `platform`'s Retry/Cancel question and the others
// are still copied. `progress`, when given, sees one step per file and may
// cancel between files.
PublishOutcome CarryOutPublish(Platform& platform, const PublishPlan& plan,
                               CopyProgress* progress = nullptr);

// Writes the complete page `pageName` into `folder` (made when missing) and
// stages every file the page needs beside it. Nothing is written unless every
// file the page needs is there and readable and every copy is known to lose
// no file; the page never replaces the project or a file it needs. Before
// anything is written the user is asked, naming them, whether to copy files
// from outside the project's folder and whether to replace files in `folder`
// that hold other bytes; No to either writes nothing (Declined).
PublishOutcome PublishToFolder(Doc& doc, Platform& platform, const std::string& folder,
                               const std::string& pageName, CopyProgress* progress = nullptr);

// The page's file name as the user typed it: blanks around it dropped and
// ".html" added unless it ends in ".html" or ".htm" (in any case). Empty when
// nothing is left or it is no file name (a folder separator, "." or "..").
std::string PageFileName(const std::string& typed);

// The page's name the Publish form proposes: the name the page was last
// published or generated as, else the project file's (bakery.but:
// bakery.html), else, before the first save, the project's identifier.
std::string ProposedPageName(Doc& doc);

// The folder the user typed as a full path: blanks around it dropped, a
// relative one read against the project's folder (the current folder for a
// project never saved). Empty when nothing was typed.
std::string TypedFolder(const std::string& typed, const std::string& projectFile);
