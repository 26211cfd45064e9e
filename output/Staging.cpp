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

namespace fs = std::filesystem;

namespace fileops {

bool PathExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  return fs::exists(FsPath(path), ec);
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  bool same = fs::equivalent(FsPath(a), FsPath(b), ec);
  return !ec && same;
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

bool BlockCopy(const std::string& src, const std::string& dst) {
  constexpr std::size_t kBlock = 10240;
  std::error_code ec;
  if (fs::exists(fs::symlink_status(FsPath(dst), ec))) return false;
  if (!fs::is_regular_file(FsPath(src), ec)) return false;
  std::FILE* in = std::fopen(OsName(src).c_str(), "rb");
  if (!in) return false;
  // "x": the destination is created here and never replaced.
  std::FILE* out = std::fopen(OsName(dst).c_str(), "wbx");
  if (!out) {
    std::fclose(in);
    return false;
  }
  std::uintmax_t length = fs::file_size(FsPath(src), ec);
  if (ec) length = 0;
  std::vector<char> buffer(kBlock);
  bool ok = true;
  std::uintmax_t copied = 0;
  while (copied < length) {
    std::size_t got = std::fread(buffer.data(), 1, kBlock, in);
    if (got == 0) {
      // The file got shorter while we read it: keep what was there. A read
      // error is a failure.
      ok = !std::ferror(in);
      break;
    }
    if (std::fwrite(buffer.data(), 1, got, out) != got) {
      ok = false;
      break;
    }
    copied += got;
  }
  std::fclose(in);
  if (std::fclose(out) != 0) ok = false;
  if (!ok) fs::remove(FsPath(dst), ec);
  return ok;
}

bool CopyOverwriting(const std::string& src, const std::string& dst) {
  std::error_code ec;
  if (!fs::is_regular_file(FsPath(src), ec)) return false;
  if (fs::is_directory(FsPath(dst), ec)) return false;
  if (SameFile(src, dst)) return false;
  return fs::copy_file(FsPath(src), FsPath(dst), fs::copy_options::overwrite_existing, ec) && !ec;
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
    if (platform.MessageBox(msg::Format(msg::kFileMissing, src, dst), MsgButtons::RetryCancel,
                            MsgIcon::Exclamation) != IdRetry)
      return StageResult::Cancelled;
  }
  if (fileops::PathExists(dst)) {
    // A page staged into the folder that holds its files: the file is there.
    if (fileops::SameFile(src, dst)) return StageResult::UpToDate;
    std::error_code ec;
    std::int64_t created = 0, modified = 0;
    if (!fs::is_directory(FsPath(dst), ec) && fileops::CreationTime(dst, created) &&
        fileops::ModificationTime(src, modified) && created >= modified)
      return StageResult::UpToDate;
    fileops::DeleteFile(dst);
  }
  while (!fileops::BlockCopy(src, dst)) {
    if (platform.MessageBox(msg::Format(msg::kCannotCopy, src, dst), MsgButtons::RetryCancel,
                            MsgIcon::Exclamation) != IdRetry)
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
