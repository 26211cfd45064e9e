// The whole-file writer: refusals, a failed write keeping the old file, and
// reading that never waits on a pipe.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>

#include "core/SafeFile.h"
#include "core/os/Os.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

class SafeFileTest : public ::testing::Test {
 protected:
  std::string P(const std::string& name) const { return (dir / name).string(); }
  static void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // Names in the folder, the temporary ones included.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  TempDir temp;
  const fs::path dir = temp.path();
};

TEST_F(SafeFileTest, RefusesTheSameFileReachedThroughALinkOrAHardLink) {
  Put(P("in.au"), "input bytes");
  fs::create_hard_link(P("in.au"), P("hard.au"));
  const auto refused = [&](const char* target) {
    safefile::WriteError error;
    EXPECT_FALSE(safefile::WriteBytes(P(target), "new", {P("other"), P("in.au")}, &error))
        << target;
    EXPECT_EQ(error.failure, safefile::Failure::SameAsInput) << target;
    EXPECT_EQ(error.input, P("in.au"));
  };
  refused("in.au");
  refused("hard.au");
  EXPECT_EQ(Get(P("in.au")), "input bytes");
  EXPECT_EQ(Names(), (std::vector<std::string>{"hard.au", "in.au"}));
  if (!LinksCanBeMade()) GTEST_SKIP() << "the symbolic links' part: " << kNoLinks;
  fs::create_symlink(P("in.au"), P("soft.au"));
  refused("soft.au");
  // The input named through the link is found as well.
  safefile::WriteError error;
  EXPECT_FALSE(safefile::WriteBytes(P("hard.au"), "new", {P("soft.au")}, &error));
  EXPECT_EQ(safefile::Describe("hard.au", error),
            "'hard.au' is the same file as the input '" + P("soft.au") + "'; it was not replaced.");
  EXPECT_EQ(Get(P("in.au")), "input bytes");
  EXPECT_EQ(Names(), (std::vector<std::string>{"hard.au", "in.au", "soft.au"}));
  // Another file is written, and a link to it is followed to the file it names.
  Put(P("out.wav"), "old");
  fs::create_symlink(P("out.wav"), P("link.wav"));
  ASSERT_TRUE(safefile::WriteBytes(P("link.wav"), "new", {P("in.au")}));
  EXPECT_TRUE(fs::is_symlink(P("link.wav")));
  EXPECT_EQ(Get(P("out.wav")), "new");
}

TEST_F(SafeFileTest, RefusesSpecialAndReadOnlyTargets) {
  // Windows has no pipes in its folders.
  const bool pipe = os::MakePipe(P("pipe"));
  fs::create_directory(P("folder"));
  std::vector<std::string> special = {"folder"};
  if (pipe) special.push_back("pipe");
  for (const std::string& target : special) {
    safefile::WriteError error;
    EXPECT_FALSE(safefile::WriteBytes(P(target), "x", {}, &error));
    EXPECT_EQ(error.failure, safefile::Failure::NotRegular);
    EXPECT_EQ(safefile::Describe("t", error), "'t' is not a regular file; it was not replaced.");
  }
  if (pipe) {
    EXPECT_TRUE(fs::is_fifo(P("pipe")));
  }
  // Read-only: refused whoever runs the program, root included.
  Put(P("ro.html"), "keep");
  fs::permissions(P("ro.html"), fs::perms::owner_read | fs::perms::group_read);
  safefile::WriteError error;
  EXPECT_FALSE(safefile::WriteBytes(P("ro.html"), "x", {}, &error));
  EXPECT_EQ(error.failure, safefile::Failure::ReadOnly);
  EXPECT_EQ(safefile::Describe("ro.html", error), "'ro.html' is read-only; it was not replaced.");
  EXPECT_EQ(Get(P("ro.html")), "keep");
  special.push_back("ro.html");
  EXPECT_EQ(Names(), special);
}

TEST_F(SafeFileTest, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
  Put(P("page.html"), "old page");
  fs::permissions(P("page.html"), fs::perms(0640));  // Windows: only that it may be written
  const fs::perms mode = fs::status(P("page.html")).permissions();
  safefile::WriteError error;
  EXPECT_FALSE(safefile::Write(
      P("page.html"),
      [](std::FILE* out) {
        std::fputs("half a pa", out);
        errno = ENOSPC;
        return false;
      },
      {}, &error));
  EXPECT_EQ(error.failure, safefile::Failure::CannotWrite);
  EXPECT_EQ(safefile::Describe("page.html", error),
            "Unable to write 'page.html': No space left on device. Any file of that name is "
            "unchanged.");
  EXPECT_EQ(Get(P("page.html")), "old page");
  EXPECT_EQ(Names(), std::vector<std::string>{"page.html"});

  // A whole write replaces the file and keeps its permissions.
  ASSERT_TRUE(safefile::WriteBytes(P("page.html"), std::string("new\0page", 8)));
  EXPECT_EQ(Get(P("page.html")), std::string("new\0page", 8));
  EXPECT_EQ(fs::status(P("page.html")).permissions(), mode);
  EXPECT_EQ(Names(), std::vector<std::string>{"page.html"});

  // A folder that does not exist: nothing is made.
  EXPECT_FALSE(safefile::WriteBytes(P("missing/page.html"), "x", {}, &error));
  EXPECT_EQ(error.error, ENOENT);

  // Text that fails while it is made (out of memory) leaves the old file
  // and no temporary file; the failure reaches the caller.
  EXPECT_THROW(safefile::Write(P("page.html"),
                               [](std::FILE* out) -> bool {
                                 std::fputs("part of a page", out);
                                 throw std::bad_alloc();
                               }),
               std::bad_alloc);
  EXPECT_EQ(Get(P("page.html")), std::string("new\0page", 8));
  EXPECT_EQ(Names(), std::vector<std::string>{"page.html"});
}

TEST_F(SafeFileTest, ReadingRefusesAPipeAtOnceAndReadsRegularFiles) {
  std::string bytes = "unchanged";
  // A pipe with no writer: an open without O_NONBLOCK would wait forever.
  if (os::MakePipe(P("pipe"))) {
    EXPECT_EQ(safefile::OpenForReading(P("pipe")), nullptr);
    EXPECT_FALSE(safefile::ReadAll(P("pipe"), bytes));
  }
  EXPECT_FALSE(safefile::ReadAll(dir.string(), bytes));
  EXPECT_FALSE(safefile::ReadAll(P("missing"), bytes));
  EXPECT_EQ(bytes, "unchanged");
  Put(P("p.but"), std::string("\x04"
                              "1.00\0",
                              6));
  ASSERT_TRUE(safefile::ReadAll(P("p.but"), bytes));
  EXPECT_EQ(bytes, std::string("\x04"
                               "1.00\0",
                               6));

  // Empty, large, and a file whose size the system does not know beforehand.
  Put(P("empty.but"), std::string());
  ASSERT_TRUE(safefile::ReadAll(P("empty.but"), bytes));
  EXPECT_EQ(bytes, "");
  std::string large;
  for (int i = 0; i < 300000; ++i) large += static_cast<char>(i * 7 % 256);
  Put(P("large.but"), large);
  ASSERT_TRUE(safefile::ReadAll(P("large.but"), bytes));
  EXPECT_EQ(bytes, large);
  if (fs::exists("/proc/self/status")) {
    ASSERT_TRUE(safefile::ReadAll("/proc/self/status", bytes));
    EXPECT_EQ(bytes.rfind("Name:", 0), 0u);
    EXPECT_NE(bytes.find("\nVmRSS:"), std::string::npos);
  }
}

// A process that ends in the middle of a write: by a signal it asks for, its
// temporary goes with it; killed outright, it leaves one, and the next write
// of that file removes it. A file-size limit is a failed write, not the end.
TEST_F(SafeFileTest, AProcessEndingMidWriteLeavesNothingForLong) {
#ifdef _WIN32
  GTEST_SKIP() << "signals, fork and file-size limits are POSIX's";
#else
  Put(P("page.html"), "old page");
  const struct {
    int sig;
    bool leftover;
  } cases[] = {{SIGINT, false}, {SIGTERM, false}, {SIGHUP, false}, {SIGKILL, true}};
  for (const auto& c : cases) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      safefile::PrepareProcess();
      safefile::Write(P("page.html"), [&](std::FILE* out) {
        std::fputs("half a pa", out);
        std::fflush(out);
        raise(c.sig);
        return true;
      });
      _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.sig) << c.sig;
    EXPECT_EQ(Get(P("page.html")), "old page");
    EXPECT_EQ(Names().size(), c.leftover ? 2u : 1u) << c.sig;
  }
  // Another file's temporary, and a file of a name this program never makes, stay.
  Put(P(".other.html.abcdefgh.tmp"), "theirs");
  Put(P(".page.html.tmp"), "not ours");
  ASSERT_TRUE(safefile::WriteBytes(P("page.html"), "new page"));
  EXPECT_EQ(Names(),
            (std::vector<std::string>{".other.html.abcdefgh.tmp", ".page.html.tmp", "page.html"}));

  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    safefile::PrepareProcess();
    const rlimit limit{16, 16};
    setrlimit(RLIMIT_FSIZE, &limit);
    safefile::WriteError error;
    const bool ok = safefile::WriteBytes(P("page.html"), std::string(4096, 'x'), {}, &error);
    _exit(!ok && error.error == EFBIG ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(Get(P("page.html")), "new page");
  EXPECT_EQ(Names().size(), 3u);
#endif
}

}  // namespace
