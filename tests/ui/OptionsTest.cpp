// The Options sheet: configurable text, the non-Java message, the external
// browser, and the toolbar customisation saved with the layout.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "QuietApp.h"
#include "WhenShown.h"
#include "core/Messages.h"
#include "support/TestPlatform.h"
#include "ui/App.h"
#include "ui/CommandIds.h"
#include "ui/FrameMain.h"
#include "ui/OptionsSheet.h"
#include "ui/Text.h"
#include "ui/ToolbarManager.h"
#include "ui/ToolbarPages.h"
#include "ui/ViewOutline.h"

namespace {

void Press(QDialog& sheet, QDialogButtonBox::StandardButton which) {
  auto* box = sheet.findChild<QDialogButtonBox*>();
  ASSERT_NE(box, nullptr);
  QTest::mouseClick(box->button(which), Qt::LeftButton);
}

// Renames row `row` in place: types `text` and ends with `key`.
void Rename(QTableWidget* list, int row, const QString& text, Qt::Key key) {
  list->setCurrentCell(row, 0);
  list->editItem(list->item(row, 0));
  // The open editor (a closed one may linger until it is deleted).
  QLineEdit* editor = nullptr;
  for (QLineEdit* e : list->viewport()->findChildren<QLineEdit*>())
    if (e->isVisible()) editor = e;
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  if (text.isEmpty())
    QTest::keyClick(editor, Qt::Key_Backspace);
  else
    editor->insert(text);  // as typed; the test keyboard knows only ASCII
  QTest::keyClick(editor, key);
  QTest::qWait(20);  // a refusal is told once the editor has closed
}

// Waits (up to two seconds) for the `n`-th message: a refusal is told once
// the in-place editor has closed.
bool WaitForMessages(const TestPlatform& platform, std::size_t n) {
  for (int i = 0; i < 200 && platform.messages.size() < n; ++i) QTest::qWait(10);
  return platform.messages.size() == n;
}

class OptionsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(app->InitInstance({})); }
  OptionsSheet* Open() {
    sheet = std::make_unique<OptionsSheet>(*app, app->frame()->toolbars(), app->frame());
    sheet->show();
    return sheet.get();
  }
  TestPlatform platform;
  std::unique_ptr<App> app = std::make_unique<App>(platform, Quiet());
  std::unique_ptr<OptionsSheet> sheet;
};

TEST_F(OptionsTest, SixPagesInOrder) {
  Open();
  QStringList titles;
  for (int i = 0; i < sheet->tabs()->count(); ++i) titles << sheet->tabs()->tabText(i);
  EXPECT_EQ(titles, (QStringList{"Toolbars", "Commands", "Configurable Text", "Non Java Browsers",
                                 "External Browser", "Language"}));
  EXPECT_EQ(sheet->windowTitle(), "Options");
  // Only the page shown first counts as opened.
  EXPECT_FALSE(sheet->configTextPage()->opened());
  sheet->ShowPage(sheet->configTextPage());
  QTableWidget* days = sheet->configTextPage()->days();
  ASSERT_EQ(days->rowCount(), 7);
  EXPECT_EQ(days->item(0, 0)->text(), "Sunday");
  EXPECT_EQ(days->item(6, 1)->text(), "7");
  EXPECT_EQ(sheet->configTextPage()->months()->item(11, 0)->text(), "December");
  EXPECT_EQ(sheet->configTextPage()->postMeridiem()->text(), "PM");
}

TEST_F(OptionsTest, RenamedSundayIsWrittenAsDay1AtExitOnlyAfterOk) {
  Open();
  sheet->ShowPage(sheet->configTextPage());
  Rename(sheet->configTextPage()->days(), 0, "Sonntag", Qt::Key_Return);
  EXPECT_EQ(sheet->configTextPage()->days()->item(0, 0)->text(), "Sonntag");
  Press(*sheet, QDialogButtonBox::Cancel);
  EXPECT_EQ(app->settings().days[0], "Sunday");

  Open();
  sheet->ShowPage(sheet->configTextPage());
  Rename(sheet->configTextPage()->days(), 0, "Sonntag", Qt::Key_Return);
  Press(*sheet, QDialogButtonBox::Ok);
  EXPECT_EQ(app->settings().days[0], "Sonntag");
  EXPECT_EQ(app->settings().days[1], "Monday");
  app->ExitInstance();
  EXPECT_EQ(platform.profile["Options/Day1"], "Sonntag");
  EXPECT_EQ(platform.profile["Options/Day2"], "Monday");
}

TEST_F(OptionsTest, TheLanguageChosenIsStoredOnOkAndSystemStoresNone) {
  platform.profile["Settings/Language"] = "cs";
  for (const auto& [choice, stored] : {std::pair{"Deutsch", "de"}, {"System", ""}}) {
    Open();
    sheet->ShowPage(sheet->languagePage());
    QComboBox* box = sheet->languagePage()->choice();
    EXPECT_EQ(box->count(), 4);
    ASSERT_GE(box->findText(choice), 0);
    box->setCurrentIndex(box->findText(choice));
    Press(*sheet, QDialogButtonBox::Ok);
    EXPECT_EQ(platform.profile["Settings/Language"], stored) << choice;
  }
  // Cancel keeps what was stored; the page shows it when opened.
  Open();
  sheet->ShowPage(sheet->languagePage());
  EXPECT_EQ(sheet->languagePage()->choice()->currentText(), "System");
  sheet->languagePage()->choice()->setCurrentIndex(1);
  Press(*sheet, QDialogButtonBox::Cancel);
  EXPECT_EQ(platform.profile["Settings/Language"], "");
}

TEST_F(OptionsTest, EscapeKeepsTheOldNameAndAnEmptyOrUnstorableNameIsRefused) {
  Open();
  sheet->ShowPage(sheet->configTextPage());
  QTableWidget* months = sheet->configTextPage()->months();
  Rename(months, 2, "Marz", Qt::Key_Escape);
  EXPECT_EQ(months->item(2, 0)->text(), "March");
  EXPECT_TRUE(platform.messages.empty());

  Rename(months, 2, "", Qt::Key_Return);
  ASSERT_TRUE(WaitForMessages(platform, 1));
  EXPECT_EQ(months->item(2, 0)->text(), "March");
  EXPECT_EQ(platform.messages[0].text, msg::kNameEmpty);

  // Half of a surrogate pair is no character.
  const QString broken = QString("M") + QChar(0xD800);
  Rename(months, 2, broken, Qt::Key_Return);
  ASSERT_TRUE(WaitForMessages(platform, 2));
  EXPECT_EQ(months->item(2, 0)->text(), "March");
  EXPECT_EQ(platform.messages[1].text, msg::Format(msg::kTextNotStorable, FromQ(broken)));

  // Letters of any language are fine.
  Rename(months, 2, QString::fromUtf8(u8"三月 März"), Qt::Key_Return);
  Press(*sheet, QDialogButtonBox::Ok);
  EXPECT_EQ(app->settings().months[2], u8"三月 März");
}

TEST_F(OptionsTest, OnlyTheNonJavaPageOpenedAndEmptiedLeavesTheNamesAlone) {
  app->settings().days[3] = "Mittwoch";
  app->settings().browserPath = "/usr/bin/firefox";
  Open();
  sheet->ShowPage(sheet->nonJavaPage());
  QLineEdit* message = sheet->nonJavaPage()->message();
  EXPECT_EQ(message->text(), "Your browser is not Java capable or Java has been disabled.");
  message->selectAll();
  QTest::keyClick(message, Qt::Key_Delete);
  Press(*sheet, QDialogButtonBox::Ok);
  EXPECT_EQ(app->settings().nonJavaMessage, "");
  EXPECT_EQ(app->settings().days[3], "Mittwoch");
  EXPECT_EQ(app->settings().days[0], "Sunday");
  EXPECT_EQ(app->settings().months[0], "January");
  EXPECT_EQ(app->settings().meridiem[0], "AM");
  EXPECT_EQ(app->settings().browserPath, "/usr/bin/firefox");
}

TEST_F(OptionsTest, BrowserPageBrowsesAndWritesBackOnlyOnOk) {
  Open();
  BrowserPage* page = sheet->browserPage();
  sheet->ShowPage(page);
  platform.fileAnswers.push_back("/opt/My Browser/browser");
  QTest::mouseClick(page->browseButton(), Qt::LeftButton);
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  EXPECT_TRUE(platform.fileDialogs[0].open);
  EXPECT_TRUE(platform.fileDialogs[0].flags & FdFileMustExist);
  EXPECT_EQ(page->path()->text(), "/opt/My Browser/browser");
  page->localBox()->setChecked(true);
  EXPECT_TRUE(page->runtimeBox()->isChecked());  // on unless the user turns it off
  page->runtimeBox()->setChecked(false);
  Press(*sheet, QDialogButtonBox::Cancel);
  EXPECT_EQ(app->settings().browserPath, "");
  EXPECT_EQ(app->settings().browserLocal, 0);
  EXPECT_EQ(app->settings().html5Runtime, 1);

  Open();
  page = sheet->browserPage();
  sheet->ShowPage(page);
  platform.fileAnswers.push_back("/opt/My Browser/browser");
  page->OnBrowse();
  page->classPathBox()->setChecked(true);
  page->runtimeBox()->setChecked(false);
  Press(*sheet, QDialogButtonBox::Ok);
  EXPECT_EQ(app->settings().browserPath, "/opt/My Browser/browser");
  EXPECT_EQ(app->settings().browserLocal, 0);
  EXPECT_EQ(app->settings().browserClassPath, 1);
  EXPECT_EQ(app->settings().html5Runtime, 0);
  app->ExitInstance();
  EXPECT_EQ(platform.profile["Settings/Html5Runtime"], "0");
  EXPECT_EQ(platform.profile["Options/Browser"], "/opt/My Browser/browser");
}

// ---------------------------------------------------------------------------
// Toolbars

// Drops command `id` on `bar` at `pos` as a drag from the command page does.
void DropCommand(QToolBar* bar, int id, QPoint pos) {
  std::unique_ptr<QMimeData> data(ToolbarManager::CommandMime(id));
  QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
  QApplication::sendEvent(bar, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(pos, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
  QApplication::sendEvent(bar, &drop);
  ASSERT_TRUE(drop.isAccepted());
}

TEST_F(OptionsTest, CreatedToolbarWithTwoDraggedCommandsSurvivesARestart) {
  ToolbarManager* manager = app->frame()->toolbars();
  Open();
  manager->SetCustomizing(true);
  ToolbarsPage* page = sheet->toolbarsPage();
  const ShownWatch askWatch = WhenShown<QInputDialog>([](QInputDialog* ask) {
    ask->setTextValue("My Bar");
    ask->accept();
  });
  QTest::mouseClick(page->newButton(), Qt::LeftButton);
  ASSERT_EQ(manager->bars().size(), 3u);
  QToolBar* bar = manager->bars().back();
  EXPECT_EQ(bar->windowTitle(), "My Bar");
  EXPECT_EQ(page->list()->currentItem()->text(), "My Bar");
  EXPECT_TRUE(page->deleteButton()->isEnabled());
  EXPECT_FALSE(page->resetButton()->isEnabled());
  QApplication::processEvents();

  DropCommand(bar, 15014, QPoint(2, 2));
  DropCommand(bar, 40128, QPoint(bar->width() - 2, bar->height() / 2));
  EXPECT_EQ(manager->Commands(bar), (std::vector<int>{15014, 40128}));
  // Not a command: refused.
  QMimeData other;
  other.setText("15015");
  QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &other, Qt::LeftButton, {});
  QApplication::sendEvent(bar, &enter);
  EXPECT_FALSE(enter.isAccepted());

  // The default bars lose and get back their commands.
  QToolBar* buttons = manager->bar("Buttons");
  manager->RemoveCommand(buttons, 40129);
  EXPECT_EQ(manager->Commands(buttons).size(),
            ToolbarManager::DefaultCommands("Buttons").size() - 1);
  page->list()->setCurrentRow(0);
  EXPECT_FALSE(page->deleteButton()->isEnabled());
  QTest::mouseClick(page->resetButton(), Qt::LeftButton);
  EXPECT_EQ(manager->Commands(buttons), ToolbarManager::DefaultCommands("Buttons"));
  page->coolBox()->setChecked(false);
  page->largeBox()->setChecked(true);
  Press(*sheet, QDialogButtonBox::Ok);
  manager->SetCustomizing(false);
  app->frame()->SaveLayout();
  sheet.reset();
  app.reset();

  app = std::make_unique<App>(platform, Quiet());
  ASSERT_TRUE(app->InitInstance({}));
  manager = app->frame()->toolbars();
  ASSERT_EQ(manager->bars().size(), 3u);
  bar = manager->bars().back();
  EXPECT_EQ(bar->windowTitle(), "My Bar");
  EXPECT_TRUE(bar->isVisible());
  EXPECT_EQ(manager->Commands(bar), (std::vector<int>{15014, 40128}));
  EXPECT_TRUE(manager->largeButtons());
  EXPECT_FALSE(manager->coolLook());
  auto* publish =
      qobject_cast<QToolButton*>(bar->widgetForAction(app->frame()->action(kCmdPublish)));
  ASSERT_NE(publish, nullptr);
  EXPECT_FALSE(publish->autoRaise());

  // Deleted, it stays away after the next restart.
  manager->Delete(bar);
  app->frame()->SaveLayout();
  app.reset();
  app = std::make_unique<App>(platform, Quiet());
  ASSERT_TRUE(app->InitInstance({}));
  EXPECT_EQ(app->frame()->toolbars()->bars().size(), 2u);
}

TEST_F(OptionsTest, StoredToolbarsFromAnotherSourceAreCheckedOnLoad) {
  platform.profile["Toolbars/BarCount"] = "4";
  platform.profile["Toolbars/Bar1Key"] = "Project";
  platform.profile["Toolbars/Bar1Commands"] = "15014,99999,15014,abc,40128";
  platform.profile["Toolbars/Bar2Key"] = "Custom7";
  platform.profile["Toolbars/Bar2Name"] = "";
  platform.profile["Toolbars/Bar2Commands"] = "15015";
  platform.profile["Toolbars/Bar3Key"] = "FrameMain";
  platform.profile["Toolbars/Bar4Key"] = "Custom7";  // a second bar of one key
  app = std::make_unique<App>(platform, Quiet());
  ASSERT_TRUE(app->InitInstance({}));
  ToolbarManager* manager = app->frame()->toolbars();
  ASSERT_EQ(manager->bars().size(), 3u);
  EXPECT_EQ(manager->Commands(manager->bar("Project")), (std::vector<int>{15014, 40128}));
  EXPECT_EQ(manager->Commands(manager->bar("Buttons")), ToolbarManager::DefaultCommands("Buttons"));
  EXPECT_EQ(manager->bar("Custom7")->windowTitle(), "Toolbar");
}

TEST_F(OptionsTest, MenusOpenTheOptionsSheetAndPublishDialog) {
  int sheets = 0;
  const ShownWatch sheetWatch = WhenShown<OptionsSheet>(
      [](OptionsSheet* s) {
        EXPECT_TRUE(s->toolbarsPage() != nullptr);
        s->reject();
      },
      &sheets);
  app->frame()->action(kCmdOptions)->trigger();
  EXPECT_EQ(sheets, 1);
  EXPECT_FALSE(app->frame()->toolbars()->customizing());

  // The Toolbars dialog's Customize button leads to the sheet too.
  const ShownWatch toolbarsWatch = WhenShown<QDialog>([](QDialog* d) {
    for (QPushButton* b : d->findChildren<QPushButton*>())
      if (b->property("helpId").toInt() == 20584) b->click();
  });
  const ShownWatch secondSheetWatch =
      WhenShown<OptionsSheet>([](OptionsSheet* s) { s->reject(); }, &sheets);
  app->frame()->OnViewToolbars();
  EXPECT_EQ(sheets, 2);

  int publishes = 0;
  const ShownWatch publishWatch = WhenShown<QDialog>([&publishes](QDialog* d) {
    if (d->windowTitle() == "Publish") ++publishes;
    d->reject();
  });
  app->frame()->action(kCmdPublish)->trigger();
  EXPECT_EQ(publishes, 1);
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace

namespace {

TEST_F(OptionsTest, WhileCustomisingOnlyTheToolbarsTakeInput) {
  FrameMain* frame = app->frame();
  ToolbarManager* manager = frame->toolbars();
  QApplication::setActiveWindow(frame);
  int news = 0;
  QObject::connect(frame->action(kCmdFileNew), &QAction::triggered, [&news] { ++news; });
  manager->SetCustomizing(true);
  EXPECT_TRUE(frame->buttonsBar()->acceptDrops());
  QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::LeftButton, {});
  EXPECT_TRUE(manager->eventFilter(frame->outline()->viewport(), &press));
  EXPECT_EQ(news, 0);
  // Closing the main window waits for the sheet.
  EXPECT_FALSE(frame->close());
  manager->SetCustomizing(false);
  EXPECT_FALSE(frame->buttonsBar()->acceptDrops());
  QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(news, 1);
}

}  // namespace
