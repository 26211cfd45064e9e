#include "output/Staging.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#if defined(__linux__)
#include <fcntl.h>
#endif

#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Platform.h"
#include "core/SafeFile.h"

namespace fs = std::filesystem;

namespace fileops {

bool PathExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  return fs::exists(FsPath(path), ec);
}

bool SameFile(const std::string& a, const std::string& b) {
  return safefile::SameFile(a, b);
}

bool CreationTime(const std::string& path, std::int64_t& seconds) {
#if defined(__linux__) && defined(STATX_BTIME)
  struct statx sx {};
  if (statx(AT_FDCWD, OsName(path).c_str(), 0, STATX_BTIME | STATX_CTIME, &sx) == 0) {
    if (sx.stx_mask & STATX_BTIME) {
      seconds = sx.stx_btime.tv_sec;
      return true;
    }
    if (sx.stx_mask & STATX_CTIME) {
      seconds = sx.stx_ctime.tv_sec;
      return true;
    }
  }
#endif
  // Elsewhere the status-change time; on Windows this field is the creation time.
  struct stat st {};
  if (stat(OsName(path).c_str(), &st) != 0) return false;
  seconds = static_cast<std::int64_t>(st.st_ctime);
  return true;
}

bool ModificationTime(const std::string& path, std::int64_t& seconds) {
  struct stat st {};
  if (stat(OsName(path).c_str(), &st) != 0) return false;
  seconds = static_cast<std::int64_t>(st.st_mtime);
  return true;
}

bool DeleteFile(const std::string& path) {
  std::error_code ec;
  fs::file_status s = fs::symlink_status(FsPath(path), ec);
  if (ec || !fs::exists(s) || fs::is_directory(s)) return false;
  return fs::remove(FsPath(path), ec) && !ec;
}

namespace {

// Writes a copy of `src` to `dst` through the whole-file writer: the old
// `dst`, if any, stays until the copy is whole, and no partial file is left.
bool CopyWhole(const std::string& src, const std::string& dst) {
  constexpr std::size_t kBlock = 10240;
  std::FILE* in = safefile::OpenForReading(src);
  if (!in) return false;
  std::error_code ec;
  std::uintmax_t length = fs::file_size(FsPath(src), ec);
  if (ec) length = 0;
  const bool ok = safefile::Write(dst,
                                  [&](std::FILE* out) {
                                    std::vector<char> buffer(kBlock);
                                    std::uintmax_t copied = 0;
                                    while (copied < length) {
                                      std::size_t got = std::fread(buffer.data(), 1, kBlock, in);
                                      // The file got shorter while we read it: keep what was there.
                                      // A read error is a failure.
                                      if (got == 0) return !std::ferror(in);
                                      if (std::fwrite(buffer.data(), 1, got, out) != got)
                                        return false;
                                      copied += got;
                                    }
                                    return true;
                                  },
                                  {src});
  std::fclose(in);
  return ok;
}

}  // namespace

bool BlockCopy(const std::string& src, const std::string& dst) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(FsPath(dst), ec))) return false;
  return CopyWhole(src, dst);
}

bool CopyOverwriting(const std::string& src, const std::string& dst) {
  if (SameFile(src, dst)) return false;
  return CopyWhole(src, dst);
}

std::string WithSeparator(const std::string& directory) {
  if (directory.empty() || directory.back() == '/' || directory.back() == '\\') return directory;
  return directory + "/";
}

}  // namespace fileops

bool MakeStagingDirectory(const std::string& directory) {
  if (directory.empty()) return false;
  std::error_code ec;
  fs::path p = FsPath(directory);
  if (fs::is_directory(p, ec)) return true;
  fs::create_directories(p, ec);
  return fs::is_directory(p, ec);
}

StageResult StageFile(Platform& platform, const std::string& src, const std::string& directory) {
  const std::string dst = fileops::WithSeparator(directory) + FileNameOf(src);
  while (!fileops::PathExists(src)) {
    if (platform.MessageBox(msg::Format(msg::kFileMissing, DisplayName(src), DisplayName(dst)),
                            MsgButtons::RetryCancel, MsgIcon::Exclamation) != IdRetry)
      return StageResult::Cancelled;
  }
  bool replace = false;
  if (fileops::PathExists(dst)) {
    // A page staged into the folder that holds its files: the file is there.
    if (fileops::SameFile(src, dst)) return StageResult::UpToDate;
    std::error_code ec;
    std::int64_t created = 0, modified = 0;
    if (!fs::is_directory(FsPath(dst), ec) && fileops::CreationTime(dst, created) &&
        fileops::ModificationTime(src, modified) && created >= modified)
      return StageResult::UpToDate;
    // The old copy is replaced only by a whole new one.
    replace = true;
  }
  while (!(replace ? fileops::CopyOverwriting(src, dst) : fileops::BlockCopy(src, dst))) {
    if (platform.MessageBox(msg::Format(msg::kCannotCopy, DisplayName(src), DisplayName(dst)),
                            MsgButtons::RetryCancel, MsgIcon::Exclamation) != IdRetry)
      return StageResult::Cancelled;
  }
  return StageResult::Copied;
}

bool StageFiles(Platform& platform, const std::vector<std::string>& files,
                const std::string& directory) {
  if (!fileops::PathExists(directory) && !MakeStagingDirectory(directory)) return false;
  const std::string dir = fileops::WithSeparator(directory);
  for (const std::string& src : files)
    if (StageFile(platform, src, dir) == StageResult::Cancelled) return false;
  return true;
}
