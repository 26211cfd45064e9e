#include "core/Recovery.h"

#include <filesystem>
#include <system_error>

#include "core/OsPath.h"
#include "core/Platform.h"
#include "core/SafeFile.h"
#include "core/SettingKeys.h"

namespace recovery {

namespace {

namespace fs = std::filesystem;

// A path in the settings, exactly: bytes outside printable ASCII and '%'
// as %XX, so that no name is changed by the settings' own encoding.
std::string Encode(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7F || byte == '%') {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Decode(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int high = text[i] == '%' && i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
    const int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
    if (low >= 0) {
      out += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::vector<Kept> Recorded(Platform& platform) {
  std::vector<Kept> kept;
  for (int n = 1; n <= kMostKept; ++n) {
    const std::string file = platform.Get(setting::kRecoveryFile, n, "");
    if (!file.empty())
      kept.push_back({Decode(file), Decode(platform.Get(setting::kRecoveryProject, n, ""))});
  }
  return kept;
}

void Record(Platform& platform, const std::vector<Kept>& kept) {
  for (int n = 1; n <= kMostKept; ++n) {
    const bool used = n <= static_cast<int>(kept.size());
    platform.Put(setting::kRecoveryFile, n, used ? Encode(kept[std::size_t(n - 1)].file) : "");
    platform.Put(setting::kRecoveryProject, n,
                 used ? Encode(kept[std::size_t(n - 1)].project) : "");
  }
}

}  // namespace

std::vector<std::string> Places(const std::string& project, const std::string& cacheDir, long pid) {
  const std::string name =
      project.empty() ? std::string("Untitled.but") : EnginePath(FsPath(project).filename());
  std::vector<std::string> places;
  if (!project.empty())
    places.push_back(EnginePath(FsPath(project).parent_path() / FsPath("." + name + ".recovery")));
  places.push_back(cacheDir + "recovery-" + std::to_string(pid) + "-" + name);
  return places;
}

std::string Keep(Platform& platform, const std::string& project, const std::string& bytes,
                 const std::string& cacheDir, long pid) {
  for (const std::string& place : Places(project, cacheDir, pid)) {
    std::error_code ec;
    fs::create_directories(FsPath(place).parent_path(), ec);
    if (!safefile::WritePrivately(place, bytes, {project})) continue;
    std::vector<Kept> kept = Recorded(platform);
    for (std::size_t i = kept.size(); i-- > 0;)
      if (kept[i].file == place) kept.erase(kept.begin() + static_cast<long>(i));
    kept.insert(kept.begin(), {place, project});
    if (kept.size() > std::size_t(kMostKept)) kept.resize(std::size_t(kMostKept));
    Record(platform, kept);
    return place;
  }
  return std::string();
}

std::vector<Kept> Pending(Platform& platform) {
  const std::vector<Kept> recorded = Recorded(platform);
  std::vector<Kept> kept;
  for (const Kept& k : recorded)
    if (safefile::StampOf(k.file).exists) kept.push_back(k);
  if (kept.size() != recorded.size()) Record(platform, kept);
  return kept;
}

void Forget(Platform& platform, const std::string& file, bool remove) {
  std::vector<Kept> kept = Recorded(platform);
  for (std::size_t i = kept.size(); i-- > 0;)
    if (kept[i].file == file) kept.erase(kept.begin() + static_cast<long>(i));
  Record(platform, kept);
  if (remove) {
    std::error_code ignored;
    fs::remove(FsPath(file), ignored);
  }
}

}  // namespace recovery
