// The operating-system layer, as both of its implementations must behave:
// replacing a file that is open, identity across a rename, names in any
// language, links where the system has them, locks and the folders the
// environment names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/SafeFile.h"
#include "core/os/Os.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

std::string ReadThrough(const os::File& file) {
  char buffer[64];
  const long long got = os::ReadAt(file.native(), buffer, sizeof buffer, 0);
  return got > 0 ? std::string(buffer, static_cast<std::size_t>(got)) : std::string();
}

std::string ReadName(const std::string& path) {
  std::string bytes;
  return safefile::ReadAll(path, bytes) ? bytes : "<unreadable>";
}

os::FileId IdOf(const std::string& path) {
  os::FileInfo info;
  EXPECT_TRUE(os::InfoOf(path, info)) << path;
  return info.id;
}

TEST(OsLayer, ReplacesAFileThatIsOpen) {
  const TempDir dir;
  const std::string target = dir / "page.html", fresh = dir / "page.html.new";
  ASSERT_TRUE(safefile::WriteBytes(target, "old"));
  ASSERT_TRUE(safefile::WriteBytes(fresh, "new"));
  os::File reader = os::Open(target, os::kRead);
  ASSERT_TRUE(reader.valid());
  const bool replaced = os::Replace(fresh, target);
  if (!kWindows) {
    // The reader keeps the file it opened; the name reaches the new one.
    EXPECT_TRUE(replaced);
    EXPECT_EQ(ReadThrough(reader), "old");
  }
  if (replaced) {
    EXPECT_EQ(ReadName(target), "new");
    EXPECT_EQ(os::KindOf(fresh), os::Kind::None);
  } else {
    // Where the system refuses while a reader is there, nothing is lost.
    EXPECT_EQ(ReadName(target), "old");
    EXPECT_EQ(ReadName(fresh), "new");
  }
  // The whole-file writer replaces it as the system allows, while it is open.
  const bool rewritten = safefile::WriteBytes(target, "newer");
  if (replaced) {
    EXPECT_TRUE(rewritten);
  }
  EXPECT_EQ(ReadName(target), rewritten ? "newer" : "old");
  // What the system kept of the old file goes when its reader lets go.
  reader.Close();
  std::vector<std::string> left;
  for (const auto& e : fs::directory_iterator(os::FsPath(dir.dir())))
    left.push_back(os::Utf8Of(e.path().filename()));
  std::sort(left.begin(), left.end());
  const std::vector<std::string> expected =
      replaced ? std::vector<std::string>{"page.html"}
               : std::vector<std::string>{"page.html", "page.html.new"};
  EXPECT_EQ(left, expected) << "no temporary file stays";
}

TEST(OsLayer, IdentityFollowsTheFileNotTheName) {
  const TempDir dir;
  ASSERT_TRUE(safefile::WriteBytes(dir / "a", "one"));
  ASSERT_TRUE(safefile::WriteBytes(dir / "b", "one"));
  const os::FileId a = IdOf(dir / "a");
  EXPECT_NE(a, os::FileId());
  EXPECT_NE(a, IdOf(dir / "b"));
  ASSERT_TRUE(os::Replace(dir / "a", dir / "c"));
  EXPECT_EQ(IdOf(dir / "c"), a);
  // The same through an open file, and through a second name of the file.
  const os::File open = os::Open(dir / "c", os::kRead);
  os::FileInfo held;
  ASSERT_TRUE(os::InfoOf(open.native(), held));
  EXPECT_EQ(held.id, a);
  EXPECT_EQ(held.kind, os::Kind::Regular);
  EXPECT_EQ(held.size, 3u);
  std::error_code ec;
  fs::create_hard_link(os::FsPath(dir / "c"), os::FsPath(dir / "d"), ec);
  if (!ec) {
    EXPECT_TRUE(safefile::SameFile(dir / "c", dir / "d"));
  }
  EXPECT_FALSE(safefile::SameFile(dir / "c", dir / "b"));
  // A write replaces the file: another identity under the old name.
  ASSERT_TRUE(safefile::WriteBytes(dir / "b", "two"));
  EXPECT_NE(IdOf(dir / "b"), a);
}

TEST(OsLayer, NamesInAnyLanguage) {
  const TempDir dir;
  const std::vector<std::string> names = {
      "caf\xC3\xA9.html", "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC.but", "\xE6\x97\xA5\xE6\x9C\xAC.au",
      "\xF0\x9F\x98\x80 smile.png"};
  std::set<os::FileId> ids;
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const std::string path = dir / name;
    ASSERT_TRUE(safefile::WriteBytes(path, name));
    EXPECT_EQ(ReadName(path), name);
    std::string real;
    ASSERT_TRUE(os::RealPath(path, real));
    EXPECT_EQ(real.substr(real.size() - name.size()), name);
    ids.insert(IdOf(path));
  }
  EXPECT_EQ(ids.size(), names.size());
  std::vector<std::string> listed;
  for (const auto& e : fs::directory_iterator(os::FsPath(dir.dir())))
    listed.push_back(os::Utf8Of(e.path().filename()));
  std::vector<std::string> expected = names;
  std::sort(listed.begin(), listed.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(listed, expected);
}

TEST(OsLayer, LinksWhereTheSystemHasThem) {
  const TempDir dir;
  const std::string target = dir / "target.txt", link = dir / "link.txt";
  ASSERT_TRUE(safefile::WriteBytes(target, "bytes"));
  if (!os::MakeLink(target, link)) GTEST_SKIP() << "no symbolic links here (errno " << errno << ")";
  if (kWindows && os::KindOf(link) == os::Kind::None)
    GTEST_SKIP() << "the system made a link that leads nowhere";
  EXPECT_EQ(os::KindOf(link, os::Links::Own), os::Kind::Link);
  EXPECT_EQ(os::KindOf(link), os::Kind::Regular);
  std::string real, realTarget;
  ASSERT_TRUE(os::RealPath(link, real));
  ASSERT_TRUE(os::RealPath(target, realTarget));
  EXPECT_EQ(real, realTarget);
  EXPECT_EQ(safefile::LinkTarget(link), realTarget);
  EXPECT_FALSE(os::Open(link, os::kRead | os::kNoFollow).valid());
  EXPECT_EQ(errno, ELOOP);
  EXPECT_TRUE(os::Open(link, os::kRead).valid());
}

TEST(OsLayer, ALockIsHeldByOneAtATime) {
  const TempDir dir;
  const os::File first = os::Open(dir / "x.lock", os::kReadWrite | os::kCreate);
  os::File second = os::Open(dir / "x.lock", os::kReadWrite | os::kCreate);
  ASSERT_TRUE(first.valid() && second.valid());
  ASSERT_TRUE(os::TryLock(first.native()));
  EXPECT_FALSE(os::TryLock(second.native()));
  EXPECT_EQ(errno, EWOULDBLOCK);
  // A lock does not stand in the way of reading and writing the file.
  std::FILE* out = os::ToStream(os::Duplicate(second.native()), "r+b");
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(std::fwrite("kept", 1, 4, out), 4u);
  EXPECT_EQ(std::fclose(out), 0);
  const os::File third = os::Open(dir / "x.lock", os::kRead);
  EXPECT_EQ(ReadThrough(third), "kept");
}

// Sets an environment variable for the scope, then puts back what was there.
class EnvSet {
 public:
  EnvSet(std::string name, const std::string* value) : name_(std::move(name)) {
    had_ = os::GetEnv(name_, before_);
    if (value)
      os::SetEnv(name_, *value);
    else
      os::UnsetEnv(name_);
  }
  ~EnvSet() {
    if (had_)
      os::SetEnv(name_, before_);
    else
      os::UnsetEnv(name_);
  }

 private:
  std::string name_, before_;
  bool had_ = false;
};

TEST(OsLayer, TheUsersFoldersComeFromTheEnvironment) {
  const std::string home = kWindows ? "C:\\Users\\v" : "/home/v";
  const std::string given = kWindows ? "D:\\conf \xC3\xA9" : "/srv/conf \xC3\xA9";
  const std::string homeVar = kWindows ? "USERPROFILE" : "HOME";
  struct Case {
    const char* variable;
    std::string (*folder)();
    std::string unset;  // the folder without the variable
  };
  const Case cases[] = {
      {kWindows ? "APPDATA" : "XDG_CONFIG_HOME", os::SettingsFolder,
       home + (kWindows ? "\\AppData\\Roaming" : "/.config")},
      {kWindows ? "LOCALAPPDATA" : "XDG_CACHE_HOME", os::CacheFolder,
       home + (kWindows ? "\\AppData\\Local" : "/.cache")},
  };
  const EnvSet homeSet(homeVar, &home);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.variable);
    {
      const EnvSet set(c.variable, &given);
      EXPECT_EQ(c.folder(), given);
    }
    const EnvSet unset(c.variable, nullptr);
    EXPECT_EQ(c.folder(), c.unset);
  }
  EXPECT_EQ(os::NativeSeparators("a/b\\c/d"), kWindows ? "a\\b\\c\\d" : "a/b\\c/d");
}

}  // namespace
