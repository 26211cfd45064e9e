// Fresh directories for tests, and small file helpers.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

// Removes `path` and everything below it, read-only files and folders that
// deny entry included (Windows deletes no read-only file). Links are removed,
// never followed.
inline void RemoveTree(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(path, ec);
  if (ec || !fs::exists(status)) return;
  if (!fs::is_symlink(status)) {
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
    if (fs::is_directory(status)) {
      std::vector<fs::path> children;
      for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec))
        children.push_back(it->path());
      for (const fs::path& child : children) RemoveTree(child);
    }
  }
  fs::remove_all(path, ec);
}

// A fresh directory for a test, named at random (a process id may come back
// while an earlier run's folder is still there), removed with everything in
// it afterwards.
class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    for (;;) {
      path_ = std::filesystem::temp_directory_path() / ("vbtest-" + std::to_string(rd()));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  ~TempDir() { RemoveTree(path_); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The directory with a trailing '/' (names are UTF-8, as in the engine).
  std::string dir() const { return path_.u8string() + "/"; }
  // A path inside the directory.
  std::string operator/(const std::string& name) const {
    return (path_ / std::filesystem::u8path(name)).u8string();
  }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// `n` bytes of deterministic noise.
inline std::string Noise(std::size_t n, unsigned seed) {
  std::mt19937 gen(seed);
  std::string s(n, '\0');
  for (auto& c : s) c = static_cast<char>(gen() & 0xFF);
  return s;
}

// Whether this system lets the tests make symbolic links: Windows gives them
// only to administrators and in developer mode, and Wine not at all. Asked once.
inline bool LinksCanBeMade() {
  static const bool can = [] {
    TempDir t;
    WriteBytes(t / "target", "x");
    std::error_code ec;
    std::filesystem::create_symlink(t / "target", t / "link", ec);
    return !ec && ReadBytes(t / "link") == "x";
  }();
  return can;
}
inline constexpr const char* kNoLinks =
    "symbolic links cannot be made here (Windows grants them to administrators and developer "
    "mode only)";
