#include "output/Replacing.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Platform.h"
#include "core/SafeFile.h"
#include "output/FileGate.h"
#include "output/Staging.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBlock = 65536;

// Reads `in` to its end, handing each block to `take`; false when `take`
// says the bytes differ or on a read error.
template <typename Take>
bool EachBlock(std::FILE* in, Take take) {
  std::vector<char> buffer(kBlock);
  for (;;) {
    const std::size_t got = std::fread(buffer.data(), 1, kBlock, in);
    if (got > 0 && !take(std::string_view(buffer.data(), got))) return false;
    if (got < kBlock) return !std::ferror(in);
  }
}

// The regular file's size, or false for anything else.
bool RegularSize(const std::string& path, std::uintmax_t& size) {
  std::error_code ec;
  if (!fs::is_regular_file(FsPath(path), ec)) return false;
  size = fs::file_size(FsPath(path), ec);
  return !ec;
}

// The path with links and '..' resolved as far as it exists.
fs::path RealPath(const std::string& path) {
  std::error_code ec;
  fs::path real = fs::weakly_canonical(fs::absolute(FsPath(path), ec), ec);
  return ec ? fs::absolute(FsPath(path), ec).lexically_normal() : real;
}

bool Below(const fs::path& file, const fs::path& folder) {
  const fs::path relative = file.lexically_relative(folder);
  return !relative.empty() && *relative.begin() != ".." && !relative.is_absolute();
}

// One name a line, as a message shows them.
std::string NameLines(const std::vector<std::string>& paths) {
  std::string lines;
  for (const std::string& p : paths) lines += (lines.empty() ? "" : "\n") + DisplayName(p);
  return lines;
}

bool Agree(Platform& platform, const char* question, const std::vector<std::string>& paths) {
  if (paths.empty()) return true;
  return platform.MessageBox(msg::Format(platform, question, NameLines(paths)), MsgButtons::YesNo,
                             MsgIcon::Question) == IdYes;
}

}  // namespace

bool SameBytes(const std::string& a, const std::string& b) {
  std::uintmax_t sizeA = 0, sizeB = 0;
  if (!RegularSize(a, sizeA) || !RegularSize(b, sizeB) || sizeA != sizeB) return false;
  std::FILE* other = safefile::OpenForReading(b);
  if (!other) return false;
  std::FILE* in = safefile::OpenForReading(a);
  bool same = false;
  if (in) {
    std::vector<char> theirs(kBlock);
    std::uintmax_t seen = 0;
    same = EachBlock(in, [&](std::string_view ours) {
      seen += ours.size();
      return std::fread(theirs.data(), 1, ours.size(), other) == ours.size() &&
             std::memcmp(theirs.data(), ours.data(), ours.size()) == 0;
    });
    // Either file grown or shrunk while it was read is no longer the same.
    same = same && seen == sizeA && std::fgetc(other) == EOF;
    std::fclose(in);
  }
  std::fclose(other);
  return same;
}

bool FileHolds(const std::string& path, std::string_view bytes) {
  std::uintmax_t size = 0;
  if (!RegularSize(path, size) || size != bytes.size()) return false;
  std::FILE* in = safefile::OpenForReading(path);
  if (!in) return false;
  std::size_t at = 0;
  const bool same = EachBlock(in, [&](std::string_view block) {
    if (block != bytes.substr(at, block.size())) return false;
    at += block.size();
    return true;
  });
  std::fclose(in);
  return same && at == bytes.size();
}

std::vector<std::string> TargetsReplaced(const std::vector<std::string>& files,
                                         const std::string& directory) {
  const std::string dir = fileops::WithSeparator(directory);
  std::vector<std::string> replaced;
  std::set<std::string> named;
  for (const std::string& src : files) {
    const std::string dst = dir + FileNameOf(src);
    // A missing source replaces nothing: its copy fails on its own.
    if (!fileops::PathExists(src) || !fileops::PathExists(dst) || fileops::SameFile(src, dst) ||
        SameBytes(src, dst))
      continue;
    if (named.insert(dst).second) replaced.push_back(dst);
  }
  return replaced;
}

std::vector<std::string> FilesOutside(const std::vector<std::string>& files,
                                      const std::string& projectFile,
                                      const std::string& programDirectory) {
  const fs::path folder =
      projectFile.empty() ? fs::path() : RealPath(EnginePath(FsPath(projectFile).parent_path()));
  const FileGate gate(programDirectory);
  std::vector<std::string> outside;
  std::set<std::string> named;
  for (const std::string& file : files) {
    if (gate.IsProgramFile(file)) continue;
    if (!folder.empty() && Below(RealPath(file), folder)) continue;
    if (named.insert(file).second) outside.push_back(file);
  }
  return outside;
}

bool AgreeToReplace(Platform& platform, const std::vector<std::string>& replaced) {
  return Agree(platform, msg::kReplaceFiles, replaced);
}

bool AgreeToCopyFromOutside(Platform& platform, const std::vector<std::string>& outside) {
  return Agree(platform, msg::kOutsideFiles, outside);
}
