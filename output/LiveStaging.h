// The files of the editor's live view: the page and every file it shows,
// kept in one private folder while the project is designed. Unlike a
// preview's staging it never asks anything: a file that is missing, or is
// no image, sound or input file, is simply not shown, and only the files that
// changed on disk since the last update are copied again.
#pragma once

#include <map>
#include <string>
#include <vector>

class LiveStaging {
 public:
  // `folder` is made when missing; `programDirectory` holds the program's
  // own files (the runtime), which are copied whatever their kind.
  LiveStaging(std::string folder, std::string programDirectory);

  const std::string& folder() const { return folder_; }

  // Copies into the folder each of `files` that is new or changed since the
  // last call. Returns the file names (as the page names them) that were
  // copied over an earlier copy, so that the page reads them again.
  std::vector<std::string> Update(const std::vector<std::string>& files);

  // Writes the page `name` into the folder (through a temporary file).
  bool WritePage(const std::string& name, const std::string& bytes);

  // The files the last Update left out because they are larger than any
  // image or sound of a page (kLargestResource).
  const std::vector<std::string>& tooLarge() const { return tooLarge_; }

  // Forgets what was copied: the next Update copies every file.
  void Reset() { stamps_.clear(); }

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
  std::string programDirectory_;
  // By file name in the folder: what was copied there.
  std::map<std::string, Stamp> stamps_;
  std::vector<std::string> tooLarge_;
};
