// The project's pages as the user meets them: the layout and the computed
// size, the identifier check, the background, the output options with the
// Input Details dialog, and the project's scripts.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <functional>

#include "OutlineFixture.h"
#include "core/Messages.h"
#include "groups/button/InsertActionDialog.h"
#include "groups/project/InputDetailsDialog.h"
#include "groups/project/TabProject.h"
#include "groups/project/ViewBackground.h"
#include "groups/project/ViewOutput.h"
#include "groups/project/ViewProject.h"
#include "groups/project/ViewScript.h"
#include "support/TempDir.h"
#include "ui/ColorButton.h"
#include "ui/IntSpinEdit.h"
#include "ui/PageParts.h"
#include "ui/ScriptEdit.h"
#include "ui/Text.h"

namespace {
enum Id {
  kIdentifier = 3112,
  kProjectWidth = 3101,
  kProjectHeight = 3102,
  kLayout = 3103,
  kButtonWidth = 3104,
  kButtonHeight = 3105,
  kSpacing = 3106,
  kColor = 3201,
  kImage = 3202,
  kSelectImage = 3203,
  kCenter = 3204,
  kTokenize = 3501,
  kRefresh = 3502,
  kReadFromFile = 3503,
  kDetails = 3504,
  kCodeBase = 3506,
};

// Runs `answer` on the Input Details dialog once it is open.
void WithInputDetails(std::function<void(InputDetailsDialog*)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<InputDetailsDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    answer(dialog);
  });
}

void Press(InputDetailsDialog* dialog, QDialogButtonBox::StandardButton which) {
  QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
}

}  // namespace

class ProjectPages : public OutlineTest {
 protected:
  void SetUp() override {
    OutlineTest::SetUp();
    Click(Root());
  }
  // Changes made to the groups behind the pages' back reach them.
  void Reload() { app.RefreshPages(); }
  IntSpinEdit* Edit(int id) const { return Control<IntSpinEdit>(TabProject::kGeneral, id); }
  QComboBox* LayoutList() const { return Control<QComboBox>(TabProject::kGeneral, kLayout); }
  // Picks a layout as the user does, from the open list.
  void ChooseLayout(int index) {
    QComboBox* list = LayoutList();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->currentIndex(), index);
  }
  PropProject& Project() const { return *doc.project(); }
};

TEST_F(ProjectPages, FourTabsShowTheProject) {
  KfcViewTab* tabs = Tabs();
  ASSERT_TRUE(tabs);
  ASSERT_EQ(tabs->count(), 4);
  const char* labels[4] = {"General", "Background", "Output", "VelkoScript"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(tabs->tabWidget()->tabText(i), labels[i]);
    EXPECT_FALSE(tabs->tabWidget()->tabIcon(i).isNull());
  }
  EXPECT_EQ(Control<QLineEdit>(TabProject::kGeneral, kIdentifier)->text(), "VelkoButton");
  EXPECT_EQ(LayoutList()->currentText(), "Vertical");
  EXPECT_EQ(LayoutList()->count(), 3);
  EXPECT_EQ(Edit(kProjectHeight)->text(), "40");  // laid out for the one button
  EXPECT_EQ(Edit(kSpacing)->minimum(), -100);
  EXPECT_EQ(Edit(kButtonWidth)->maximum(), 1000);
  EXPECT_EQ(Control<QLineEdit>(TabProject::kGeneral, kIdentifier)->toolTip(), "Project Identifier");
  EXPECT_EQ(Control<QCheckBox>(TabProject::kOutput, kReadFromFile)->toolTip(), "Read From File");
  EXPECT_TRUE(Control<QCheckBox>(TabProject::kOutput, kTokenize)->isChecked());
  EXPECT_EQ(Control<IntSpinEdit>(TabProject::kOutput, kRefresh)->maximum(), 3600);
  EXPECT_TRUE(Control<QToolButton>(TabProject::kBackground, kCenter)->isChecked());
  EXPECT_EQ(Control<ColorButton>(TabProject::kBackground, kColor)->color(), 0x808080u);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(ProjectPages, HorizontalClosesTheSizeAtOnceAndShowsTheComputedSize) {
  tree->commands().OnNewButton();
  tree->commands().OnNewButton();
  Click(Root());
  EXPECT_FALSE(Edit(kProjectWidth)->isEnabled());
  EXPECT_TRUE(Edit(kButtonWidth)->isEnabled());
  EXPECT_EQ(Edit(kProjectHeight)->text(), "120");

  Type(Edit(kButtonWidth), "80");
  Type(Edit(kSpacing), "5");
  ChooseLayout(ViewProject::kHorizontal);
  EXPECT_FALSE(Edit(kProjectWidth)->isEnabled());
  EXPECT_FALSE(Edit(kProjectHeight)->isEnabled());
  for (int id : {kButtonWidth, kButtonHeight, kSpacing}) EXPECT_TRUE(Edit(id)->isEnabled());
  EXPECT_EQ(Edit(kProjectWidth)->text(), "260");  // 5 + 3 * (80 + 5)
  EXPECT_EQ(Edit(kProjectHeight)->text(), "50");
  EXPECT_EQ(Project().layout, 1);
  EXPECT_EQ(Button(2)->x, 175);
  EXPECT_EQ(Button(2)->y, 5);
  EXPECT_TRUE(doc.IsModified());

  // User Defined opens the size and closes the buttons' values; the size is
  // taken as typed and the buttons stay where they are.
  ChooseLayout(ViewProject::kUserDefined);
  EXPECT_TRUE(Edit(kProjectWidth)->isEnabled());
  for (int id : {kButtonWidth, kButtonHeight, kSpacing}) EXPECT_FALSE(Edit(id)->isEnabled());
  Type(Edit(kProjectWidth), "500");
  Click(Item(0));
  EXPECT_EQ(Project().projectWidth, 500);
  EXPECT_EQ(Button(2)->x, 175);
}

TEST_F(ProjectPages, EveryReloadAndClosingLayTheButtonsOut) {
  // A size that does not match the layout, as an old file may hold it, is
  // computed again as soon as the page loads; that is not a change.
  Project().projectHeight = 999;
  Project().buttonHeight = 30;
  Reload();
  EXPECT_EQ(Edit(kProjectHeight)->text(), "30");
  EXPECT_EQ(Button(0)->height, 30);
  EXPECT_FALSE(doc.IsModified());

  // A new default height takes effect when the page closes.
  Type(Edit(kButtonHeight), "55");
  Click(Item(0));
  EXPECT_EQ(Project().buttonHeight, 55);
  EXPECT_EQ(Button(0)->height, 55);
  EXPECT_EQ(Project().projectHeight, 55);
}

TEST_F(ProjectPages, OnlyAnEmptyIdentifierIsRefused) {
  auto* identifier = Control<QLineEdit>(TabProject::kGeneral, kIdentifier);
  Type(identifier, "   ");
  Click(Item(0));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(Project().identifier, "   ");
  EXPECT_EQ(tree->currentIndex(), Item(0));

  Click(Root());
  Tabs()->setCurrentIndex(TabProject::kScript);
  identifier = Control<QLineEdit>(TabProject::kGeneral, kIdentifier);
  Type(identifier, "");
  Click(Item(0));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "You must specifiy a valid Project Identifier for this project!");
  EXPECT_EQ(tree->currentIndex(), Root());
  EXPECT_EQ(Project().identifier, "");  // the group holds what was typed
  EXPECT_EQ(Tabs()->currentIndex(), TabProject::kGeneral);
  EXPECT_EQ(QApplication::focusWidget(), identifier);
  TempDir dir;
  EXPECT_FALSE(doc.DoSave(dir / "refused.but"));

  Type(identifier, "Menu");
  Click(Item(0));
  EXPECT_EQ(tree->currentIndex(), Item(0));
  EXPECT_EQ(Project().identifier, "Menu");
}

TEST_F(ProjectPages, ANumberThatIsNoIntegerIsRefused) {
  Type(Edit(kSpacing), "4.5");
  Click(Item(0));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::kEnterInteger);
  EXPECT_EQ(tree->currentIndex(), Root());
  EXPECT_EQ(QApplication::focusWidget(), Edit(kSpacing));

  // A change of the layout does not lose the bad text either.
  ChooseLayout(ViewProject::kHorizontal);
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(Edit(kSpacing)->text(), "4.5");
  EXPECT_EQ(Project().layout, 1);
}

TEST_F(ProjectPages, BackgroundColourImageAndStyle) {
  Tabs()->setCurrentIndex(TabProject::kBackground);
  platform.programDir = "/opt/velko/";
  auto* image = Control<QLineEdit>(TabProject::kBackground, kImage);
  Type(image, "pics/back.gif");
  platform.fileAnswers.push_back("/home/u/sky.jpg");
  QTest::mouseClick(Control<QToolButton>(TabProject::kBackground, kSelectImage), Qt::LeftButton);
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  EXPECT_TRUE(platform.fileDialogs[0].open);
  EXPECT_EQ(platform.fileDialogs[0].proposed, "/opt/velko/pics/back.gif");
  EXPECT_EQ(platform.fileDialogs[0].filter, kImageFileFilter);
  EXPECT_EQ(platform.fileDialogs[0].flags, FdFileMustExist | FdPathMustExist | FdHideReadOnly);
  EXPECT_EQ(image->text(), "/home/u/sky.jpg");

  // Cancel keeps the name; an absolute one is proposed as it is.
  QTest::mouseClick(Control<QToolButton>(TabProject::kBackground, kSelectImage), Qt::LeftButton);
  EXPECT_EQ(platform.fileDialogs[1].proposed, "/home/u/sky.jpg");
  EXPECT_EQ(image->text(), "/home/u/sky.jpg");

  Control<ColorButton>(TabProject::kBackground, kColor)->choose(0x0000FF);
  QTest::mouseClick(Control<QToolButton>(TabProject::kBackground, kCenter + 2), Qt::LeftButton);
  EXPECT_FALSE(Control<QToolButton>(TabProject::kBackground, kCenter)->isChecked());
  Click(Item(0));
  EXPECT_EQ(Project().backgroundImage, "/home/u/sky.jpg");
  EXPECT_EQ(Project().backgroundColor, 0x0000FFu);
  EXPECT_EQ(Project().imageStyle, 2);
}

TEST_F(ProjectPages, UncheckingReadFromFileClosesDetailsAndKeepsItsValues) {
  Project().readFromFile = 1;
  Project().inputFile = "params.txt";
  Project().reloadInterval = 60;
  Reload();
  Tabs()->setCurrentIndex(TabProject::kOutput);
  auto* read = Control<QCheckBox>(TabProject::kOutput, kReadFromFile);
  auto* details = Control<QPushButton>(TabProject::kOutput, kDetails);
  EXPECT_TRUE(details->isEnabled());
  QTest::mouseClick(read, Qt::LeftButton);
  EXPECT_FALSE(details->isEnabled());
  Click(Item(0));
  EXPECT_EQ(Project().readFromFile, 0);
  EXPECT_EQ(Project().inputFile, "params.txt");
  EXPECT_EQ(Project().reloadInterval, 60);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(ProjectPages, InputDetailsReachTheGroupOnlyThroughOkAndTheNextCommit) {
  Tabs()->setCurrentIndex(TabProject::kOutput);
  QTest::mouseClick(Control<QCheckBox>(TabProject::kOutput, kReadFromFile), Qt::LeftButton);
  auto* details = Control<QPushButton>(TabProject::kOutput, kDetails);
  ASSERT_TRUE(details->isEnabled());
  auto* page = qobject_cast<ViewOutput*>(Tabs()->page(TabProject::kOutput));

  // Cancel discards.
  WithInputDetails([](InputDetailsDialog* d) {
    EXPECT_EQ(d->windowTitle(), "Input Details");
    EXPECT_EQ(d->fileEdit()->text(), "button.txt");
    EXPECT_EQ(d->intervalEdit()->text(), "300");
    d->fileEdit()->setText("other.txt");
    Press(d, QDialogButtonBox::Cancel);
  });
  QTest::mouseClick(details, Qt::LeftButton);
  EXPECT_EQ(page->inputFile(), "button.txt");

  // A bad interval keeps the dialog open; OK then hands the values over.
  WithInputDetails([this](InputDetailsDialog* d) {
    d->fileEdit()->setText("menu.dat");
    d->intervalEdit()->setText("ten");
    Press(d, QDialogButtonBox::Ok);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(platform.messages.size(), 1u);
    d->intervalEdit()->setText("20000");
    Press(d, QDialogButtonBox::Ok);
  });
  QTest::mouseClick(details, Qt::LeftButton);
  EXPECT_EQ(page->inputFile(), "menu.dat");
  EXPECT_EQ(page->reloadInterval(), 20000);
  EXPECT_EQ(Project().inputFile, "button.txt");
  Click(Item(0));
  EXPECT_EQ(Project().inputFile, "menu.dat");
  EXPECT_EQ(Project().reloadInterval, 20000);
  EXPECT_EQ(Project().readFromFile, 1);
}

TEST_F(ProjectPages, GenerateInputWritesTheFileThroughSaveAs) {
  TempDir dir;
  const std::string target = dir / "chosen.txt";
  Tabs()->setCurrentIndex(TabProject::kOutput);
  QTest::mouseClick(Control<QCheckBox>(TabProject::kOutput, kReadFromFile), Qt::LeftButton);
  platform.fileAnswers.push_back(target);
  WithInputDetails([this](InputDetailsDialog* d) {
    // A name the project cannot store is refused before anything is asked.
    d->fileEdit()->setText(QChar(0xD800) + QString(".txt"));
    QTest::mouseClick(d->generateButton(), Qt::LeftButton);
    EXPECT_EQ(platform.messages.size(), 1u);
    d->fileEdit()->setText(QString::fromUtf8(u8"menü.txt"));
    QTest::mouseClick(d->generateButton(), Qt::LeftButton);
    Press(d, QDialogButtonBox::Cancel);
  });
  QTest::mouseClick(Control<QPushButton>(TabProject::kOutput, kDetails), Qt::LeftButton);
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  EXPECT_FALSE(platform.fileDialogs[0].open);
  // The Save As dialog starts from the entered name, in the system's encoding.
  EXPECT_EQ(platform.fileDialogs[0].proposed, u8"menü.txt");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            msg::Format(msg::kTextNotStorable, FromQ(QChar(0xD800) + QString(".txt"))));
  ASSERT_TRUE(std::filesystem::exists(target));
  EXPECT_EQ(ReadBytes(target), doc.BuildParams(ParamForm::InputFile, std::string()));
  // The dialog was cancelled: the page keeps its name.
  EXPECT_EQ(qobject_cast<ViewOutput*>(Tabs()->page(TabProject::kOutput))->inputFile(),
            "button.txt");
}

TEST_F(ProjectPages, OutputOptionsAndScripts) {
  Tabs()->setCurrentIndex(TabProject::kOutput);
  QTest::mouseClick(Control<QCheckBox>(TabProject::kOutput, kTokenize), Qt::LeftButton);
  Type(Control<IntSpinEdit>(TabProject::kOutput, kRefresh), "x5");
  Type(Control<QLineEdit>(TabProject::kOutput, kCodeBase), "classes/");
  Click(Item(0));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::kEnterInteger);
  EXPECT_EQ(Tabs()->currentIndex(), TabProject::kOutput);
  Type(Control<IntSpinEdit>(TabProject::kOutput, kRefresh), "5");

  Tabs()->setCurrentIndex(TabProject::kScript);
  auto* scripts = qobject_cast<ViewScript*>(Tabs()->page(TabProject::kScript));
  scripts->beforeEdit()->setFocus();
  QTest::keyClicks(scripts->beforeEdit(), "Set a=1;");
  QTest::keyClick(scripts->beforeEdit(), Qt::Key_Return);
  QTest::keyClicks(scripts->beforeEdit(), "Set b=2;");
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<InsertActionDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    dialog->actionBox()->setCurrentIndex(1);
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
  });
  QTest::mouseClick(scripts->addAfterButton(), Qt::LeftButton);
  EXPECT_EQ(scripts->afterEdit()->toPlainText(), "PropSet 'Button 1' Show=True;\n");
  Click(Item(0));
  EXPECT_EQ(Project().tokenize, 0);
  EXPECT_EQ(Project().refreshRate, 5);
  EXPECT_EQ(Project().codeBase, "classes/");
  EXPECT_EQ(Project().beforeScript, "Set a=1;\r\nSet b=2;");
  EXPECT_EQ(Project().afterScript, "PropSet 'Button 1' Show=True;\r\n");
  EXPECT_EQ(Project().GetScript(std::string(), 0).rfind("Set refresh=5000; Set a=1;  Set b=2;", 0),
            0u);
}
