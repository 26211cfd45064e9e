#include "output/Staging.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Platform.h"
#include "core/SafeFile.h"
#include "core/os/Os.h"
#include "output/FileGate.h"
#include "output/Replacing.h"

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

namespace {

// Why a copy failed, in the system's words.
void Explain(std::string* reason, const std::string& text) {
  if (reason) *reason = text;
}

void ExplainWrite(std::string* reason, const safefile::WriteError& error) {
  switch (error.failure) {
    case safefile::Failure::SameAsInput:
      Explain(reason, "it would replace '" + DisplayName(error.input) + "'");
      break;
    case safefile::Failure::NotRegular:
      Explain(reason, "the target is not a regular file");
      break;
    case safefile::Failure::ReadOnly:
      Explain(reason, "the target is read-only");
      break;
    case safefile::Failure::Program:
      Explain(reason, "the target is a program");
      break;
    default:
      Explain(reason, std::strerror(error.error ? error.error : EIO));
  }
}

// Writes a copy of `src` to `dst` through the whole-file writer: the old
// `dst`, if any, stays until the copy is whole, and no partial file is left.
bool CopyWhole(const std::string& src, const std::string& dst,
               const std::vector<std::string>& keep = {}, std::string* reason = nullptr,
               safefile::Access access = safefile::Access::Usual) {
  constexpr std::size_t kBlock = 10240;
  std::FILE* in = safefile::OpenForReading(src);
  if (!in) {
    Explain(reason, errno == EINVAL ? "not a regular file" : std::strerror(errno));
    return false;
  }
  std::vector<std::string> inputs = keep;
  inputs.push_back(src);
  safefile::WriteError error;
  std::error_code ec;
  std::uintmax_t length = fs::file_size(FsPath(src), ec);
  if (ec) length = 0;
  const bool ok = safefile::Write(
      dst,
      [&](std::FILE* out) {
        std::vector<char> buffer(kBlock);
        std::uintmax_t copied = 0;
        while (copied < length) {
          std::size_t got = std::fread(buffer.data(), 1, kBlock, in);
          // The file got shorter while we read it: keep what was there.
          // A read error is a failure.
          if (got == 0) return !std::ferror(in);
          if (std::fwrite(buffer.data(), 1, got, out) != got) return false;
          copied += got;
        }
        return true;
      },
      inputs, &error, access);
  std::fclose(in);
  if (!ok) ExplainWrite(reason, error);
  return ok;
}

// Opens the file the gate let through, when it still is that file.
bool OpenChecked(const GateResult& checked, safefile::ReadOnlyFile& in, std::string* reason) {
  if (!checked.allowed() || checked.identity.size > kLargestResource) {
    Explain(reason, checked.message.empty() ? msg::kFileChangedAfterCheck : checked.message);
    return false;
  }
  if (!in.Open(checked.path)) {
    // A link or nothing where the real path was: it changed.
    Explain(reason, errno == ELOOP || errno == ENOENT || errno == EINVAL
                        ? std::string(msg::kFileChangedAfterCheck)
                        : std::string(std::strerror(errno)));
    return false;
  }
  if (in.identity() != checked.identity) {
    Explain(reason, msg::kFileChangedAfterCheck);
    return false;
  }
  return true;
}

}  // namespace

bool BlockCopy(const std::string& src, const std::string& dst) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(FsPath(dst), ec))) return false;
  return CopyWhole(src, dst);
}

bool CopyOverwriting(const std::string& src, const std::string& dst,
                     const std::vector<std::string>& keep, std::string* reason,
                     safefile::Access access) {
  if (SameFile(src, dst)) {
    Explain(reason, "it is the same file");
    return false;
  }
  return CopyWhole(src, dst, keep, reason, access);
}

bool CopyChecked(const GateResult& checked, const std::string& dst,
                 const std::vector<std::string>& keep, std::string* reason,
                 safefile::Access access) {
  constexpr std::size_t kBlock = 10240;
  safefile::ReadOnlyFile in;
  if (!OpenChecked(checked, in, reason)) return false;
  if (SameFile(checked.path, dst)) {
    Explain(reason, "it is the same file");
    return false;
  }
  std::vector<std::string> inputs = keep;
  inputs.push_back(checked.path);
  safefile::WriteError error;
  const bool ok = safefile::Write(
      dst,
      [&](std::FILE* out) {
        // No more than was checked; a file cut short meanwhile keeps what was there.
        for (unsigned long long at = 0; at < checked.identity.size;) {
          const std::string block =
              in.Read(at, static_cast<std::size_t>(
                              std::min<unsigned long long>(kBlock, checked.identity.size - at)));
          if (block.empty()) return true;
          if (std::fwrite(block.data(), 1, block.size(), out) != block.size()) return false;
          at += block.size();
        }
        return true;
      },
      inputs, &error, access);
  if (!ok) ExplainWrite(reason, error);
  return ok;
}

bool ReadChecked(const GateResult& checked, std::string& bytes) {
  safefile::ReadOnlyFile in;
  if (!OpenChecked(checked, in, nullptr)) return false;
  bytes = in.Read(0, static_cast<std::size_t>(checked.identity.size));
  return true;
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

namespace fileops {

StageResult TryCopyChecked(const GateResult& checked, const std::string& src,
                           const std::string& dst, const std::vector<std::string>& keep,
                           safefile::Access access, std::string& problem) {
  if (checked.status == GateStatus::Missing) {
    problem = msg::Format(msg::kFileMissing, DisplayName(src), DisplayName(dst));
    return StageResult::Cancelled;
  }
  std::string reason = checked.message;
  if (checked.allowed()) {
    // Copying a file onto itself, or onto the same bytes: it is already
    // where it belongs.
    if (PathExists(dst) && (SameFile(checked.path, dst) || SameBytes(checked.path, dst)))
      return StageResult::UpToDate;
    if (CopyChecked(checked, dst, keep, &reason, access)) return StageResult::Copied;
  }
  problem =
      msg::WithReason(msg::Format(msg::kCannotCopy, DisplayName(src), DisplayName(dst)), reason);
  return StageResult::Cancelled;
}

}  // namespace fileops

namespace {

StageResult Stage(Platform& platform, const std::string& src, const std::string& dst,
                  const std::vector<std::string>& keep, safefile::Access access) {
  while (!fileops::PathExists(src)) {
    if (platform.MessageBox(msg::Format(msg::kFileMissing, DisplayName(src), DisplayName(dst)),
                            MsgButtons::RetryCancel, MsgIcon::Exclamation) != IdRetry)
      return StageResult::Cancelled;
  }
  // A page staged into the folder that holds its files: the file is there. A
  // copy is up to date only when it holds the source's bytes: times are what
  // the sender of a file chose.
  if (fileops::PathExists(dst) && (fileops::SameFile(src, dst) || SameBytes(src, dst)))
    return StageResult::UpToDate;
  // The old copy is replaced only by a whole new one; a copy that another
  // run put there meanwhile is replaced the same way.
  std::string reason;
  while (!fileops::CopyOverwriting(src, dst, keep, &reason, access)) {
    if (platform.MessageBox(
            msg::WithReason(msg::Format(msg::kCannotCopy, DisplayName(src), DisplayName(dst)),
                            reason),
            MsgButtons::RetryCancel, MsgIcon::Exclamation) != IdRetry)
      return StageResult::Cancelled;
  }
  return StageResult::Copied;
}

// Stages what the gate let through; Retry judges the file anew.
StageResult StageChecked(Platform& platform, const FileGate& gate, const std::string& src,
                         GateResult checked, const std::string& dst,
                         const std::vector<std::string>& keep, safefile::Access access) {
  for (;; checked = gate.Check(src, checked.expected)) {
    std::string text;
    const StageResult result = fileops::TryCopyChecked(checked, src, dst, keep, access, text);
    if (result != StageResult::Cancelled) return result;
    if (platform.MessageBox(text, MsgButtons::RetryCancel, MsgIcon::Exclamation) != IdRetry)
      return StageResult::Cancelled;
  }
}

}  // namespace

StageResult StageFile(Platform& platform, const std::string& src, const std::string& directory,
                      const std::vector<std::string>& keep) {
  return Stage(platform, src, fileops::WithSeparator(directory) + FileNameOf(src), keep,
               safefile::Access::Usual);
}

StageResult StageFile(Platform& platform, const FileGate& gate, const std::string& src,
                      const GateResult& checked, const std::string& directory,
                      const std::vector<std::string>& keep) {
  return StageChecked(platform, gate, src, checked,
                      fileops::WithSeparator(directory) + FileNameOf(src), keep,
                      safefile::Access::Usual);
}

StageResult StagePrivateCopy(Platform& platform, const FileGate& gate, const std::string& src,
                             const GateResult& checked, const std::string& directory,
                             const std::string& name) {
  return StageChecked(platform, gate, src, checked, fileops::WithSeparator(directory) + name, {},
                      safefile::Access::Private);
}

namespace {

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

// An SVG file is XML text whose first element is <svg>: a byte-order mark,
// an XML declaration, comments and a document type may come before it.
bool LooksLikeSvg(std::string_view head) {
  if (StartsWith(head, "\xEF\xBB\xBF")) head.remove_prefix(3);
  for (;;) {
    const std::size_t start = head.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) return false;
    head.remove_prefix(start);
    const char* end = StartsWith(head, "<?")     ? "?>"
                      : StartsWith(head, "<!--") ? "-->"
                      : StartsWith(head, "<!")   ? ">"
                                                 : nullptr;
    if (!end) break;
    const std::size_t close = head.find(end);
    if (close == std::string_view::npos) return false;
    head.remove_prefix(close + std::strlen(end));
  }
  return StartsWith(head, "<svg") && head.size() > 4 &&
         std::string_view(" \t\r\n>").find(head[4]) != std::string_view::npos;
}

bool LooksLikeMp3(std::string_view head) {
  if (StartsWith(head, "ID3")) return true;
  // A frame header: eleven set bits of frame sync, then a valid layer.
  return head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF &&
         (static_cast<unsigned char>(head[1]) & 0xE0) == 0xE0 &&
         (static_cast<unsigned char>(head[1]) & 0x06) != 0;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

namespace {

// What the first bytes of a file show it to be.
struct Sniffed {
  ResourceKind kind = ResourceKind::Other;
  const char* type = "";
};

Sniffed SniffHead(std::string_view head) {
  const bool riff = StartsWith(head, "RIFF") && head.size() >= 12;
  static const struct {
    const char* magic;
    std::size_t size;
    ResourceKind kind;
    const char* type;
  } kMagic[] = {
      {"GIF87a", 6, ResourceKind::Image, "image/gif"},
      {"GIF89a", 6, ResourceKind::Image, "image/gif"},
      {"\xFF\xD8\xFF", 3, ResourceKind::Image, "image/jpeg"},
      {"\x89PNG\r\n\x1A\n", 8, ResourceKind::Image, "image/png"},
      {"BM", 2, ResourceKind::Image, "image/bmp"},
      {".snd", 4, ResourceKind::Sound, "audio/basic"},
      {"OggS", 4, ResourceKind::Sound, "audio/ogg"},
      {"wOF2", 4, ResourceKind::Font, "font/woff2"},
      {"wOFF", 4, ResourceKind::Font, "font/woff"},
      {"\x00\x01\x00\x00", 4, ResourceKind::Font, "font/ttf"},
      {"true", 4, ResourceKind::Font, "font/ttf"},
      {"OTTO", 4, ResourceKind::Font, "font/otf"},
  };
  for (const auto& m : kMagic)
    if (StartsWith(head, std::string_view(m.magic, m.size))) return {m.kind, m.type};
  if (riff && head.substr(8, 4) == "WEBP") return {ResourceKind::Image, "image/webp"};
  if (riff && head.substr(8, 4) == "WAVE") return {ResourceKind::Sound, "audio/wav"};
  if (LooksLikeSvg(head)) return {ResourceKind::Image, "image/svg+xml"};
  if (LooksLikeMp3(head)) return {ResourceKind::Sound, "audio/mpeg"};
  // The input file's first line is always its first Script parameter.
  std::size_t i = 6;
  if (StartsWith(head, "Script") && i < head.size() && IsDigit(head[i])) {
    while (i < head.size() && IsDigit(head[i])) ++i;
    if (i < head.size() && head[i] == '=') return {ResourceKind::InputFile, ""};
  }
  return {};
}

Sniffed SniffFile(const std::string& path) {
  constexpr std::size_t kHead = 1024;
  std::FILE* in = safefile::OpenForReading(path);
  if (!in) return {};
  char buffer[kHead];
  const std::size_t got = std::fread(buffer, 1, kHead, in);
  std::fclose(in);
  return SniffHead(std::string_view(buffer, got));
}

}  // namespace

ResourceKind SniffResource(const std::string& path) {
  return SniffFile(path).kind;
}

ResourceKind SniffResourceBytes(std::string_view head) {
  return SniffHead(head).kind;
}

std::string SniffMediaType(const std::string& path) {
  return SniffFile(path).type;
}

std::string CheckTarget(const std::string& target) {
  const os::Kind kind = os::KindOf(OsName(target), os::Links::Own);
  if (kind == os::Kind::None || kind == os::Kind::Regular) return std::string();
  return msg::Format(msg::kTargetNotFile, DisplayName(target));
}

std::string CheckResources(const std::vector<std::string>& files, const std::string& directory,
                           const std::vector<std::string>& keep,
                           const std::string& programDirectory,
                           const std::vector<GateKind>& expected,
                           std::vector<GateResult>* checked) {
  const std::string dir = fileops::WithSeparator(directory);
  std::unordered_map<std::string, const std::string*> byName;
  byName.reserve(files.size());
  for (const std::string& src : files) {
    const std::string name = FileNameOf(src);
    auto [it, fresh] = byName.emplace(FoldedName(name), &src);
    // A file listed twice lands on itself.
    if (!fresh && *it->second != src)
      return msg::Format(
          FileNameOf(*it->second) == name ? msg::kResourceNameClash : msg::kResourceCaseClash,
          DisplayName(*it->second), DisplayName(src));
  }
  // The files the copies must not replace, by their identity.
  std::map<os::FileId, const std::string*> guarded;
  const auto key = [](const std::string& path, os::FileId& k) {
    os::FileInfo info;
    if (!os::InfoOf(OsName(path), info)) return false;
    k = info.id;
    return true;
  };
  os::FileId k;
  for (const std::string& path : keep)
    if (key(path, k)) guarded.emplace(k, &path);
  for (const std::string& path : files)
    if (key(path, k)) guarded.emplace(k, &path);
  const FileGate gate(programDirectory);
  if (checked) checked->clear();
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::string& src = files[i];
    GateResult judged = gate.Check(src, i < expected.size() ? expected[i] : GateKind::None);
    if (judged.status == GateStatus::Refused) return judged.message + msg::kNothingCopied;
    if (checked) checked->push_back(std::move(judged));
    if (std::string refusal = CheckTarget(dir + FileNameOf(src)); !refusal.empty()) return refusal;
    os::FileId target;
    if (!key(dir + FileNameOf(src), target)) continue;
    auto hit = guarded.find(target);
    // A file already where it belongs is its own copy. The guarded file must
    // still be the target now: another run replacing files in the folder
    // meanwhile frees inodes that a new file there may take.
    if (hit != guarded.end() && !fileops::SameFile(src, *hit->second) &&
        fileops::SameFile(*hit->second, dir + FileNameOf(src)))
      return msg::Format(msg::kResourceReplaces, DisplayName(src), DisplayName(*hit->second));
  }
  return std::string();
}

bool StageFiles(Platform& platform, const std::vector<std::string>& files,
                const std::string& directory) {
  if (!fileops::PathExists(directory) && !MakeStagingDirectory(directory)) return false;
  const std::string dir = fileops::WithSeparator(directory);
  for (const std::string& src : files)
    if (StageFile(platform, src, dir) == StageResult::Cancelled) return false;
  return true;
}
