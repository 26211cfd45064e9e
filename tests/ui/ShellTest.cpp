// The application shell: settings, placement, the New/Open dialog, the help
// system, the browser start and the preview commands.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <thread>

#include "MainWindowParts.h"
#include "QuietApp.h"
#include "core/Doc.h"
#include "core/Messages.h"
#include "core/StringTable.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/project/PropProject.h"
#include "support/TestPlatform.h"
#include "ui/App.h"
#include "ui/CommandIds.h"
#include "ui/Commands.h"
#include "ui/DesktopEntry.h"
#include "ui/FrameMain.h"
#include "ui/KesWndInfo.h"
#include "ui/KesWndProperties.h"
#include "ui/NewOpenDialog.h"
#include "ui/QtPlatform.h"
#include "ui/SingleInstance.h"
#include "ui/ToolbarManager.h"
#include "ui/ViewOutline.h"

namespace {

void WriteText(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// An application whose Info/Preview browser is a recorder.
class HelpApp : public App {
 public:
  HelpApp(Platform& p, bool browser) : App(p, Quiet()), browser_(browser) {}
  bool BrowserAvailable() const override { return browser_; }
  void NavigateInfo(const std::string& address, bool withRuntime) override {
    navigated.push_back(address);
    withRuntimes.push_back(withRuntime);
  }
  void ShowInfoWindow() override { ++infoShown; }
  std::vector<std::string> navigated;
  std::vector<bool> withRuntimes;
  int infoShown = 0;

 private:
  bool browser_;
};

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    platform.programDir = dir.path().toStdString() + "/";
    for (const char* topic :
         {"index", "contents", "buttonnew", "buttonname", "generatepreview", "project", "button"})
      WriteText(dir.path() + "/Help/" + topic + ".html", "<html></html>");
  }
  std::string Page(const std::string& topic) {
    return platform.programDir + "Help/" + topic + ".html";
  }
  QTemporaryDir dir;
  TestPlatform platform;
};

}  // namespace

// ---------------------------------------------------------------------------
// Settings

TEST(ShellSettings, FirstRunTakesTheDefaults) {
  QTemporaryDir dir;
  QtPlatform platform(dir.filePath("VelkoButton.conf"));
  App app(platform, Quiet());
  ASSERT_TRUE(app.InitInstance({}));
  const AppSettings& s = app.settings();
  EXPECT_EQ(s.browserPath, "");
  EXPECT_EQ(s.browserLocal, 0);
  EXPECT_EQ(s.browserClassPath, 0);
  EXPECT_EQ(s.nonJavaMessage, "Your browser is not Java capable or Java has been disabled.");
  EXPECT_EQ(s.days[0], "Sunday");
  EXPECT_EQ(s.months[11], "December");
  EXPECT_EQ(s.meridiem[1], "PM");
  EXPECT_TRUE(app.recentFiles().isEmpty());
  EXPECT_EQ(app.helpLock, 0);
  // The frame at its first size, titled after the blank project.
  FrameMain* frame = app.frame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->size(),
            FirstWindowSize(QGuiApplication::primaryScreen()->availableGeometry().size()));
  EXPECT_EQ(frame->windowTitle(), "Untitled[*] - VelkoButton");
  EXPECT_EQ(frame->statusPrompt(), "For Help, press F1");
  // Without a browser the Info/Preview window is hidden and its commands disabled.
  EXPECT_FALSE(frame->infoDock()->isVisible());
  EXPECT_FALSE(frame->action(kCmdViewInfo)->isEnabled());
  EXPECT_FALSE(frame->action(kCmdHelpBack)->isEnabled());
  EXPECT_FALSE(frame->action(kCmdHelpLock)->isEnabled());
  EXPECT_TRUE(frame->action(kCmdViewProperties)->isChecked());
  // Every command has its help entry, and every group of the project its page.
  for (QAction* a : frame->actions()) {
    const int id = a->data().toInt();
    if (id > 0) {
      EXPECT_FALSE(LoadString(id).empty()) << id;
    }
  }
  const PropButton& b = *app.doc().buttons().front();
  for (const KesProp* g :
       {static_cast<const KesProp*>(app.doc().project()), static_cast<const KesProp*>(&b),
        static_cast<const KesProp*>(b.overState.get()),
        static_cast<const KesProp*>(b.overState->text.get()),
        static_cast<const KesProp*>(b.overState->border.get()),
        static_cast<const KesProp*>(b.overState->audio.get()),
        static_cast<const KesProp*>(b.overState->image.get()),
        static_cast<const KesProp*>(b.overState->advanced.get())})
    EXPECT_TRUE(app.pages().Has(g->GetViewClass())) << g->name;
}

// The command table is the one list of commands: each has one row and keys
// of its own, stands in a menu or on a bar (or is an accelerator), and the
// window's menus, bars and states are the table's, wherever the tree stands.
TEST(ShellCommands, MenusBarsAndStatesAreTheTables) {
  QTemporaryDir dir;
  QtPlatform platform(dir.filePath("VelkoButton.conf"));
  App app(platform, Quiet());
  ASSERT_TRUE(app.InitInstance({}));
  FrameMain* frame = app.frame();
  std::set<int> rows;
  std::set<QString> keys;
  for (const CommandRow& entry : CommandRows()) {
    EXPECT_TRUE(rows.insert(entry.id).second) << entry.id;
    for (const QKeySequence& key : entry.keys) EXPECT_TRUE(keys.insert(key.toString()).second);
    EXPECT_NE(frame->hooks(entry.id), nullptr) << entry.id;
  }
  EXPECT_EQ(FindCommand(kCmdFileSaveAs)->keys,
            QList{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
  EXPECT_EQ(FindCommand(kCmdExit)->keys, QList{QKeySequence(Qt::CTRL | Qt::Key_Q)});
  app.doc().AddNewButton(1);
  for (const QModelIndex& item : {frame->outline()->model()->index(0, 0), TreeItem(frame, 0)}) {
    SelectItem(frame, item);
    std::set<int> placed;
    for (QAction* title : frame->menuBar()->actions()) {
      // A submenu's entries are rows of the same menu; the recent files are not rows.
      QList<QAction*> entries = title->menu()->actions();
      for (QAction* a : title->menu()->actions())
        if (a->menu() && a->data().toInt() != kCmdFileRecentFirst) entries += a->menu()->actions();
      for (QAction* a : entries) {
        if (a->isSeparator()) continue;
        const int id = a->data().toInt();
        const CommandRow* entry = FindCommand(id);
        ASSERT_NE(entry, nullptr) << a->text().toStdString();
        EXPECT_EQ(CommandMenuTitle(entry->menu), title->text()) << id;
        placed.insert(id);
        if (a->menu()) continue;
        const CommandHooks& hooks = *frame->hooks(id);
        EXPECT_EQ(a->text(), hooks.text ? hooks.text() : CommandText(*entry)) << id;
        EXPECT_EQ(a->shortcuts(), entry->keys) << id;
        EXPECT_EQ(a->isEnabled(), !hooks.enabled || hooks.enabled()) << id;
        EXPECT_EQ(a->isCheckable(), bool(hooks.checked)) << id;
        EXPECT_EQ(a->isChecked(), hooks.checked && hooks.checked()) << id;
      }
    }
    for (QToolBar* bar : frame->toolbars()->bars())
      for (QAction* a : bar->actions()) {
        EXPECT_EQ(a, frame->action(a->data().toInt()));
        placed.insert(a->data().toInt());
      }
    for (const CommandRow& entry : CommandRows())
      EXPECT_TRUE(placed.count(entry.id) ||
                  (entry.menu == CommandMenu::kNone && !entry.keys.empty()))
          << entry.id;
  }
}

TEST(ShellSettings, WrittenAtExitInOrderAndReadBack) {
  QTemporaryDir dir;
  const QString file = dir.filePath("VelkoButton.conf");
  {
    QtPlatform platform(file);
    App app(platform, Quiet());
    ASSERT_TRUE(app.InitInstance({}));
    app.settings().days[1] = "Montag";
    app.settings().meridiem[0] = "vorm.";
    app.settings().browserPath = "/opt/My Browser/browser";
    app.settings().browserLocal = 1;
    app.AddToRecentFiles("/home/u/a.but");
    app.ExitInstance();
  }
  {
    QSettings raw(file, QSettings::IniFormat);
    EXPECT_EQ(raw.value("Options/Day2").toString(), "Montag");
    EXPECT_EQ(raw.value("Options/BrowserClassPath").toInt(), 0);
    EXPECT_EQ(raw.value("Recent File List/File1").toString(), "/home/u/a.but");
  }
  QtPlatform platform(file);
  App app(platform, Quiet());
  ASSERT_TRUE(app.InitInstance({}));
  EXPECT_EQ(app.settings().days[1], "Montag");
  EXPECT_EQ(app.settings().days[2], "Tuesday");
  EXPECT_EQ(app.settings().meridiem[0], "vorm.");
  EXPECT_EQ(app.settings().browserPath, "/opt/My Browser/browser");
  EXPECT_EQ(app.settings().browserLocal, 1);
  EXPECT_EQ(app.recentFiles(), QStringList{"/home/u/a.but"});
}

TEST(ShellSettings, ExitWritesOptionsThenRecentFilesAndEmptiesThePreviewFolder) {
  QTemporaryDir dir;
  TestPlatform platform;
  platform.previewDir = dir.path().toStdString() + "/Preview/";
  WriteText(dir.path() + "/Preview/~VelkoButton.html", "x");
  WriteText(dir.path() + "/Preview/image.gif", "x");
  QDir().mkpath(dir.path() + "/Preview/sub");
  App app(platform, Quiet());
  ASSERT_TRUE(app.InitInstance({}));
  platform.writes.clear();
  app.ExitInstance();
  std::vector<std::string> options(platform.writes.begin(), platform.writes.begin() + 25);
  EXPECT_EQ(options.front(), "Options/NonJavaMessage");
  EXPECT_EQ(options[1], "Options/Day1");
  EXPECT_EQ(options[8], "Options/Month1");
  EXPECT_EQ(options[20], "Options/Meridiem1");
  EXPECT_EQ(options[22], "Options/Browser");
  EXPECT_EQ(options[23], "Options/BrowserLocal");
  EXPECT_EQ(options[24], "Options/BrowserClassPath");
  ASSERT_EQ(platform.writes.size(), 33u);
  EXPECT_EQ(platform.writes[25], "Settings/Html5Runtime");
  EXPECT_EQ(platform.writes[26], "Settings/PageLanguage");
  EXPECT_EQ(platform.writes[27], "Recent File List/File1");
  EXPECT_EQ(platform.writes[32], "Recent File List/File6");
  // The files go, the folder and its sub-folder stay.
  EXPECT_TRUE(QDir(dir.path() + "/Preview").exists());
  EXPECT_FALSE(QFile::exists(dir.path() + "/Preview/~VelkoButton.html"));
  EXPECT_FALSE(QFile::exists(dir.path() + "/Preview/image.gif"));
  EXPECT_TRUE(QDir(dir.path() + "/Preview/sub").exists());
  // Only once.
  platform.writes.clear();
  app.ExitInstance();
  EXPECT_TRUE(platform.writes.empty());
}

TEST(ShellSettings, RecentFilesKeepSixNewestFirstWithoutDuplicates) {
  TestPlatform platform;
  platform.profile["Recent File List/File1"] = "/p/old.but";
  platform.profile["Recent File List/File3"] = "/p/gap.but";
  App app(platform, Quiet());
  ASSERT_TRUE(app.InitInstance({}));
  EXPECT_EQ(app.recentFiles(), (QStringList{"/p/old.but", "/p/gap.but"}));
  for (int i = 1; i <= 6; ++i) app.AddToRecentFiles(QStringLiteral("/p/%1.but").arg(i));
  app.AddToRecentFiles("/p/3.but");
  EXPECT_EQ(app.recentFiles(),
            (QStringList{"/p/3.but", "/p/6.but", "/p/5.but", "/p/4.but", "/p/2.but", "/p/1.but"}));
}

// ---------------------------------------------------------------------------
// Placement

TEST(ShellPlacement, ParsesExactlyTenNumbers) {
  WindowPlacement p;
  EXPECT_TRUE(WindowPlacement::Parse("2,3,-1,-1,-1,-1,100,80,700,580", p));
  EXPECT_EQ(p.flags, 2u);
  EXPECT_EQ(p.showCmd, 3u);
  EXPECT_EQ(p.normal, QRect(100, 80, 600, 500));
  EXPECT_EQ(p.Format(), "2,3,-1,-1,-1,-1,100,80,700,580");
  EXPECT_FALSE(WindowPlacement::Parse("0,1,-1,-1,-1,-1,100,80,700", p));
  EXPECT_FALSE(WindowPlacement::Parse("0,1,-1,-1,-1,-1,100,80,700,580,3", p));
  EXPECT_FALSE(WindowPlacement::Parse("0,1,-1,-1,-1,-1,100,80,700,", p));
  EXPECT_FALSE(WindowPlacement::Parse("0,1,-1,-1,-1,-1,100,80,700,5x0", p));
  EXPECT_FALSE(WindowPlacement::Parse("", p));
  EXPECT_FALSE(WindowPlacement::Parse("0,1,-1,-1,-1,-1,100,80,99999999999999999999,580", p));
}

TEST(ShellPlacement, NineNumbersAreIgnored) {
  TestPlatform platform;
  platform.profile["Settings/WindowPos"] = "0,1,-1,-1,-1,-1,10,20,900,700";
  platform.profile["Settings/WindowPos"] = "0,1,-1,-1,-1,-1,10,20,900";
  App app(platform, Quiet());
  ASSERT_TRUE(app.InitInstance({}));
  EXPECT_FALSE(app.frame()->isMaximized());
  EXPECT_EQ(app.frame()->size(),
            FirstWindowSize(QGuiApplication::primaryScreen()->availableGeometry().size()));
}

// The first window takes about 80% of the screen, at least 1200 x 800 where
// the screen allows, never more than the screen.
TEST(ShellPlacement, TheFirstWindowTakesMostOfTheScreen) {
  const std::pair<QSize, QSize> cases[] = {{{1600, 1000}, {1280, 800}},
                                           {{1920, 1080}, {1536, 864}},
                                           {{3840, 2160}, {3072, 1728}},
                                           {{1366, 768}, {1200, 768}},
                                           {{800, 600}, {800, 600}}};
  for (const auto& [screen, want] : cases)
    EXPECT_EQ(FirstWindowSize(screen), want) << screen.width();
}

TEST(ShellPlacement, MaximisedIsRestoredWithItsNormalRectangle) {
  TestPlatform platform;
  platform.profile["Settings/WindowPos"] = "2,3,-1,-1,-1,-1,100,80,700,580";
  App app(platform, Quiet());
  ASSERT_TRUE(app.InitInstance({}));
  FrameMain* frame = app.frame();
  EXPECT_TRUE(frame->isMaximized());
  EXPECT_EQ(frame->normalGeometry(), QRect(100, 80, 600, 500));
  // Saved again as it was.
  frame->SaveLayout();
  EXPECT_EQ(platform.profile["Settings/WindowPos"], "2,3,-1,-1,-1,-1,100,80,700,580");
  EXPECT_FALSE(platform.profile["Toolbars/State"].empty());
}

TEST(ShellPlacement, RequestedMinimisedWinsOverSavedMaximised) {
  TestPlatform platform;
  App app(platform, Quiet());
  ASSERT_TRUE(app.InitInstance({}, ShowState::Minimized));
  EXPECT_EQ(app.frame()->RestorePlacement("2,3,-1,-1,-1,-1,100,80,700,580", ShowState::Minimized),
            ShowState::Minimized);
  EXPECT_EQ(app.frame()->RestorePlacement("0,1,-1,-1,-1,-1,100,80,700,580", ShowState::Normal),
            ShowState::Normal);
}

TEST(ShellPlacement, BarLayoutSurvivesARestart) {
  TestPlatform platform;
  {
    App app(platform, Quiet());
    ASSERT_TRUE(app.InitInstance({}));
    app.frame()->SetLargeButtons(true);
    app.frame()->buttonsBar()->hide();
    app.frame()->propertiesDock()->hide();
    app.frame()->SaveLayout();
  }
  App app(platform, Quiet());
  ASSERT_TRUE(app.InitInstance({}));
  EXPECT_TRUE(app.frame()->largeButtons());
  EXPECT_EQ(app.frame()->projectBar()->iconSize(), QSize(40, 32));
  EXPECT_FALSE(app.frame()->buttonsBar()->isVisible());
  EXPECT_TRUE(app.frame()->projectBar()->isVisible());
  EXPECT_FALSE(app.frame()->propertiesDock()->isVisible());
  EXPECT_FALSE(app.frame()->action(kCmdViewProperties)->isChecked());
}

// ---------------------------------------------------------------------------
// New/Open Project dialog

TEST(ShellNewOpen, ListStartsDisabledWithMoreFilesSelected) {
  TestPlatform platform;
  KesApp app(platform);
  NewOpenDialog dialog(app, {"/p/one.but", "/p/two.but"}, QString());
  EXPECT_EQ(dialog.windowTitle(), "New/Open Project");
  QListWidget* list = dialog.list();
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text(), "More Files...");
  EXPECT_EQ(list->item(2)->text(), "/p/two.but");
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_TRUE(dialog.blankButton()->isChecked());
  EXPECT_FALSE(list->isEnabled());
  EXPECT_FALSE(dialog.openExisting());
  dialog.existingButton()->setChecked(true);
  EXPECT_TRUE(list->isEnabled());
  EXPECT_TRUE(dialog.isMoreFiles());
  list->setCurrentRow(2);
  EXPECT_FALSE(dialog.isMoreFiles());
  EXPECT_EQ(dialog.selectedPath(), "/p/two.but");
  dialog.blankButton()->setChecked(true);
  EXPECT_FALSE(list->isEnabled());
  // Without templates their choice is off.
  EXPECT_EQ(dialog.templates()->count(), 0);
  EXPECT_FALSE(dialog.templateButton()->isEnabled());
}

// The six templates with their pictures; one chosen opens as a new, unsaved
// project whose files are still found.
TEST(ShellNewOpen, ATemplateOpensAsANewProject) {
  TestPlatform platform;
  platform.programDir = VB_SOURCE_DIR "/";
  App app(platform, Quiet());
  ASSERT_TRUE(app.InitInstance({}));
  const QString dir = QStringLiteral(VB_SOURCE_DIR "/templates/");
  NewOpenDialog dialog(app, {}, dir);
  ASSERT_EQ(dialog.templates()->count(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(dialog.templates()->item(i)->icon().isNull()) << i;
  // At its own size the chooser shows all six, whole, without scrolling.
  QListWidget* templates = dialog.templates();
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_EQ(templates->verticalScrollBar()->maximum(), 0);
  for (int i = 0; i < 6; ++i)
    EXPECT_TRUE(
        templates->viewport()->rect().contains(templates->visualItemRect(templates->item(i))))
        << i;
  dialog.grab().save(QDir::tempPath() + "/velkobutton-new-project.png");
  // A click on a picture chooses its template; choosing another way unmarks it.
  const auto centre = [templates](int row) {
    return templates->visualItemRect(templates->item(row)).center();
  };
  EXPECT_TRUE(dialog.selectedTemplate().isEmpty());
  QTest::mouseClick(templates->viewport(), Qt::LeftButton, {}, centre(3));
  EXPECT_TRUE(dialog.templateButton()->isChecked());
  const QString toolbar = dialog.selectedTemplate();
  EXPECT_TRUE(toolbar.endsWith("toolbar/toolbar.but"));
  dialog.blankButton()->setChecked(true);
  EXPECT_TRUE(templates->selectedItems().isEmpty());
  EXPECT_TRUE(dialog.selectedTemplate().isEmpty());
  // A double-click (a click, then a second press) opens the template it is on.
  QTest::mouseClick(templates->viewport(), Qt::LeftButton, {}, centre(1));
  QTest::mouseDClick(templates->viewport(), Qt::LeftButton, {}, centre(1));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(dialog.selectedTemplate().endsWith("horizontal-bar/horizontal-bar.but"));
  ASSERT_TRUE(app.OpenTemplate(toolbar.toStdString()));
  Doc& doc = app.doc();
  EXPECT_TRUE(doc.pathName().empty());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.buttons()[0]->mode, PropButton::kCheckBox);
  EXPECT_EQ(doc.buttons()[0]->upState->image->file, (dir + "toolbar/bold.svg").toStdString());
  // Its first save brings the template's files along: the project is one of its own.
  QTemporaryDir saved;
  ASSERT_TRUE(doc.DoSave(saved.filePath("tools.but").toStdString()));
  EXPECT_EQ(doc.buttons()[0]->upState->image->file, "bold.svg");
  EXPECT_TRUE(QFileInfo::exists(saved.filePath("bold.svg")));
  app.ExitInstance();
}

// ---------------------------------------------------------------------------
// Help

TEST_F(HelpTest, PointingFollowsUnlessLocked) {
  HelpApp app(platform, true);
  std::string tip;
  app.ShowContextHelp(40128, &tip, true);
  EXPECT_EQ(tip, "New Button");
  EXPECT_EQ(app.lastPrompt(), "Create a new button");
  ASSERT_EQ(app.navigated.size(), 1u);
  EXPECT_EQ(app.navigated[0], Page("buttonnew"));
  EXPECT_EQ(app.currentHelpPage, "buttonnew");
  EXPECT_EQ(app.infoShown, 0);  // merely following does not bring the window up
  // The same page twice is not loaded again.
  app.ShowContextHelp(40128, nullptr, true);
  EXPECT_EQ(app.navigated.size(), 1u);
  // Locked: the prompt changes, the page does not.
  app.helpLock = 1;
  app.ShowContextHelp(2604, &tip, true);
  EXPECT_EQ(tip, "Button Name");
  EXPECT_EQ(app.lastPrompt(), "The name of the button");
  EXPECT_EQ(app.navigated.size(), 1u);
  // An explicit request brings the window up but still respects the lock.
  app.ShowContextHelp(2604, nullptr, false);
  EXPECT_EQ(app.infoShown, 1);
  EXPECT_EQ(app.navigated.size(), 1u);
  // Help Contents clears the lock first.
  app.OnHelpContents();
  EXPECT_EQ(app.helpLock, 0);
  ASSERT_EQ(app.navigated.size(), 2u);
  EXPECT_EQ(app.navigated[1], Page("contents"));
}

TEST_F(HelpTest, FaqSetsTheLockAndChangesNothingWhenLocked) {
  HelpApp app(platform, true);
  app.helpLock = 1;
  app.OnHelpFaq();
  EXPECT_TRUE(app.navigated.empty());
  EXPECT_EQ(app.helpLock, 1);
  app.helpLock = 0;
  app.currentHelpPage = "index";
  app.OnHelpFaq();
  // A page on the web opens in the user's browser, never in the sealed window.
  EXPECT_TRUE(app.navigated.empty());
  ASSERT_EQ(platform.shellOpens.size(), 1u);
  EXPECT_EQ(platform.shellOpens[0], HelpSystem::kFaqAddress);
  EXPECT_EQ(app.helpLock, 1);
  EXPECT_EQ(app.currentHelpPage, "");  // by address: nothing remembered
}

TEST_F(HelpTest, TopicsWithoutPagesAndEntriesWithoutTopicsShowNothing) {
  HelpApp app(platform, true);
  app.ShowContextHelp(40129, nullptr, false);  // "buttondelete" has no page here
  EXPECT_EQ(app.lastPrompt(), "Delete the selected button");
  EXPECT_TRUE(app.navigated.empty());
  app.ShowContextHelp(57345, nullptr, false);  // a prompt only
  EXPECT_EQ(app.lastPrompt(), "For Help, press F1");
  app.ShowContextHelp(0, nullptr, false);  // no entry at all: the prompt stays
  app.ShowContextHelp(424242, nullptr, false);
  EXPECT_EQ(app.lastPrompt(), "For Help, press F1");
  EXPECT_TRUE(app.navigated.empty());
  EXPECT_TRUE(platform.messages.empty());
  // An anchor joins the address.
  app.ShowHelpPage("buttonname", "rules", false, false);
  ASSERT_EQ(app.navigated.size(), 1u);
  EXPECT_EQ(app.navigated[0], Page("buttonname") + "#rules");
}

TEST_F(HelpTest, WithoutABrowserOnlyExplicitRequestsOpenTheExternalBrowser) {
  HelpApp app(platform, false);
  app.ShowContextHelp(40128, nullptr, true);
  EXPECT_TRUE(platform.shellOpens.empty());
  app.ShowContextHelp(40128, nullptr, false);
  ASSERT_EQ(platform.shellOpens.size(), 1u);
  EXPECT_EQ(platform.shellOpens[0], Page("buttonnew"));
  EXPECT_EQ(app.currentHelpPage, "");
  EXPECT_EQ(app.infoShown, 0);
  // Start-up help needs the browser.
  app.StartupHelp();
  EXPECT_EQ(platform.shellOpens.size(), 1u);
  EXPECT_TRUE(app.navigated.empty());
}

TEST_F(HelpTest, StopPreviewClearsTheLockAndShowsTheIndex) {
  HelpApp app(platform, true);
  app.helpLock = 1;
  app.OnStopPreview();
  EXPECT_EQ(app.helpLock, 0);
  ASSERT_EQ(app.navigated.size(), 1u);
  EXPECT_EQ(app.navigated[0], Page("index"));
}

TEST_F(HelpTest, F1ShowsThePageOfTheSelectedItemOrTheLastPage) {
  HelpApp app(platform, true);
  ASSERT_TRUE(app.InitInstance({}));
  app.navigated.clear();
  FrameMain* frame = app.frame();
  frame->outline()->SelectGroup(app.doc().project());
  QApplication::setActiveWindow(frame);
  frame->outline()->setFocus();
  QApplication::processEvents();
  if (QApplication::focusWidget() != frame->outline()) GTEST_SKIP() << "no keyboard focus here";
  frame->action(kCmdHelp)->trigger();
  ASSERT_FALSE(app.navigated.empty());
  EXPECT_EQ(app.navigated.back(), Page("project"));
  // Outside the tree the page recorded by the last F1 on a page counts.
  app.pageHelpId = 2600;
  frame->infoDock()->setFocus();
  frame->properties()->setFocus();
  frame->action(kCmdHelp)->trigger();
  EXPECT_EQ(app.navigated.back(), Page("button"));
}

// ---------------------------------------------------------------------------
// External browser and preview

TEST(ShellBrowser, ArgumentFormsOfTheConfiguredBrowser) {
  TestPlatform platform;
  KesApp app(platform);
  const std::string page = "/home/u/Pre view/~VelkoButton.html";
  app.LaunchBrowser(page);
  ASSERT_EQ(platform.shellOpens.size(), 1u);
  EXPECT_EQ(platform.shellOpens[0], page);
  EXPECT_EQ(platform.unsetVariables, std::vector<std::string>{"CLASSPATH"});

  // The setting is a command line, split as a shell splits it.
  app.settings().browserPath = "'/opt/My Browser/browser'";
  app.LaunchBrowser(page);
  ASSERT_EQ(platform.processes.size(), 1u);
  EXPECT_EQ(platform.processes[0].first, "/opt/My Browser/browser");
  EXPECT_EQ(platform.processes[0].second,
            std::vector<std::string>{"file:/home/u/Pre view/~VelkoButton.html"});
  // A web address gets the prefix as well while the page goes as an address.
  app.LaunchBrowser("https://www.velko.example/");
  EXPECT_EQ(platform.processes[1].second,
            std::vector<std::string>{"file:/https://www.velko.example/"});

  app.settings().browserLocal = 1;
  app.settings().browserClassPath = 1;
  app.LaunchBrowser(page);
  EXPECT_EQ(platform.processes[2].second, std::vector<std::string>{page});
  EXPECT_EQ(platform.unsetVariables.size(), 3u);  // left alone the last time
  EXPECT_TRUE(platform.messages.empty());
  const struct {
    std::string setting;
    std::vector<std::string> command;
  } lines[] = {
      {"/usr/bin/chromium --no-sandbox", {"/usr/bin/chromium", "--no-sandbox", page}},
      {"firefox --new-window %u --private", {"firefox", "--new-window", page, "--private"}},
      {"\"/opt/a b/c\" -x\\ y 'q\"r'", {"/opt/a b/c", "-x y", "q\"r", page}},
      {"browser --open=%u", {"browser", "--open=" + page}},
  };
  for (const auto& l : lines) {
    platform.processes.clear();
    app.settings().browserPath = l.setting;
    app.LaunchBrowser(page);
    ASSERT_EQ(platform.processes.size(), 1u);
    std::vector<std::string> got{platform.processes[0].first};
    got.insert(got.end(), platform.processes[0].second.begin(), platform.processes[0].second.end());
    EXPECT_EQ(got, l.command) << l.setting;
  }

  platform.processesWork = false;
  app.LaunchBrowser(page);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::kBrowserFailed);
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Stop);
  EXPECT_EQ(platform.messages[0].buttons, MsgButtons::Ok);
}

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const char* const kProgramFiles[] = {"VelkoButton.class", "VelkoButton.jar", "VelkoButton.cab",
                                     "VelkoJfc2.class", "velkobutton.js"};

TEST(ShellPreview, WithoutABrowserThePageGoesToTheExternalBrowser) {
  QTemporaryDir dir;
  TestPlatform platform;
  platform.programDir = dir.path().toStdString() + "/";
  platform.previewDir = dir.path().toStdString() + "/Preview/";
  for (const char* f : kProgramFiles) WriteText(dir.path() + "/" + f, "applet");
  HelpApp app(platform, false);
  app.doc().OnNewDocument();
  app.doc().buttons().at(0)->drag = 1;  // a project with something to run
  app.OnPreview();
  const std::string page = platform.previewDir + "~VelkoButton.html";
  ASSERT_EQ(platform.shellOpens.size(), 1u)
      << (platform.messages.empty() ? "" : platform.messages[0].text);
  EXPECT_EQ(platform.shellOpens[0], page);
  EXPECT_TRUE(QFile::exists(QString::fromStdString(page)));
  EXPECT_TRUE(QFile::exists(dir.path() + "/Preview/VelkoButton.jar"));
  // An outside browser gets the runtime beside the page.
  EXPECT_TRUE(QFile::exists(dir.path() + "/Preview/velkobutton.js"));
  EXPECT_TRUE(ReadBytes(QString::fromStdString(page))
                  .contains("</APPLET>\r\n<SCRIPT SRC=\"velkobutton.js\"></SCRIPT>\r\n</CENTER>"));
  EXPECT_EQ(app.helpLock, 0);
}

TEST(ShellPreview, ExternalPreviewCarriesTheRuntimeInternalInjectsIt) {
  QTemporaryDir dir;
  TestPlatform platform;
  platform.programDir = dir.path().toStdString() + "/";
  platform.previewDir = dir.path().toStdString() + "/Preview/";
  for (const char* f : kProgramFiles) WriteText(dir.path() + "/" + f, "applet");
  WriteText(dir.path() + "/Help/index.html", "<html></html>");
  HelpApp app(platform, true);
  app.settings().html5Runtime = 0;
  app.doc().OnNewDocument();
  app.doc().buttons().at(0)->drag = 1;  // a project with something to run
  const QString page = dir.path() + "/Preview/~VelkoButton.html";

  app.OnPreviewExternal();
  ASSERT_EQ(platform.shellOpens.size(), 1u);
  const QByteArray external = ReadBytes(page);
  EXPECT_EQ(external.count("<SCRIPT SRC=\"velkobutton.js\"></SCRIPT>\r\n"), 1);
  EXPECT_EQ(ReadBytes(dir.path() + "/Preview/velkobutton.js"), "applet");
  // The override lasts for that preview only.
  EXPECT_EQ(app.doc().writer().runtimeChoice, kRuntimeFromSettings);
  EXPECT_EQ(app.doc().BuildHtml(PageMode::Page).find("<SCRIPT"), std::string::npos);

  // The internal preview's page is the classic one; the runtime is injected.
  QFile::remove(dir.path() + "/Preview/velkobutton.js");
  app.OnPreview();
  ASSERT_EQ(app.navigated.size(), 1u);
  EXPECT_TRUE(app.withRuntimes[0]);
  EXPECT_EQ(ReadBytes(page), QByteArray::fromStdString(app.doc().BuildHtml(PageMode::Preview)));
  EXPECT_FALSE(ReadBytes(page).contains("<SCRIPT"));
  EXPECT_FALSE(QFile::exists(dir.path() + "/Preview/velkobutton.js"));

  // With the setting on, the internal preview's page stays classic too: the
  // runtime comes injected, never twice.
  app.settings().html5Runtime = 1;
  app.OnPreview();
  EXPECT_FALSE(ReadBytes(page).contains("<SCRIPT"));
  EXPECT_TRUE(platform.messages.empty());

  // Help pages are shown without it.
  app.OnStopPreview();
  EXPECT_FALSE(app.withRuntimes.back());
}

TEST(ShellPreview, InternalPreviewLocksHelpAndStagingFailureStops) {
  QTemporaryDir dir;
  TestPlatform platform;
  platform.programDir = dir.path().toStdString() + "/";  // no applet files here
  platform.previewDir = dir.path().toStdString() + "/Preview/";
  HelpApp app(platform, true);
  app.doc().OnNewDocument();
  app.OnPreview();
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages.back().text, msg::kPreviewCopyFailed);
  EXPECT_EQ(platform.messages.back().icon, MsgIcon::Stop);
  EXPECT_TRUE(app.navigated.empty());

  for (const char* f :
       {"VelkoButton.class", "VelkoButton.jar", "VelkoButton.cab", "VelkoJfc2.class"})
    WriteText(dir.path() + "/" + f, "applet");
  platform.messages.clear();
  app.currentHelpPage = "buttonnew";
  app.OnPreview();
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_EQ(app.navigated.size(), 1u);
  EXPECT_EQ(app.navigated[0], platform.previewDir + "~VelkoButton.html");
  EXPECT_EQ(app.helpLock, 1);
  EXPECT_EQ(app.currentHelpPage, "");
  EXPECT_EQ(app.infoShown, 2);  // each preview brings the window up first
}

// ---------------------------------------------------------------------------
// Desktop registration

TEST(ShellRegistration, WritesDesktopEntryMimePackageAndIcons) {
  QTemporaryDir dir;
  ASSERT_TRUE(DesktopEntry::RegisterFileType(dir.path(), "/opt/velko button/velkobutton"));
  QFile desktop(dir.filePath("applications/velkobutton.desktop"));
  ASSERT_TRUE(desktop.open(QIODevice::ReadOnly));
  QByteArray entry = desktop.readAll();
  EXPECT_TRUE(entry.contains("Exec=\"/opt/velko button/velkobutton\" %f\n"));
  EXPECT_TRUE(entry.contains("MimeType=application/x-velkobutton-project;\n"));
  QFile mime(dir.filePath("mime/packages/velkobutton.xml"));
  ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
  QByteArray xml = mime.readAll();
  EXPECT_TRUE(xml.contains("<mime-type type=\"application/x-velkobutton-project\">"));
  EXPECT_TRUE(xml.contains("<glob pattern=\"*.but\"/>"));
  // A project without the suffix is known by its first bytes.
  EXPECT_TRUE(xml.contains("<match type=\"string\" value=\"\\x041.\" offset=\"0\"/>"));
  EXPECT_TRUE(QFile::exists(dir.filePath("icons/hicolor/scalable/apps/velkobutton.svg")));
  // Refreshing leaves the files as they are.
  EXPECT_TRUE(DesktopEntry::RegisterFileType(dir.path(), "/opt/velko button/velkobutton"));
  EXPECT_FALSE(DesktopEntry::RegisterFileType(QString(), "x"));
  // The entry is one the desktop accepts.
  const QString validate = QStandardPaths::findExecutable("desktop-file-validate");
  if (!validate.isEmpty()) {
    EXPECT_EQ(QProcess::execute(validate, {dir.filePath("applications/velkobutton.desktop")}), 0);
  }
}

TEST(ShellRegistration, AnInstalledEditorRegistersNothingAndDropsStaleEntries) {
  // The test program runs outside a build tree's program folder, as an
  // installed editor does, even when asked to register.
  QTemporaryDir programs;
  const QString root = programs.path();
  const auto program = [&root](const QString& path) {
    QDir().mkpath(QFileInfo(root + path).absolutePath());
    QFile file(root + path);
    file.open(QIODevice::WriteOnly);
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  };
  program("/clone/build/app/velkobutton");
  QDir().mkpath(root + "/clone/build/app/Help");
  program("/prefix/bin/velkobutton");
  QDir().mkpath(root + "/prefix/share/velkobutton");
  program("/prefix/libexec/velkobutton/velkobutton-editor");
  struct Case {
    QString exec;
    bool kept;
  } cases[] = {
      {"Exec=\"" + root + "/prefix/libexec/velkobutton/velkobutton-editor\" %f", false},
      {"Exec=\"" + root + "/clone/build/app/velkobutton\" %f", false},  // a build tree's
      {"Exec=\"" + root + "/gone/build/app/velkobutton\" %f", false},   // a deleted clone's
      {"Exec=\"" + root + "/prefix/bin/velkobutton\" %f", true},        // an installed one
      {"Exec=velkobutton %f", true},                                    // found on the user's path
      {"Exec=my-own-velkobutton %f", true},                             // not ours
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exec.toStdString());
    QTemporaryDir dir;
    const QByteArray old = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    ASSERT_TRUE(DesktopEntry::RegisterFileType(dir.path(), "unused"));
    QFile file(dir.filePath("applications/velkobutton.desktop"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\n" + c.exec.toUtf8() + "\n");
    file.close();
    DesktopEntry::RegisterWhenAsked(true);
    // The MIME package and the icons go with the entry they were written with.
    for (const char* f : {"applications/velkobutton.desktop", "mime/packages/velkobutton.xml",
                          "icons/hicolor/scalable/apps/velkobutton.svg"})
      EXPECT_EQ(QFile::exists(dir.filePath(f)), c.kept) << f;
    old.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", old);
  }
}

// ---------------------------------------------------------------------------
// The real window with its browser

TEST(ShellBrowserWindow, ShowsTheIndexPage) {
#if !defined(VB_HAVE_WEBENGINE)
  GTEST_SKIP() << "built without Qt WebEngine";
#elif defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the web engine library itself trips AddressSanitizer (new/delete mismatch)";
#else
  QByteArray saved = qgetenv("VELKOBUTTON_NO_BROWSER");
  qunsetenv("VELKOBUTTON_NO_BROWSER");
  if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QTemporaryDir dir;
  TestPlatform platform;
  platform.programDir = dir.path().toStdString() + "/";
  platform.previewDir = dir.path().toStdString() + "/Preview/";
  WriteText(dir.path() + "/Help/index.html",
            "<html><head><title>VelkoButton index</title></head><body>Index</body></html>");
  {
    App app(platform, Quiet(true));
    ASSERT_TRUE(app.InitInstance({}));
    KesWndInfo* info = app.frame()->info();
    ASSERT_TRUE(info->browserAvailable());
    EXPECT_TRUE(app.frame()->infoDock()->isVisible());
    EXPECT_TRUE(app.frame()->action(kCmdViewInfo)->isEnabled());
    EXPECT_EQ(app.currentHelpPage, "index");
    bool loaded = false, ok = false;
    QObject::connect(info, &KesWndInfo::loadFinished, [&](bool success) {
      loaded = true;
      ok = success;
    });
    QElapsedTimer timer;
    timer.start();
    while (!loaded && timer.elapsed() < 20000)
      QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(info->lastAddress().endsWith("/Help/index.html"));
    if (!loaded) {
      qputenv("VELKOBUTTON_NO_BROWSER", saved);
      GTEST_SKIP() << "the web engine did not load a page on this display";
    }
    EXPECT_TRUE(ok);
    // Served from the help folder under the program's own scheme.
    EXPECT_EQ(info->currentUrl(), "velko://help/index.html");
  }
  qputenv("VELKOBUTTON_NO_BROWSER", saved.isEmpty() ? QByteArray("1") : saved);
#endif
}

// ---------------------------------------------------------------------------
// The Qt platform

TEST(ShellQtPlatform, ConvertsClassicFilters) {
  EXPECT_EQ(
      QtPlatform::ConvertFilter("VelkoButton Project Files (*.but)|*.but|All Files (*.*)|*.*||"),
      "VelkoButton Project Files (*.but);;All Files (*)");
  EXPECT_EQ(QtPlatform::ConvertFilter(
                "Image Files (*.jpg,*.gif)|*.jpg;*.jpeg;*.gif|All Files (*.*)|*.*||"),
            "Image Files (*.jpg *.jpeg *.gif);;All Files (*)");
  EXPECT_EQ(QtPlatform::ConvertFilter(""), "");
  EXPECT_EQ(QtPlatform::ConvertFilter("Broken|"), "Broken ()");
}

TEST(ShellQtPlatform, SettingsAndClipboardKeepTheirBytes) {
  QTemporaryDir dir;
  const QString file = dir.filePath("VelkoButton.conf");
  {
    QtPlatform platform(file);
    platform.WriteProfileString("Options", "Day1", "Sonntag, 1.");
    platform.WriteProfileString("Options", "Month3", u8"März 三月");
    platform.WriteProfileInt("Options", "BrowserLocal", 1);
  }
  WriteText(dir.filePath("other.conf"), "[Options]\nBrowserLocal=yes\nDay2=a, b\n");
  QtPlatform platform(file);
  EXPECT_EQ(platform.GetProfileString("Options", "Day1", ""), "Sonntag, 1.");
  EXPECT_EQ(platform.GetProfileString("Options", "Month3", ""), u8"März 三月");
  EXPECT_EQ(platform.GetProfileInt("Options", "BrowserLocal", 0), 1);
  EXPECT_EQ(platform.GetProfileString("Options", "Missing", "dflt"), "dflt");
  QtPlatform edited(dir.filePath("other.conf"));
  EXPECT_EQ(edited.GetProfileInt("Options", "BrowserLocal", 7), 7);  // malformed: the default
  EXPECT_EQ(edited.GetProfileString("Options", "Day2", ""), "a, b");

  const std::string bytes("\x01\x00\x00\x00\xFFgroup", 9);
  ASSERT_TRUE(platform.SetClipboardData(KesApp::kGroupClipboardFormat, bytes));
  EXPECT_TRUE(platform.ClipboardHasData(KesApp::kGroupClipboardFormat));
  std::string back;
  ASSERT_TRUE(platform.GetClipboardData(KesApp::kGroupClipboardFormat, back));
  EXPECT_EQ(back, bytes);
  ASSERT_TRUE(platform.SetClipboardText(u8"Café 🍞"));
  EXPECT_TRUE(platform.ClipboardHasText());
  EXPECT_FALSE(platform.ClipboardHasData(KesApp::kGroupClipboardFormat));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(u8"Café 🍞"));
}

// ---------------------------------------------------------------------------
// A second start hands its file to the running editor

TEST(ShellSingleInstance, TheRunningEditorOpensAHandedFile) {
  QTemporaryDir dir;
  const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
  // The socket lies in the session's private folder.
  const QString runtime = dir.filePath("run");
  ASSERT_TRUE(QDir().mkpath(runtime));
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
  EXPECT_EQ(SingleInstance::ServerName(), runtime + "/velkobutton.socket");
  // What an editor that was killed left there is taken over, not obeyed.
  WriteText(runtime + "/velkobutton.socket", "stale");
  EXPECT_FALSE(SingleInstance::HandOff(dir.filePath("nothing.but")));
  TestPlatform platform;
  platform.previewDir = dir.path().toStdString() + "/Preview/";
  AppOptions options = Quiet();
  options.singleInstance = true;
  App app(platform, options);
  ASSERT_TRUE(app.InitInstance({}));
  // A project to hand over: the blank one, saved.
  const QString path = dir.filePath("handed over.but");
  ASSERT_TRUE(app.doc().OnSaveDocument(path.toStdString()));
  ASSERT_TRUE(app.doc().OnNewDocument());

  bool handed = false;
  std::thread second([&] { handed = SingleInstance::HandOff(path); });
  QElapsedTimer timer;
  timer.start();
  while (app.doc().pathName().empty() && timer.elapsed() < 10000)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  second.join();
  EXPECT_TRUE(handed);
  EXPECT_EQ(app.doc().pathName(), path.toStdString());
  EXPECT_EQ(app.recentFiles().value(0), path);

  // A folder others may enter is not used; the program's own private one is.
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                     QFile::ReadOther | QFile::ExeOther);
  EXPECT_EQ(SingleInstance::ServerName(),
            QDir::tempPath() + "/velkobutton-" + QString::number(getuid()) + "/velkobutton.socket");
  qputenv("XDG_RUNTIME_DIR", savedRuntime);
}
