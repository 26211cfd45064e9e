// The files of the editor's live view: the page and every file it shows,
// kept in one private folder (0700, its copies 0600) while the project is
// designed. Unlike a preview's staging it never asks anything: a file that
// is missing or that the file gate refuses is simply not shown (a refusal
// worth telling is noted), and only the files that changed on disk since the
// last update are copied again.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "output/FileGate.h"

class LiveStaging {
 public:
  // `folder` is made when missing; `programDirectory` holds the program's
  // own files (the runtime), which are copied whatever their kind.
  LiveStaging(std::string folder, std::string programDirectory);

  const std::string& folder() const { return folder_; }

  // Copies into the folder each of `files` that is new or changed since the
  // last call. `expected` says what the page uses each file as (a file beyond
  // its end: an image, sound or font). Returns the file names (as the page
  // names them) that were copied over an earlier copy, so that the page
  // reads them again.
  std::vector<std::string> Update(const std::vector<std::string>& files,
                                  const std::vector<GateKind>& expected = {});

  // Writes the page `name` into the folder (through a temporary file).
  bool WritePage(const std::string& name, const std::string& bytes);

  // Why the last Update left files out, where the user should hear of it
  // (Windows-1252 messages): a file larger than any image or sound of a page
  // (kLargestResource), a name with control characters, two names that
  // differ only in case (neither is shown, as publishing refuses them).
  const std::vector<std::string>& notices() const { return notices_; }

  // Forgets what was copied: the next Update judges and copies every file.
  void Reset() {
    stamps_.clear();
    judged_.clear();
  }

 private:
  struct Stamp {
    long long size = -1;
    long long seconds = 0;
    long nanoseconds = 0;
    unsigned long long inode = 0;
    std::string source;
    bool operator==(const Stamp& o) const {
      return size == o.size && seconds == o.seconds && nanoseconds == o.nanoseconds &&
             inode == o.inode && source == o.source;
    }
  };
  static bool StampOf(const std::string& path, Stamp& stamp);

  std::string folder_;
  FileGate gate_;
  // By file as the project names it: what the gate said of it, while it is
  // unchanged (what passed, else a refusal; a notice to repeat).
  struct Judged {
    Stamp stamp;
    GateResult gate;
    std::string notice;
  };
  std::map<std::string, Judged> judged_;
  // By file name in the folder: what was copied there.
  std::map<std::string, Stamp> stamps_;
  std::vector<std::string> notices_;
};
