// The open project's file: a start on a file that cannot be read, a file
// another program changes or replaces (the bar, the quiet wait, a reload that
// fails) and a link put in place of the file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "MainWindowParts.h"
#include "QuietApp.h"
#include "core/Archive.h"
#include "core/Doc.h"
#include "core/Messages.h"
#include "groups/button/PropButton.h"
#include "support/EventWait.h"
#include "support/TestPlatform.h"
#include "ui/App.h"
#include "ui/CommandIds.h"
#include "ui/DiskWatch.h"
#include "ui/FrameMain.h"
#include "ui/ReloadBar.h"

namespace {

namespace fs = std::filesystem;

using events::WaitFor;

void Settle(int ms) {
  WaitFor([] { return false; }, ms);
}

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

// What may stand where a project is named, each made at `p`.
using Maker = void (*)(const QString& p);
void Pipe(const QString& p) {
  mkfifo(QFile::encodeName(p).constData(), 0600);
}
void Huge(const QString& p) {
  QFile f(p);
  if (f.open(QIODevice::WriteOnly)) f.resize(qint64(Doc::kLargestProjectFile) + 1);
}

// The bytes of a project whose first button is named `name`.
std::string ProjectNamed(App& app, const std::string& name) {
  Doc other(app);
  other.OnNewDocument();
  other.buttons()[0]->name = name;
  Archive ar;
  other.Serialize(ar);
  return ar.TakeBytes();
}

// An editor with a saved project open, and another program's hand on its file.
class DiskFile : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    platform.programDir = dir.path().toStdString() + "/";
    platform.previewDir = dir.path().toStdString() + "/Preview/";
    app = std::make_unique<App>(platform, Quiet());
    ASSERT_TRUE(app->InitInstance({}));
    ASSERT_TRUE(app->doc().DoSave(path.toStdString()));
    ASSERT_TRUE(app->OpenDocumentFile(path));
    QObject::connect(bar(), &ReloadBar::offered, [this] { ++offers; });
  }
  void TearDown() override {
    if (app) app->ExitInstance();
  }
  ReloadBar* bar() { return app->frame()->reloadBar(); }
  Doc& doc() { return app->doc(); }
  // Another program puts `bytes` in place of the file, as editors do.
  void Replace(const QByteArray& bytes) {
    const QString temp = dir.filePath("theirs.tmp");
    Write(temp, bytes);
    ASSERT_EQ(std::rename(QFile::encodeName(temp), QFile::encodeName(path)), 0);
  }
  void Edit(const std::string& name) {
    doc().buttons()[0]->name = name;
    doc().SetModifiedFlag(true);
  }

  QTemporaryDir dir;
  QString path = dir.filePath("menu.but");
  TestPlatform platform;
  std::unique_ptr<App> app;
  int offers = 0;
};

}  // namespace

TEST(StartOnUnreadableFile, SaysSoOnceAndStartsWithANewProject) {
  const struct {
    const char* what;
    Maker make;
    const char* message;
  } rows[] = {
      {"garbage", [](const QString& p) { Write(p, "\x01\xFFgarbage"); }, msg::kUnexpectedFormat},
      {"empty", [](const QString& p) { Write(p, ""); }, msg::kUnexpectedFormat},
      {"folder", [](const QString& p) { QDir().mkpath(p); }, msg::kFailedToOpen},
      {"pipe", Pipe, msg::kFailedToOpen},
      {"missing", [](const QString&) {}, msg::kFailedToOpen},
      {"huge sparse", Huge, msg::kFailedToOpen},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.but");
    row.make(path);
    TestPlatform platform;
    platform.programDir = dir.path().toStdString() + "/";
    platform.previewDir = dir.path().toStdString() + "/Preview/";
    App app(platform, Quiet());
    // While the message is shown the editor's events run: whatever
    // generates then finds no project and makes nothing of it.
    bool generated = false;
    platform.onMessage = [&](const TestPlatform::Message&) {
      QApplication::processEvents();
      std::vector<std::string> files;
      std::string page = dir.filePath("page.html").toStdString();
      app.doc().EstimatePageSize();
      generated = !app.doc().BuildHtml(PageMode::Page).empty() ||
                  !app.doc().BuildParams(ParamForm::InputFile, "").empty() ||
                  app.doc().GetResourceFiles(files) || app.doc().SaveHtml(page, false, false) ||
                  app.doc().OnSaveDocument(dir.filePath("saved.but").toStdString());
    };
    ASSERT_TRUE(app.InitInstance({path}));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, row.message);
    EXPECT_FALSE(generated);
    ASSERT_NE(app.doc().project(), nullptr);
    EXPECT_EQ(app.doc().ButtonCount(), 1u);
    EXPECT_TRUE(app.doc().pathName().empty());
    EXPECT_FALSE(app.doc().IsModified());
    EXPECT_FALSE(app.doc().BuildHtml(PageMode::Page).empty());
    app.ExitInstance();
  }
}

TEST_F(DiskFile, ABurstOfChangesIsOfferedOnceInTheBarAndReadOnlyWhenQuiet) {
  // Changes closer than the quiet wait, then slower ones while the bar is
  // shown: one offer, no question.
  for (int i = 1; i <= 14; ++i) {
    Replace(QByteArray::fromStdString(ProjectNamed(*app, "Theirs " + std::to_string(i))));
    Settle(DiskWatch::kQuietMs / 4);
    EXPECT_FALSE(bar()->offering()) << i;
  }
  ASSERT_TRUE(WaitFor([&] { return bar()->offering(); }));
  for (int i = 15; i <= 17; ++i) {
    Replace(QByteArray::fromStdString(ProjectNamed(*app, "Theirs " + std::to_string(i))));
    Settle(DiskWatch::kQuietMs * 3 / 2);
  }
  EXPECT_EQ(offers, 1);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(bar()->text().toStdString(), msg::Format(msg::kChangedOnDisk, path.toStdString()));
  EXPECT_EQ(doc().buttons()[0]->name, "Button 1");

  // Reload chosen while the file is half written: it is read once whole.
  const QByteArray whole = QByteArray::fromStdString(ProjectNamed(*app, "Whole"));
  Write(path, whole.left(whole.size() / 2));
  Settle(DiskWatch::kQuietMs / 4);
  bar()->reloadButton()->click();
  Settle(DiskWatch::kQuietMs / 4);
  EXPECT_EQ(doc().buttons()[0]->name, "Button 1");
  Write(path, whole);
  ASSERT_TRUE(WaitFor([&] { return doc().buttons()[0]->name == "Whole"; }));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(bar()->offering());
  EXPECT_FALSE(doc().IsModified());

  // With an edit, the bar says it would be lost; Keep keeps it, and Save
  // asks before replacing their version.
  Edit("Ours");
  Replace(QByteArray::fromStdString(ProjectNamed(*app, "Theirs again")));
  ASSERT_TRUE(WaitFor([&] { return bar()->offering(); }));
  EXPECT_EQ(bar()->text().toStdString(),
            msg::Format(msg::kChangedOnDiskLosing, path.toStdString()));
  bar()->keepButton()->click();
  EXPECT_FALSE(bar()->offering());
  Settle(DiskWatch::kQuietMs * 2);
  EXPECT_FALSE(bar()->offering());
  EXPECT_EQ(doc().buttons()[0]->name, "Ours");
  platform.answers = {IdYes};
  EXPECT_TRUE(app->OnFileSave());
  EXPECT_EQ(platform.messages.back().text,
            msg::Format(msg::kChangedBeforeSave, path.toStdString()));
  // The editor's own save offers nothing.
  Settle(DiskWatch::kQuietMs * 2);
  EXPECT_FALSE(bar()->offering());
  EXPECT_EQ(offers, 2);
}

TEST_F(DiskFile, AReloadThatFailsKeepsTheProjectMarkedAsChanged) {
  const struct {
    const char* what;
    Maker make;
    const char* reason;
    bool edited;
  } rows[] = {
      {"pipe", Pipe, msg::kReloadNotRegular, true},
      {"huge", Huge, msg::kReloadTooLarge, true},
      {"garbage", [](const QString& p) { Write(p, QByteArray(5000, '\x07')); },
       msg::kReloadNotProject, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    ASSERT_TRUE(app->OpenDocumentFile(path));
    if (row.edited) Edit(std::string("Ours, ") + row.what);
    const std::string name = doc().buttons()[0]->name;
    ASSERT_EQ(doc().IsModified(), row.edited);
    const QString temp = dir.filePath("theirs.tmp");
    QFile::remove(temp);
    row.make(temp);
    ASSERT_EQ(std::rename(QFile::encodeName(temp), QFile::encodeName(path)), 0);
    ASSERT_TRUE(WaitFor([&] { return bar()->offering(); }));
    platform.messages.clear();
    bar()->reloadButton()->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              msg::Format(msg::kReloadFailed, path.toStdString(), row.reason));
    EXPECT_EQ(doc().buttons()[0]->name, name);
    EXPECT_EQ(doc().pathName(), path.toStdString());
    EXPECT_TRUE(doc().IsModified());
    // Leaving asks to save it.
    platform.answers = {IdCancel};
    EXPECT_FALSE(doc().SaveModified());
    EXPECT_EQ(platform.messages.back().text, msg::Format(msg::kSaveChanges, path.toStdString()));
    // Put back as a project for the next row.
    QFile::remove(path);
    ASSERT_TRUE(doc().OnSaveDocument(path.toStdString()));
  }
}

TEST_F(DiskFile, ALinkPutInPlaceOfTheFileIsNeverWrittenThrough) {
  const QString target = dir.filePath("bashrc");
  Write(target, "alias ls='ls -F'\n");
  const std::string real = fs::canonical(target.toStdString()).string();
  ASSERT_TRUE(QFile::remove(path));
  ASSERT_EQ(symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()), 0);
  Edit("Ours");
  // No: nothing is written; the question names where the link leads.
  platform.answers = {IdNo};
  EXPECT_FALSE(app->OnFileSave());
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages.back().text,
            msg::Format(msg::kLinkReplacedProject, path.toStdString(), real));
  EXPECT_EQ(Read(target), "alias ls='ls -F'\n");
  EXPECT_TRUE(QFileInfo(path).isSymLink());
  // Yes: the project takes the link's place; the target is left as it is.
  platform.answers = {IdYes};
  EXPECT_TRUE(app->OnFileSave());
  EXPECT_EQ(Read(target), "alias ls='ls -F'\n");
  EXPECT_FALSE(QFileInfo(path).isSymLink());
  EXPECT_FALSE(doc().IsModified());
  ASSERT_TRUE(app->OpenDocumentFile(path));
  EXPECT_EQ(doc().buttons()[0]->name, "Ours");

  // A project opened through a link is saved through it, asking nothing.
  const QString link = dir.filePath("link.but");
  ASSERT_EQ(symlink(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);
  ASSERT_TRUE(app->OpenDocumentFile(link));
  platform.messages.clear();
  Edit("Through");
  EXPECT_TRUE(app->OnFileSave());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  ASSERT_TRUE(app->OpenDocumentFile(path));
  EXPECT_EQ(doc().buttons()[0]->name, "Through");
}

TEST_F(DiskFile, ReopenWithEncodingReadsTheNamesInTheCodePageAndUndoes) {
  // A project saved on a Russian system: "Хлеб" in Windows-1251 bytes.
  Replace(QByteArray::fromStdString(ProjectNamed(*app, u8"Õëåá")));
  ASSERT_TRUE(app->OpenDocumentFile(path));
  FrameMain* frame = app->frame();
  const auto treeName = [frame] { return TreeItem(frame, 0).data().toString(); };
  ASSERT_EQ(treeName(), QString::fromUtf8(u8"Õëåá"));
  // File > Reopen with Encoding > Cyrillic, as the menu holds it.
  QMenu* list = nullptr;
  for (QAction* a : frame->menuBar()->actions().front()->menu()->actions())
    if (a->menu() && a->data().toInt() == kCmdReopenWithEncoding) list = a->menu();
  ASSERT_NE(list, nullptr);
  QAction* cyrillic = nullptr;
  for (QAction* a : list->actions())
    if (a->data().toInt() == kCmdReopen1251) cyrillic = a;
  ASSERT_NE(cyrillic, nullptr);
  EXPECT_EQ(list->actions().size(), 6);
  cyrillic->trigger();
  EXPECT_EQ(treeName(), QString::fromUtf8(u8"Хлеб"));
  EXPECT_TRUE(doc().IsModified());
  frame->action(kCmdEditUndo)->trigger();
  EXPECT_EQ(treeName(), QString::fromUtf8(u8"Õëåá"));
  EXPECT_FALSE(doc().IsModified());
  frame->action(kCmdEditRedo)->trigger();
  frame->action(kCmdFileSave)->trigger();
  EXPECT_FALSE(doc().IsModified());
  EXPECT_TRUE(
      Read(path).contains(QByteArray("\x0B\xEF\xBB\xBF") + QString::fromUtf8(u8"Хлеб").toUtf8()));
  EXPECT_TRUE(platform.messages.empty());
}
