// The command line's platform without Qt: programs started detached, the
// program folder and the preview folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
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

TEST(HeadlessPlatform, FindsTheProgramAndPreviewFoldersAsTheEditorDoes) {
  // The test program's folder holds no Help/: the folder itself, as the
  // editor's application object gives it.
  const QString exeDir = QCoreApplication::applicationDirPath();
  if (!QDir(exeDir + "/Help").exists() && !QDir(exeDir + "/../share/velkobutton").exists()) {
    EXPECT_EQ(FindProgramDir(), PathFromQ(exeDir) + "/");
  }

  QTemporaryDir dir;
  const std::string cache = PathFromQ(dir.path()) + "/cache";
  const char* old = std::getenv("XDG_CACHE_HOME");
  const std::string saved = old ? old : "";
  setenv("XDG_CACHE_HOME", cache.c_str(), 1);
  const std::string readOnly = PathFromQ(dir.path()) + "/ro/";
  mkdir(readOnly.c_str(), 0555);
  if (access(readOnly.c_str(), W_OK) != 0) {
    EXPECT_EQ(FindPreviewDir(readOnly), cache + "/velkobutton/Preview/");
    EXPECT_EQ(FindPreviewDir(readOnly),
              PathFromQ(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)) +
                  "/velkobutton/Preview/");
  }
  EXPECT_EQ(FindPreviewDir(PathFromQ(dir.path()) + "/"), PathFromQ(dir.path()) + "/Preview/");
  EXPECT_EQ(FindPreviewDir("/nonexistent/"), cache + "/velkobutton/Preview/");
  old ? setenv("XDG_CACHE_HOME", saved.c_str(), 1) : unsetenv("XDG_CACHE_HOME");
}

}  // namespace
