// Publishing from the editor: the clipboard segment, Generate File and its
// remembered path, the Resources dialog and Copy Locally with its progress
// window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "WhenShown.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/project/PropProject.h"
#include "output/CopyProgressDialog.h"
#include "output/PublishDialog.h"
#include "output/ResourcesDialog.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"
#include "ui/Text.h"

namespace fs = std::filesystem;

namespace {

const char* const kAppletFiles[] = {"VelkoButton.class", "VelkoButton.jar", "VelkoButton.cab",
                                    "VelkoJfc2.class"};

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Refuses every commit, as a page with a bad value does.
class RefusingView : public DocView {
 public:
  explicit RefusingView(KesApp& app) : app_(app) {}
  void OnUpdate(int hint) override {
    if (hint == kHintCommit) app_.ReportCommit(false);
  }

 private:
  KesApp& app_;
};

struct Shown {
  std::string html;
  std::vector<std::string> entries;
  bool allSelected = false;
};

class PublishTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.programDir = t.dir() + "program/";
    for (const char* f : kAppletFiles)
      WriteBytes(platform.programDir + f, std::string(f) + " bytes");
    app.setCurrentDoc(&doc);
    // The classic page, byte for byte (the runtime's line is tested with the command line).
    app.settings().html5Runtime = 0;
    doc.OnNewDocument();
  }
  // Records what the next Resources dialog shows, then closes it.
  void RecordNextResources() {
    watches.push_back(WhenShown<ResourcesDialog>(
        [this](ResourcesDialog* d) {
          Shown s;
          s.html = FromQ(d->htmlEdit()->toPlainText());
          for (int i = 0; i < d->list()->count(); ++i)
            s.entries.push_back(FromQ(d->list()->item(i)->text()));
          s.allSelected = d->list()->selectedItems().size() == d->list()->count();
          shown.push_back(s);
          d->accept();
        },
        &resourcesShown));
  }
  std::vector<std::string> ResourceList() {
    std::vector<std::string> list;
    doc.GetResourceFiles(list);
    return list;
  }
  static std::string Lf(std::string crlf) {
    std::string out;
    for (char c : crlf)
      if (c != '\r') out += c;
    return out;
  }

  TempDir t;
  TestPlatform platform;
  KesApp app{platform};
  Doc doc{app};
  std::vector<Shown> shown;
  int resourcesShown = 0;
  // Last, so that the watches end before what they record goes.
  std::vector<ShownWatch> watches;
};

TEST_F(PublishTest, ClipboardHoldsExactlyTheSegmentAndResourcesListEveryFileSelected) {
  platform.clipboardText = "previous contents";
  PublishDialog dialog(app, doc);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Publish");
  RecordNextResources();
  QTest::mouseClick(dialog.clipboardButton(), Qt::LeftButton);
  const std::string segment = doc.BuildHtml(PageMode::Segment);
  EXPECT_EQ(platform.clipboardText, segment);
  EXPECT_EQ(segment.find("<HTML>"), std::string::npos);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].html, Lf(segment));
  EXPECT_EQ(shown[0].entries, ResourceList());
  EXPECT_EQ(shown[0].entries.size(), 4u);
  EXPECT_TRUE(shown[0].allSelected);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PublishTest, ClipboardThatCannotBeTakenIsReportedWithoutResources) {
  platform.clipboardWorks = false;
  PublishDialog dialog(app, doc);
  dialog.show();
  RecordNextResources();
  dialog.OnClipboard();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Failed to open Clipboard!");
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
  QTest::qWait(50);
  EXPECT_EQ(resourcesShown, 0);
}

TEST_F(PublishTest, GenerateFileRemembersItsPathAcrossSaveAndOpenWithoutModifying) {
  const std::string page = t / "site/index.html";
  fs::create_directories(t / "site");
  {
    PublishDialog dialog(app, doc);
    platform.fileAnswers.push_back(page);
    RecordNextResources();
    EXPECT_TRUE(dialog.OnGenerateFile());
  }
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  const TestPlatform::FileDialogCall& first = platform.fileDialogs[0];
  EXPECT_FALSE(first.open);
  // The first time: the project's identifier, beside the project (here: unsaved).
  EXPECT_EQ(first.proposed, doc.project()->identifier + ".html");
  EXPECT_EQ(first.defaultExt, "html");
  EXPECT_EQ(first.filter, "HTML Files (*.html, *.htm)|*.htm;*.html|All Files (*.*)|*.*||");
  EXPECT_TRUE(first.flags & FdOverwritePrompt);
  EXPECT_TRUE(first.flags & FdHideReadOnly);
  // The whole page, written byte for byte, and shown in the Resources dialog.
  const std::string html = doc.BuildHtml(PageMode::Page);
  EXPECT_EQ(ReadBytes(page), html);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].html, Lf(html));
  EXPECT_EQ(shown[0].entries, ResourceList());
  EXPECT_EQ(doc.htmlPath, page);
  EXPECT_FALSE(doc.IsModified());

  // A second time proposes the first path.
  {
    PublishDialog dialog(app, doc);
    platform.fileAnswers.push_back("");  // Cancel: nothing written, no Resources
    EXPECT_FALSE(dialog.OnGenerateFile());
  }
  EXPECT_EQ(platform.fileDialogs.back().proposed, page);
  EXPECT_EQ(shown.size(), 1u);

  // Also after saving and opening the project again.
  const std::string project = t / "project.but";
  ASSERT_TRUE(doc.DoSave(project));
  Doc reopened(app);
  ASSERT_TRUE(reopened.OnOpenDocument(project));
  EXPECT_EQ(reopened.htmlPath, page);
  PublishDialog dialog(app, reopened);
  platform.fileAnswers.push_back("");
  dialog.OnGenerateFile();
  EXPECT_EQ(platform.fileDialogs.back().proposed, page);
  EXPECT_FALSE(reopened.IsModified());
}

TEST_F(PublishTest, RefusedPageStopsGenerateFileButNotTheClipboard) {
  RefusingView refusing(app);
  doc.AddView(&refusing);
  PublishDialog dialog(app, doc);
  platform.fileAnswers.push_back(t / "page.html");
  EXPECT_FALSE(dialog.OnGenerateFile());
  EXPECT_TRUE(platform.fileDialogs.empty());
  EXPECT_FALSE(fs::exists(t / "page.html"));
  EXPECT_EQ(doc.htmlPath, "");
  // The clipboard copy goes on with the values last stored.
  RecordNextResources();
  dialog.OnClipboard();
  EXPECT_EQ(platform.clipboardText, doc.BuildHtml(PageMode::Segment));
  EXPECT_EQ(resourcesShown, 1);
  doc.RemoveView(&refusing);
}

TEST_F(PublishTest, RuntimeBoxFollowsAndKeepsTheSetting) {
  app.settings().html5Runtime = 1;
  PublishDialog dialog(app, doc);
  EXPECT_TRUE(dialog.runtimeBox()->isChecked());
  EXPECT_EQ(dialog.runtimeBox()->text(),
            "Add the JavaScript runtime so that the buttons work in browsers without Java");
  dialog.runtimeBox()->click();
  EXPECT_EQ(app.settings().html5Runtime, 0);
  dialog.runtimeBox()->click();
  EXPECT_EQ(app.settings().html5Runtime, 1);
}

// The one form: a typed folder that is not there is made once the user
// agrees; the page's name follows the project, gets ".html" and is kept for
// the next time (one page, also after a save); the box that opens the page is
// remembered; the list of what is written leaves out the applet's stand-ins.
TEST_F(PublishTest, TheFormMakesATypedFolderNamesThePageAndOpensIt) {
  app.settings().html5Runtime = 1;
  const auto rows = [](PublishDialog& d) {
    std::vector<std::string> texts;
    for (int i = 0; i < d.writes()->count(); ++i)
      texts.push_back(FromQ(d.writes()->item(i)->text()));
    return texts;
  };
  {  // before the first save, with files the program holds that are no stand-ins
    PublishDialog unsaved(app, doc);
    EXPECT_EQ(rows(unsaved),
              (std::vector<std::string>{"VelkoButton.html (the page)", "VelkoButton.class",
                                        "VelkoButton.jar", "VelkoButton.cab", "VelkoJfc2.class"}));
  }
  for (const char* f : kAppletFiles)
    WriteBytes(platform.programDir + f, std::string("Stand-in for the applet file ") + f);
  doc.SetPathName(t / "bakery.but");
  PublishDialog dialog(app, doc);
  EXPECT_EQ(rows(dialog), std::vector<std::string>{"bakery.html (the page)"});
  EXPECT_TRUE(dialog.openBox()->isChecked());
  const std::string site = t / "new/site", page = site + "/menu.html";
  dialog.folderEdit()->setText(PathToQ(site));
  dialog.nameEdit()->setText("menu");
  // The list says the folder is new; Publish makes it without a question.
  EXPECT_EQ(FromQ(dialog.writes()->item(0)->text()), "menu.html (the page, in a new folder)");
  QTest::mouseClick(dialog.publishButton(), Qt::LeftButton);
  EXPECT_EQ(::ReadBytes(page), doc.BuildHtml(PageMode::Page));
  EXPECT_EQ(FromQ(dialog.nameEdit()->text()), "menu.html");
  EXPECT_EQ(platform.shellOpens, std::vector<std::string>{page});
  EXPECT_TRUE(platform.messages.empty());  // the browser says it is published
  EXPECT_FALSE(dialog.isVisible());

  dialog.openBox()->click();
  EXPECT_EQ(platform.profile["Settings/OpenPublishedPage"], "0");
  ASSERT_TRUE(doc.DoSave(t / "bakery.but"));
  PublishDialog again(app, doc);
  EXPECT_FALSE(again.openBox()->isChecked());
  EXPECT_EQ(FromQ(again.folderEdit()->text()) + "/" + FromQ(again.nameEdit()->text()), page);
  QTest::mouseClick(again.publishButton(), Qt::LeftButton);
  EXPECT_EQ(platform.shellOpens.size(), 1u);
  EXPECT_EQ(std::distance(fs::directory_iterator(site), fs::directory_iterator()), 1);
}

TEST_F(PublishTest, DialogGivesBackTheDocumentsResourcesHook) {
  int calls = 0;
  doc.pageFiles().showResources = [&calls](const std::string&) { ++calls; };
  { PublishDialog dialog(app, doc); }
  ASSERT_TRUE(doc.pageFiles().showResources);
  doc.pageFiles().showResources("x");
  EXPECT_EQ(calls, 1);
}

// ---------------------------------------------------------------------------
// Resources and Copy Locally

class ResourcesTest : public PublishTest {
 protected:
  std::string Out(const std::string& name = "") const { return t / ("out/" + name); }
  std::vector<std::string> OutFiles() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(t / "out")) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(ResourcesTest, OnlySelectedEntriesAreCopiedAndTheFolderIsRemembered) {
  fs::create_directories(Out());
  ResourcesDialog dialog(doc, doc.BuildHtml(PageMode::Page));
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Resources");
  EXPECT_TRUE(dialog.htmlEdit()->isReadOnly());
  ASSERT_EQ(dialog.list()->count(), 4);
  dialog.list()->item(1)->setSelected(false);
  dialog.list()->item(2)->setSelected(false);
  platform.folderAnswers.push_back(Out());
  QTest::mouseClick(dialog.copyButton(), Qt::LeftButton);
  EXPECT_EQ(OutFiles(), (std::vector<std::string>{"VelkoButton.class", "VelkoJfc2.class"}));
  EXPECT_EQ(ReadBytes(Out("VelkoJfc2.class")), "VelkoJfc2.class bytes");
  ASSERT_EQ(platform.folderDialogs.size(), 1u);
  EXPECT_EQ(platform.folderDialogs[0].first, "Publish to:");
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages.back().text, msg::kPublishSuccess);
  EXPECT_TRUE(dialog.isEnabled());
  EXPECT_EQ(dialog.progress(), nullptr);
  EXPECT_EQ(doc.lastCopyDirectory, Out());

  // Select All, and the next copy starts in the folder chosen last.
  QTest::mouseClick(dialog.selectAllButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.list()->selectedItems().size(), 4);
  platform.folderAnswers.push_back("");
  dialog.OnCopyLocally();
  EXPECT_EQ(platform.folderDialogs.back().second, Out());
}

TEST_F(ResourcesTest, CancelInTheProgressWindowStopsBeforeTheNextFile) {
  fs::create_directories(Out());
  // A read-only file the user agrees to replace: its copy fails.
  WriteBytes(Out("VelkoButton.class"), "old");
  fs::permissions(Out("VelkoButton.class"), fs::perms::owner_read);
  ResourcesDialog dialog(doc, doc.BuildHtml(PageMode::Page));
  dialog.show();
  platform.folderAnswers.push_back(Out());
  platform.answers = {IdYes, IdIgnore};
  bool checked = false;
  platform.onMessage = [&](const TestPlatform::Message& m) {
    if (m.buttons != MsgButtons::AbortRetryIgnore) return;
    // The failure of the first file: the progress window is up and the
    // Resources dialog waits.
    CopyProgressDialog* progress = dialog.progress();
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->windowTitle(), "Copy");
    EXPECT_EQ(progress->bar()->maximum(), 4);
    EXPECT_EQ(progress->bar()->value(), 0);
    EXPECT_EQ(progress->label()->text(), "Copying file 'VelkoButton.class' ");
    EXPECT_FALSE(dialog.isEnabled());
    QTest::mouseClick(progress->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(progress->cancelled, 1);
    checked = true;
  };
  EXPECT_EQ(dialog.OnCopyLocally(), CopyOutcome::Failed);
  EXPECT_TRUE(checked);
  // The file in hand was finished (left as answered); none after it.
  EXPECT_EQ(OutFiles(), std::vector<std::string>{"VelkoButton.class"});
  EXPECT_EQ(ReadBytes(Out("VelkoButton.class")), "old");
  EXPECT_EQ(platform.messages.back().text, msg::kPublishFailed);
  EXPECT_TRUE(dialog.isEnabled());
  EXPECT_EQ(dialog.progress(), nullptr);
}

TEST_F(ResourcesTest, NothingSelectedCopiesNothingAndSucceeds) {
  fs::create_directories(Out());
  ResourcesDialog dialog(doc, "");
  dialog.list()->clearSelection();
  platform.folderAnswers.push_back(Out());
  int total = -1;
  QObject::connect(&dialog, &ResourcesDialog::copyStarted,
                   [&total](CopyProgressDialog* p) { total = p->bar()->maximum(); });
  EXPECT_EQ(dialog.OnCopyLocally(), CopyOutcome::Succeeded);
  EXPECT_EQ(total, 0);
  EXPECT_TRUE(OutFiles().empty());
  EXPECT_EQ(platform.messages.back().text, msg::kPublishSuccess);
}

}  // namespace

// Publish: the page and every file in one step, with the guards of
// the command line: a clash of names writes nothing.
TEST_F(PublishTest, PublishToFolderPutsThePageAndItsFilesInPlaceOrNothing) {
  const std::string site = t / "site";
  WriteBytes(t / "a/pic.gif", "GIF89a a");
  WriteBytes(t / "b/pic.gif", "GIF89a b");
  PropButton& first = *doc.buttons()[0];
  first.upState->image->file = t / "a/pic.gif";
  PublishDialog dialog(app, doc);
  dialog.folderEdit()->setText(PathToQ(site));
  dialog.openBox()->setChecked(false);
  EXPECT_EQ(dialog.OnPublishToFolder().kind, PublishOutcome::Kind::Published);
  // Without the browser, the message names the page, the folder and the files.
  EXPECT_EQ(platform.messages.back().text,
            "Published the page '" + doc.project()->identifier + ".html' in '" + site +
                "/' with the 5 files it needs beside it (5 copied now).");
  EXPECT_EQ(platform.messages.back().icon, MsgIcon::Information);
  EXPECT_EQ(::ReadBytes(site + "/" + doc.project()->identifier + ".html"),
            doc.BuildHtml(PageMode::Page));
  EXPECT_EQ(::ReadBytes(site + "/pic.gif"), "GIF89a a");
  for (const char* f : kAppletFiles) EXPECT_TRUE(fs::exists(site + "/" + f)) << f;
  EXPECT_EQ(doc.lastCopyDirectory, site);

  first.overState->image->file = t / "b/pic.gif";
  dialog.folderEdit()->setText(PathToQ(t / "other"));
  const PublishOutcome clash = dialog.OnPublishToFolder();
  EXPECT_EQ(clash.kind, PublishOutcome::Kind::Refused);
  EXPECT_EQ(platform.messages.back().text, clash.refusal);
  EXPECT_FALSE(fs::exists(t / "other"));

  // A missing file writes nothing; Retry once it is back publishes.
  first.overState->image->file = t / "a/gone.gif";
  dialog.folderEdit()->setText(PathToQ(t / "third"));
  platform.answers = {IdCancel};
  EXPECT_EQ(dialog.OnPublishToFolder().kind, PublishOutcome::Kind::Unavailable);
  EXPECT_EQ(platform.messages.back().text,
            "File '" + (t / "a/gone.gif") + "' is missing!\nNothing was written.");
  EXPECT_EQ(platform.messages.back().buttons, MsgButtons::RetryCancel);
  EXPECT_FALSE(fs::exists(t / "third"));
  platform.answers = {IdRetry};
  platform.onMessage = [&](const TestPlatform::Message& m) {
    if (m.buttons == MsgButtons::RetryCancel) WriteBytes(t / "a/gone.gif", "GIF89a");
  };
  EXPECT_EQ(dialog.OnPublishToFolder().kind, PublishOutcome::Kind::Published);
  EXPECT_TRUE(fs::exists(t / "third/gone.gif"));
}

// Publish asks, naming them, before it copies files from outside the
// project's folder or replaces files of the site's own; No leaves the folder
// as it was. Files that already hold the bytes need no question.
TEST_F(PublishTest, PublishToFolderReplacesTheSitesFilesOnlyWhenTheUserAgrees) {
  const std::string site = t / "site";
  const std::map<std::string, std::string> own = {
      {"index.html", "<p>the site</p>"}, {"pic.gif", "GIF89a theirs"}, {"app.js", "site();"}};
  for (const auto& [name, bytes] : own) WriteBytes(site + "/" + name, bytes);
  WriteBytes(t / "proj/pic.gif", "GIF89a ours");
  WriteBytes(t / "far/far.gif", "GIF89a far");
  doc.SetPathName(t / "proj/index.but");  // the page is index.html
  PropButton& first = *doc.buttons()[0];
  first.upState->image->file = t / "proj/pic.gif";
  const auto folder = [&] {
    std::map<std::string, std::string> held;
    for (const auto& e : fs::directory_iterator(site))
      held[e.path().filename()] = ::ReadBytes(e.path());
    return held;
  };
  const std::string replace =
      "These files in the folder hold something other than what would "
      "be written in their place:\n" +
      site + "/index.html\n" + site + "/pic.gif\nReplace them? No writes nothing.";
  const std::string outside = "These files lie outside the project's folder:\n" +
                              (t / "far/far.gif") + "\nCopy them? No copies nothing.";
  const struct {
    std::string over;  // the Over image
    int answer;
    std::string question;  // "": none
    PublishOutcome::Kind kind;
  } cases[] = {
      {"", IdNo, replace, PublishOutcome::Kind::Declined},
      {t / "far/far.gif", IdNo, outside, PublishOutcome::Kind::Declined},
      {"", IdYes, replace, PublishOutcome::Kind::Published},
      {"", IdYes, "", PublishOutcome::Kind::Published},
  };
  PublishDialog dialog(app, doc);
  for (const auto& c : cases) {
    first.overState->image->file = c.over;
    platform.messages.clear();
    platform.answers = {c.answer};
    dialog.folderEdit()->setText(PathToQ(site));
    EXPECT_EQ(dialog.OnPublishToFolder().kind, c.kind) << c.question;
    std::vector<std::string> questions;
    for (const auto& m : platform.messages)
      if (m.buttons == MsgButtons::YesNo) questions.push_back(m.text);
    EXPECT_EQ(questions, c.question.empty() ? std::vector<std::string>{}
                                            : std::vector<std::string>{c.question});
    if (c.kind == PublishOutcome::Kind::Declined) {
      EXPECT_EQ(folder(), own);
      continue;
    }
    EXPECT_EQ(::ReadBytes(site + "/index.html"), doc.BuildHtml(PageMode::Page));
    EXPECT_EQ(::ReadBytes(site + "/pic.gif"), "GIF89a ours");
    EXPECT_EQ(::ReadBytes(site + "/app.js"), "site();");
  }
}
