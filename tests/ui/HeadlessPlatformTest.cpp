// The command line's platform without Qt: programs started detached, the
// program folder and the preview folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "core/HeadlessPlatform.h"
#include "ui/Text.h"

namespace {

std::string WaitForFile(const std::string& path) {
  for (int i = 0; i < 200; ++i) {
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string text = ss.str();
    if (!text.empty() && text.back() == '\n') return text;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return std::string();
}

TEST(HeadlessPlatform, StartsProgramsDetachedInTheirOwnSession) {
  QTemporaryDir dir;
  const std::string out = PathFromQ(dir.path()) + "/out";
  // The program's parent is not this process (nobody here has to reap it),
  // and it runs in a session of its own.
  ASSERT_TRUE(
      StartDetached({"sh", "-c", "echo $PPID $(cut -d' ' -f6 /proc/$$/stat) $$ \"$0\" >\"$1\"",
                     "arg with space", out}));
  std::istringstream fields(WaitForFile(out));
  long parent = 0, session = 0, self = 0;
  std::string arg;
  fields >> parent >> session >> self;
  std::getline(fields >> std::ws, arg);
  EXPECT_NE(parent, static_cast<long>(getpid()));
  EXPECT_NE(session, static_cast<long>(getsid(0)));
  EXPECT_EQ(arg, "arg with space");

  EXPECT_FALSE(StartDetached({"/nonexistent/program"}));
  EXPECT_FALSE(StartDetached({"velkobutton-no-such-program"}));
  EXPECT_FALSE(StartDetached({}));
  HeadlessPlatform platform;
  EXPECT_FALSE(platform.StartProcess("/nonexistent/program", {"x"}));
}

TEST(HeadlessPlatform, FindsItsDataInEveryLayoutAndPreviewsOnlyInABuildTree) {
  QTemporaryDir dir;
  const std::string root = PathFromQ(dir.path());
  for (const char* folder : {"/build/Help", "/usr/bin", "/usr/libexec/velkobutton",
                             "/usr/share/velkobutton", "/bare/bin", "/ro/Help"})
    QDir().mkpath(QString::fromStdString(root + folder));
  chmod((root + "/ro").c_str(), 0555);
  const char* old = std::getenv("XDG_CACHE_HOME");
  const std::string saved = old ? old : "";
  setenv("XDG_CACHE_HOME", (root + "/cache").c_str(), 1);
  const std::string ownCache =
      root + "/cache/velkobutton/preview-" + std::to_string(getpid()) + "/";
  const bool rootMayWriteAnything = access((root + "/ro").c_str(), W_OK) == 0;
  struct Case {
    const char* exeDir;
    const char* programDir;
    bool buildTree;
    bool previewInCache;
  } cases[] = {
      {"/build", "/build/", true, false},
      {"/usr/bin", "/usr/share/velkobutton/", false, true},
      {"/usr/libexec/velkobutton", "/usr/share/velkobutton/", false, true},
      {"/bare/bin", "/bare/bin/", false, true},
      {"/ro", "/ro/", true, !rootMayWriteAnything},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exeDir);
    const ProgramLayout layout = FindProgramLayout(root + c.exeDir);
    EXPECT_EQ(layout.programDir, root + c.programDir);
    EXPECT_EQ(layout.buildTree, c.buildTree);
    EXPECT_EQ(FindPreviewDir(layout),
              c.previewInCache ? ownCache : root + c.programDir + "Preview/");
  }
  // A relative cache setting counts as none.
  setenv("XDG_CACHE_HOME", "relative", 1);
  EXPECT_EQ(CacheDir(), PathFromQ(QDir::homePath()) + "/.cache/velkobutton/");
  old ? setenv("XDG_CACHE_HOME", saved.c_str(), 1) : unsetenv("XDG_CACHE_HOME");

  // Folders of ended processes go; this process's, a file and other names stay.
  const std::string parent = root + "/sweep/";
  pid_t ended = fork();
  if (ended == 0) _exit(0);
  waitpid(ended, nullptr, 0);
  for (const std::string& name :
       {"preview-" + std::to_string(ended) + "/x", "preview-" + std::to_string(getpid()) + "/x",
        std::string("preview-12x/x"), std::string("other/x")})
    QDir().mkpath(QString::fromStdString(parent + name));
  std::ofstream(parent + "preview-" + std::to_string(ended) + "9");
  RemoveFoldersOfEndedProcesses(parent, kPreviewFolderPrefix);
  QStringList left =
      QDir(QString::fromStdString(parent)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
  left.sort();
  QStringList expected = {"other", "preview-" + QString::number(getpid()), "preview-12x",
                          "preview-" + QString::number(ended) + "9"};
  expected.sort();
  EXPECT_EQ(left, expected);
}

}  // namespace
