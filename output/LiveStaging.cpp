#include "output/LiveStaging.h"

#include <sys/stat.h>

#include <set>

#include "core/KesDoc.h"
#include "output/Staging.h"

namespace {
// The file name a page uses for `path`: what follows the last separator.
std::string FileNameOf(const std::string& path) {
  const std::size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}
// Names compare as the page's server finds them, without regard to case.
std::string Folded(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}
}  // namespace

LiveStaging::LiveStaging(std::string folder, std::string programDirectory)
    : folder_(fileops::WithSeparator(folder)), programDirectory_(std::move(programDirectory)) {
  MakeStagingDirectory(folder_);
}

bool LiveStaging::StampOf(const std::string& path, Stamp& stamp) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  stamp.size = static_cast<long long>(st.st_size);
  stamp.seconds = static_cast<long long>(st.st_mtim.tv_sec);
  stamp.nanoseconds = static_cast<long>(st.st_mtim.tv_nsec);
  stamp.inode = static_cast<unsigned long long>(st.st_ino);
  stamp.source = path;
  return true;
}

std::vector<std::string> LiveStaging::Update(const std::vector<std::string>& files) {
  MakeStagingDirectory(folder_);
  std::vector<std::string> replaced;
  std::set<std::string> seen;
  tooLarge_.clear();
  for (const std::string& file : files) {
    const std::string name = FileNameOf(file);
    // Two files of one name: the page can show only the first.
    if (name.empty() || !seen.insert(Folded(name)).second) continue;
    Stamp stamp;
    if (!StampOf(file, stamp)) continue;
    auto it = stamps_.find(name);
    if (it != stamps_.end() && it->second == stamp) continue;
    const bool ours = file.compare(0, programDirectory_.size(), programDirectory_) == 0;
    if (!ours && static_cast<unsigned long long>(stamp.size) > kLargestResource) {
      tooLarge_.push_back(file);
      continue;
    }
    if (!ours && SniffResource(file) == ResourceKind::Other) continue;
    if (!fileops::CopyOverwriting(file, folder_ + name)) continue;
    if (it != stamps_.end()) replaced.push_back(name);
    stamps_[name] = stamp;
  }
  return replaced;
}

bool LiveStaging::WritePage(const std::string& name, const std::string& bytes) {
  MakeStagingDirectory(folder_);
  return KesDoc::WriteWholeFile(folder_ + name, bytes);
}
