// The editor opens and saves projects under names outside Windows-1252: the
// window title, the recent-file list and the file itself keep the real name.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "QuietApp.h"
#include "core/Doc.h"
#include "groups/project/PropProject.h"
#include "support/TestPlatform.h"
#include "ui/App.h"
#include "ui/FrameMain.h"

namespace {

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(EditorFileNames, OpensAndSavesAProjectUnderANonLatinName) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8("目录 Ωμέγα")));
  const QString first = dir.path() + QString::fromUtf8("/目录 Ωμέγα/日本語.but");
  const QString second = dir.path() + QString::fromUtf8("/目录 Ωμέγα/второй.but");
  {
    // A project made by the engine, under the non-Latin name.
    TestPlatform platform;
    platform.previewDir = dir.path().toStdString() + "/Preview/";
    App app(platform, Quiet());
    ASSERT_TRUE(app.InitInstance({}));
    app.doc().project()->identifier = "Nihongo";
    app.RefreshPages();  // the open project page shows the new value
    ASSERT_TRUE(app.doc().OnSaveDocument(QFile::encodeName(first).toStdString()));
  }
  const QByteArray saved = Bytes(first);
  ASSERT_FALSE(saved.isEmpty());

  TestPlatform platform;
  platform.previewDir = dir.path().toStdString() + "/Preview/";
  App app(platform, Quiet());
  // Named on the command line.
  ASSERT_TRUE(app.InitInstance({first}));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(app.doc().project()->identifier, "Nihongo");
  EXPECT_EQ(app.doc().pathName(), QFile::encodeName(first).toStdString());
  EXPECT_TRUE(app.frame()->windowTitle().startsWith(QString::fromUtf8("日本語.but")))
      << app.frame()->windowTitle().toStdString();
  EXPECT_EQ(app.recentFiles().value(0), first);

  // Save As under another such name, then Save, then Open the first again.
  platform.fileAnswers.push_back(QFile::encodeName(second).toStdString());
  ASSERT_TRUE(app.OnFileSaveAs());
  EXPECT_EQ(Bytes(second), saved);
  EXPECT_EQ(app.recentFiles().value(0), second);
  app.doc().project()->identifier = "Second";
  app.RefreshPages();
  app.doc().SetModifiedFlag(true);
  ASSERT_TRUE(app.OnFileSave());
  EXPECT_NE(Bytes(second), saved);
  EXPECT_EQ(Bytes(first), saved);
  platform.fileAnswers.push_back(QFile::encodeName(first).toStdString());
  ASSERT_TRUE(app.OnFileOpen());
  EXPECT_EQ(app.doc().project()->identifier, "Nihongo");
  EXPECT_TRUE(platform.messages.empty()) << platform.messages.front().text;
  // Only the two projects are in the folder: no temporary or misnamed file.
  EXPECT_EQ(
      QDir(dir.path() + QString::fromUtf8("/目录 Ωμέγα")).entryList(QDir::Files | QDir::Hidden),
      (QStringList{QString::fromUtf8("второй.but"), QString::fromUtf8("日本語.but")}));
  app.ExitInstance();
}
