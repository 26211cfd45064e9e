// The pages of a button state and its groups, driven as the user drives them:
// state, text and font, border and frame, image.
#include <QAction>
#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>

#include "OutlineFixture.h"
#include "core/Messages.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropText.h"
#include "groups/button/ViewImage.h"
#include "groups/button/ViewState.h"
#include "groups/button/ViewText.h"
#include "ui/ColorButton.h"
#include "ui/ContrastStrip.h"
#include "ui/IntSpinEdit.h"
#include "ui/KesViewBlank.h"
#include "ui/ScriptEdit.h"

namespace {
enum State { kUp, kOver, kDown };
enum Group { kText, kBorder, kAudio, kImage, kAdvanced };
enum TextTab { kGeneralTab, kFontTab };
enum BorderTab { kBorderTab, kFrameTab };

class StatePagesTest : public OutlineTest {
 protected:
  // A control of the single page shown (state, image).
  template <class W>
  W* PageControl(int id) const {
    auto* page = qobject_cast<KesView*>(props->currentPage());
    return page ? qobject_cast<W*>(page->control(id)) : nullptr;
  }
  void Press(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
  // Pages replaced by another go away at the next turn of the event loop.
  static void CloseReplacedPages() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  PropState& Over() const { return *Button(0)->overState; }
};

}  // namespace

TEST_F(StatePagesTest, EveryItemOfAStateOpensItsPage) {
  Click(Item(0, kOver));
  EXPECT_TRUE(qobject_cast<ViewState*>(props->currentPage()));
  Click(Item(0, kOver, kImage));
  EXPECT_TRUE(qobject_cast<ViewImage*>(props->currentPage()));
  Click(Item(0, kOver, kText));
  ASSERT_TRUE(Tabs());
  EXPECT_EQ(Tabs()->tabWidget()->tabText(kGeneralTab), "General");
  EXPECT_EQ(Tabs()->tabWidget()->tabText(kFontTab), "Font");
  Click(Item(0, kOver, kBorder));
  ASSERT_TRUE(Tabs());
  EXPECT_EQ(Tabs()->tabWidget()->tabText(kBorderTab), "Border");
  EXPECT_EQ(Tabs()->tabWidget()->tabText(kFrameTab), "Frame");
  for (int i = 0; i < 2; ++i) EXPECT_FALSE(Tabs()->tabWidget()->tabIcon(i).isNull());
  EXPECT_FALSE(qobject_cast<KesViewBlank*>(props->currentPage()));
  // Looking without changing anything leaves the project as it was.
  Click(Item(0, kUp, kBorder));
  Click(Item(0, kUp, kText));
  Click(Item(0, kUp));
  Click(Item(0, kUp, kImage));
  Click(Item(0));
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(StatePagesTest, TransparentHidesTheColourWhichKeepsItsValue) {
  Click(Item(0, kOver));
  auto* color = PageControl<ColorButton>(3001);
  ASSERT_TRUE(color);
  EXPECT_TRUE(color->isVisible());
  EXPECT_EQ(color->color(), 0xC0C0C0u);
  color->choose(0x0000FF);  // red
  Press(PageControl<QRadioButton>(3009));
  EXPECT_FALSE(color->isVisible());
  EXPECT_FALSE(PageControl<QWidget>(3007)->isVisible());  // its label
  Click(Item(0));
  EXPECT_EQ(Over().transparent, 1);
  EXPECT_EQ(Over().color, 0x0000FFu);
  const std::string script = Button(0)->GetScript("", 0);
  EXPECT_NE(script.find("Over Style=Transparent Color=0xFF0000 "), std::string::npos) << script;

  // Reopened, it is still hidden; Solid shows it with the kept colour.
  Click(Item(0, kOver));
  color = PageControl<ColorButton>(3001);
  EXPECT_FALSE(color->isVisible());
  Press(PageControl<QRadioButton>(3008));
  EXPECT_TRUE(color->isVisible());
  EXPECT_TRUE(PageControl<QWidget>(3007)->isVisible());
  EXPECT_EQ(color->color(), 0x0000FFu);
}

TEST_F(StatePagesTest, StatePageListsTheCursorsAndChecksTheOffsets) {
  Click(Item(0, kOver));
  auto* cursor = PageControl<QComboBox>(3002);
  ASSERT_EQ(cursor->count(), 14);
  EXPECT_EQ(cursor->itemText(0), "Default");
  EXPECT_EQ(cursor->itemText(10), "West Resize");
  EXPECT_EQ(cursor->currentText(), "Hand");
  auto* x = PageControl<IntSpinEdit>(3003);
  EXPECT_EQ(x->minimum(), -100);
  EXPECT_EQ(x->maximum(), 100);
  EXPECT_EQ(x->toolTip(), "Horizontal Offset");

  cursor->setCurrentIndex(13);
  Type(x, "250");  // beyond the arrows, taken as typed
  Type(PageControl<IntSpinEdit>(3004), "2y");
  Click(Item(0));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::kEnterInteger);
  EXPECT_EQ(tree->currentIndex(), Item(0, kOver));
  EXPECT_EQ(QApplication::focusWidget(), PageControl<IntSpinEdit>(3004));
  EXPECT_EQ(Over().offsetX, 250);  // what was read is kept
  EXPECT_EQ(Over().offsetY, 0);
  EXPECT_EQ(Over().cursor, 13);

  Type(PageControl<IntSpinEdit>(3004), "-3");
  Click(Item(0));
  EXPECT_EQ(tree->currentIndex(), Item(0));
  EXPECT_EQ(Over().offsetY, -3);
}

TEST_F(StatePagesTest, FontSizeMustLieBetweenZeroAnd255) {
  Click(Item(0, kUp, kText));
  Tabs()->setCurrentIndex(kFontTab);
  auto* size = Control<QComboBox>(kFontTab, 2302);
  ASSERT_EQ(size->count(), 16);
  EXPECT_EQ(size->itemText(0), "8");
  EXPECT_EQ(size->itemText(15), "72");
  EXPECT_EQ(size->currentText(), "11");

  Type(size, "300");
  Click(Item(0));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Please enter an integer between 0 and 255.");
  EXPECT_EQ(tree->currentIndex(), Item(0, kUp, kText));
  EXPECT_EQ(QApplication::focusWidget(), size);
  EXPECT_EQ(Button(0)->upState->text->size, 300);  // held until corrected

  Type(size, "big");
  Click(Item(0));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, "Please enter an integer.");
  EXPECT_EQ(Button(0)->upState->text->size, 300);

  Type(size, "0");
  Click(Item(0));
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(tree->currentIndex(), Item(0));
  EXPECT_EQ(Button(0)->upState->text->size, 0);
}

TEST_F(StatePagesTest, EngraveTurnsEmbossOffButBothFromAFileStay) {
  Click(Item(0, kOver, kText));
  Tabs()->setCurrentIndex(kFontTab);
  auto* emboss = Control<QToolButton>(kFontTab, 2306);
  auto* engrave = Control<QToolButton>(kFontTab, 2307);
  EXPECT_EQ(emboss->toolTip(), "Emboss");
  Press(emboss);
  EXPECT_TRUE(emboss->isChecked());
  Press(engrave);
  EXPECT_TRUE(engrave->isChecked());
  EXPECT_FALSE(emboss->isChecked());
  Press(Control<QToolButton>(kFontTab, 2303));  // bold
  Click(Item(0));
  EXPECT_EQ(Over().text->engrave, 1);
  EXPECT_EQ(Over().text->emboss, 0);
  EXPECT_EQ(Over().text->bold, 1);
  EXPECT_NE(Button(0)->GetScript("", 0).find("TextStyle=17 "), std::string::npos);

  // A group loaded with both flags shows both and keeps both.
  PropText& down = *Button(0)->downState->text;
  down.emboss = 1;
  down.engrave = 1;
  app.RefreshPages();  // the open page starts from the group as it now is
  doc.MarkSaved();
  Click(Item(0, kDown, kText));
  EXPECT_TRUE(Control<QToolButton>(kFontTab, 2306)->isChecked());
  EXPECT_TRUE(Control<QToolButton>(kFontTab, 2307)->isChecked());
  Click(Item(0));
  EXPECT_FALSE(doc.IsModified());
  const std::string script = Button(0)->GetScript("", 0);
  const std::size_t downBlock = script.find("Down ");
  ASSERT_NE(downBlock, std::string::npos);
  EXPECT_NE(script.find("TextStyle=24 ", downBlock), std::string::npos) << script;
}

// The Text page says when its caption is hard to read on the state's colour,
// also when that colour changes by another road, and stops saying it once
// the caption reads well.
TEST_F(StatePagesTest, TextPageWarnsWhileTheCaptionIsHardToRead) {
  Click(Item(0, kOver, kText));
  auto* page = qobject_cast<ViewText*>(Tabs()->page(kGeneralTab));
  ASSERT_TRUE(page);
  EXPECT_FALSE(page->contrastWarningShown());  // black on silver
  Control<ColorButton>(kGeneralTab, 3405)->choose(0xE0E0E0);
  EXPECT_TRUE(page->contrastWarningShown());  // at once, and once stored
  QCoreApplication::processEvents();
  ASSERT_EQ(Over().text->textColor, 0xE0E0E0u);
  EXPECT_TRUE(page->contrastWarningShown());
  EXPECT_TRUE(page->contrastWarning()->isVisible());
  EXPECT_EQ(page->contrastWarning()->text(),
            QString::fromUtf8("Contrast 1.3:1 \u2014 hard to read; 4.5:1 or more reads well"));

  const std::string before = Doc::CopyGroup(Over());
  Over().color = 0x404040;
  doc.RecordGroupEdit(doc.PathOf(&Over()), before, "Change State");
  EXPECT_FALSE(page->contrastWarningShown());
  doc.Undo();
  EXPECT_TRUE(page->contrastWarningShown());
}

// The line under the Live View names the state the view shows first, then
// the other captions below 4.5:1, and hides while every caption reads well.
TEST_F(StatePagesTest, ContrastLineNamesTheShownStateFirst) {
  ContrastStrip strip(doc);
  strip.Recount();
  EXPECT_TRUE(strip.isHidden());
  Over().text->textColor = 0xE0E0E0;  // light grey on silver
  strip.Recount();
  EXPECT_EQ(strip.text(), "Captions hard to read (below 4.5:1): Button 1 Over 1.3:1");
  Button(0)->downState->text->textColor = 0xFFFFFF;
  strip.ShowSelection(0, kOver);
  EXPECT_EQ(strip.text(), QString::fromUtf8("Button 1 Over: Contrast 1.3:1 \u2014 hard to read; "
                                            "4.5:1 or more reads well. Also below 4.5:1: "
                                            "Button 1 Down 1.8:1"));
  EXPECT_TRUE(strip.toolTip().contains("Button 1 Down: #FFFFFF on #C0C0C0, 1.8:1"));
  Over().text->textColor = 0;
  Button(0)->downState->text->textColor = 0;
  strip.Recount();
  EXPECT_TRUE(strip.isHidden());
}

TEST_F(StatePagesTest, DynamicMenuInsertsItsTokenAsOneUndoableEdit) {
  Click(Item(0, kUp, kText));
  auto* page = qobject_cast<ViewText*>(Tabs()->page(kGeneralTab));
  ASSERT_TRUE(page);
  const QList<QAction*> actions = page->dynamicMenu()->actions();
  ASSERT_EQ(actions.size(), 21);
  std::vector<int> separators;
  QStringList labels;
  for (int i = 0; i < actions.size(); ++i) {
    if (actions[i]->isSeparator())
      separators.push_back(i);
    else
      labels << actions[i]->text();
  }
  EXPECT_EQ(separators, (std::vector<int>{2, 8, 19}));
  ASSERT_EQ(labels.size(), 18);
  EXPECT_EQ(labels.front(), "Day (name)");
  EXPECT_EQ(labels[2], "Time (12 hour format)");
  EXPECT_EQ(labels.back(), "Time && Date (Local)");
  EXPECT_EQ(actions[4]->data().toInt(), 40050);

  ScriptEdit* edit = page->textEdit();
  edit->setFocus();
  QTextCursor cursor = edit->textCursor();
  cursor.setPosition(0);
  cursor.setPosition(6, QTextCursor::KeepAnchor);  // "Button"
  edit->setTextCursor(cursor);
  actions[4]->trigger();  // Time (24 hour format)
  EXPECT_EQ(edit->toPlainText(), "${date.%H:%M} 1");
  actions[0]->trigger();  // at the caret, after the first token
  EXPECT_EQ(edit->toPlainText(), "${date.%H:%M}${date.%A} 1");
  QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(edit->toPlainText(), "${date.%H:%M} 1");
  QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(edit->toPlainText(), "Button 1");
  QTest::keyClick(edit, Qt::Key_Y, Qt::ControlModifier);
  actions.back()->trigger();
  Click(Item(0));
  EXPECT_EQ(Button(0)->upState->text->text, "${date.%H:%M}${date.%c} 1");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(StatePagesTest, ClosedFontPagesPutTheirFontsAtTheFrontOfTheList) {
  ASSERT_EQ(app.fontNames, (std::vector<std::string>{"Arial", "TimesRoman", "Courier"}));
  Click(Item(0, kUp, kText));
  Tabs()->setCurrentIndex(kFontTab);
  auto* font = Control<QComboBox>(kFontTab, 2301);
  // The names of this run first, then the fonts of the machine.
  ASSERT_GE(font->count(), 3);
  EXPECT_EQ(font->itemText(2), "Courier");
  EXPECT_EQ(font->count() > 3, !QFontDatabase::families().isEmpty());
  EXPECT_EQ(font->currentText(), "Arial");
  // Closing a page that shows the first name adds nothing.
  Click(Item(0, kOver, kText));
  CloseReplacedPages();
  EXPECT_EQ(app.fontNames.size(), 3u);

  Type(Control<QComboBox>(kFontTab, 2301), "Verdana");
  Click(Item(0, kDown, kText));
  CloseReplacedPages();
  Type(Control<QComboBox>(kFontTab, 2301), "Tahoma");
  Click(Item(0));
  CloseReplacedPages();
  EXPECT_EQ(app.fontNames,
            (std::vector<std::string>{"Tahoma", "Verdana", "Arial", "TimesRoman", "Courier"}));
  EXPECT_EQ(Button(0)->overState->text->font, "Verdana");
  EXPECT_EQ(Button(0)->downState->text->font, "Tahoma");

  // A new page lists them in that order; an emptied name goes in too.
  Click(Item(0, kUp, kText));
  font = Control<QComboBox>(kFontTab, 2301);
  ASSERT_GE(font->count(), 5);
  EXPECT_EQ(font->itemText(0), "Tahoma");
  EXPECT_EQ(font->itemText(1), "Verdana");
  const int listed = font->count();
  Type(font, "");
  Click(Item(0));
  CloseReplacedPages();
  EXPECT_EQ(app.fontNames.front(), "");
  Click(Item(0, kUp, kText));
  EXPECT_EQ(Control<QComboBox>(kFontTab, 2301)->count(), listed);  // empty names are skipped
}

TEST_F(StatePagesTest, AutomaticBorderColoursFollowTheStateAndAreStored) {
  // The Down state's colours are reversed; looking stores nothing, an edit
  // stores them with it.
  const PropBorder& down = *Button(0)->downState->border;
  const uint32_t storedTop = down.topColor;
  doc.MarkSaved();
  Click(Item(0, kDown, kBorder));
  auto* top = Control<ColorButton>(kBorderTab, 2102);
  auto* bottom = Control<ColorButton>(kBorderTab, 2104);
  ASSERT_TRUE(top);
  EXPECT_TRUE(Control<QCheckBox>(kBorderTab, 2112)->isChecked());
  EXPECT_FALSE(top->isEnabled());
  EXPECT_TRUE(top->isVisible());
  EXPECT_EQ(top->color(), 0x000000u);
  EXPECT_EQ(bottom->color(), 0xFFFFFFu);
  Click(Item(0));
  EXPECT_EQ(down.topColor, storedTop);
  EXPECT_FALSE(doc.IsModified());
  Click(Item(0, kDown, kBorder));
  Press(Control<QCheckBox>(kBorderTab, 2101));  // smooth
  Click(Item(0));
  EXPECT_EQ(down.topColor, 0x000000u);
  EXPECT_EQ(down.botColor, 0xFFFFFFu);
  EXPECT_TRUE(doc.IsModified());

  // A state colour with red 0x30, green 0x20, blue 0x10.
  Click(Item(0, kUp));
  PageControl<ColorButton>(3001)->choose(0x102030);
  Click(Item(0, kUp, kBorder));
  top = Control<ColorButton>(kBorderTab, 2102);
  EXPECT_EQ(top->color(), 0xD8E8F8u);
  EXPECT_EQ(Control<ColorButton>(kBorderTab, 2103)->color(), 0x102030u);
  EXPECT_EQ(Control<ColorButton>(kBorderTab, 2104)->color(), 0x000000u);

  // Turned off, the colours can be chosen, starting from the derived ones.
  Press(Control<QCheckBox>(kBorderTab, 2112));
  EXPECT_TRUE(top->isEnabled());
  top->choose(0x00FF00);
  Press(Control<QToolButton>(kBorderTab, 2106));  // no border
  Click(Item(0));
  const PropBorder& up = *Button(0)->upState->border;
  EXPECT_EQ(up.automatic, 0);
  EXPECT_EQ(up.topColor, 0x00FF00u);
  EXPECT_EQ(up.midColor, 0x102030u);
  EXPECT_EQ(up.style, 0);
  EXPECT_NE(Button(0)->GetScript("", 0).find("BorderStyle=None BorderThick=0 "), std::string::npos);

  // Turned on again, the derived colours come back at once.
  Click(Item(0, kUp, kBorder));
  Press(Control<QCheckBox>(kBorderTab, 2112));
  EXPECT_EQ(Control<ColorButton>(kBorderTab, 2102)->color(), 0xD8E8F8u);
}

TEST_F(StatePagesTest, FramePageAndBorderSizeCheckTheirNumbers) {
  Click(Item(0, kOver, kBorder));
  EXPECT_EQ(Control<IntSpinEdit>(kBorderTab, 2105)->maximum(), 20);
  Type(Control<IntSpinEdit>(kBorderTab, 2105), "7");
  Tabs()->setCurrentIndex(kFrameTab);
  auto* size = Control<IntSpinEdit>(kFrameTab, 2202);
  EXPECT_EQ(size->minimum(), 0);
  EXPECT_EQ(size->maximum(), 10);
  Control<ColorButton>(kFrameTab, 2201)->choose(0x0000FF);
  Type(size, "two");
  Tabs()->setCurrentIndex(kBorderTab);
  Click(Item(0));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(Tabs()->currentIndex(), kFrameTab);  // the bad edit is brought into view
  EXPECT_EQ(Over().border->thick, 7);
  EXPECT_EQ(Over().border->frameColor, 0x0000FFu);

  Type(Control<IntSpinEdit>(kFrameTab, 2202), "2");
  Click(Item(0));
  EXPECT_EQ(Over().border->frameThick, 2);
  const std::string script = Button(0)->GetScript("", 0);
  EXPECT_NE(script.find("BorderThick=7 FrameThick=2 FrameColor=0xFF0000 "), std::string::npos)
      << script;
  // The next border opens on the Frame tab used last.
  Click(Item(0, kDown, kBorder));
  Click(Item(0, kUp, kBorder));
  EXPECT_EQ(Tabs()->currentIndex(), kFrameTab);
}

TEST_F(StatePagesTest, ImageStyleClosesAlignmentAndBrowsingStartsBesideTheProgram) {
  Click(Item(0, kOver, kImage));
  auto* file = PageControl<QLineEdit>(2501);
  auto* left = PageControl<QToolButton>(2505);
  auto* offsetY = PageControl<IntSpinEdit>(2503);
  EXPECT_TRUE(left->isEnabled());
  EXPECT_TRUE(PageControl<QToolButton>(2511)->isChecked());
  Press(PageControl<QToolButton>(2512));  // tile
  EXPECT_FALSE(left->isEnabled());
  EXPECT_FALSE(PageControl<QToolButton>(2510)->isEnabled());
  EXPECT_FALSE(offsetY->isEnabled());
  Press(PageControl<QToolButton>(2511));  // normal
  EXPECT_TRUE(offsetY->isEnabled());
  Press(left);
  Press(PageControl<QToolButton>(2513));  // scale

  // A relative name starts from the program's folder.
  Type(file, "pics/over.gif");
  platform.fileAnswers.push_back("/home/u/Pictures/over.gif");
  Press(PageControl<QToolButton>(2504));
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  EXPECT_TRUE(platform.fileDialogs[0].open);
  EXPECT_EQ(platform.fileDialogs[0].proposed, "/opt/velkobutton/pics/over.gif");
  // Every kind the runtime shows is offered, first; the Java kinds on their own.
  const std::string& filter = platform.fileDialogs[0].filter;
  for (const char* kind : {"*.png;", "*.gif;", "*.jpg;", "*.svg;", "*.webp|"})
    EXPECT_LT(filter.find(kind), filter.find("Java")) << kind;
  EXPECT_EQ(platform.fileDialogs[0].flags,
            unsigned(FdFileMustExist | FdPathMustExist | FdHideReadOnly));
  EXPECT_EQ(file->text(), "/home/u/Pictures/over.gif");
  // An absolute name is taken as it is; Cancel keeps the name.
  Type(file, "C:\\Pics\\a.gif");
  Press(PageControl<QToolButton>(2504));
  EXPECT_EQ(platform.fileDialogs[1].proposed, "C:\\Pics\\a.gif");
  EXPECT_EQ(file->text(), "C:\\Pics\\a.gif");

  Click(Item(0));
  const PropImage& image = *Over().image;
  EXPECT_EQ(image.file, "C:\\Pics\\a.gif");
  EXPECT_EQ(image.style, 2);
  EXPECT_EQ(image.alignX, 0);
  Click(Item(0, kOver, kImage));
  EXPECT_FALSE(PageControl<QToolButton>(2505)->isEnabled());
  EXPECT_TRUE(PageControl<QToolButton>(2505)->isChecked());
}

// Values from a file that no control stands for pass through the pages.
TEST_F(StatePagesTest, ValuesNoControlStandsForAreKept) {
  PropState& up = *Button(0)->upState;
  up.cursor = 20;
  up.transparent = 5;
  up.border->style = 9;
  up.image->alignX = 3;
  up.text->alignY = -1;
  up.text->bold = 4;
  Click(Item(0, kUp));
  EXPECT_EQ(PageControl<QComboBox>(3002)->currentIndex(), -1);
  EXPECT_TRUE(PageControl<QRadioButton>(3009)->isChecked());
  Click(Item(0, kUp, kBorder));
  for (int id = 2106; id <= 2110; ++id)
    EXPECT_FALSE(Control<QToolButton>(kBorderTab, id)->isChecked());
  Click(Item(0, kUp, kImage));
  Click(Item(0, kUp, kText));
  Tabs()->setCurrentIndex(kFontTab);
  EXPECT_TRUE(Control<QToolButton>(kFontTab, 2303)->isChecked());
  Click(Item(0));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(up.cursor, 20);
  EXPECT_EQ(up.transparent, 5);
  EXPECT_EQ(up.border->style, 9);
  EXPECT_EQ(up.image->alignX, 3);
  EXPECT_EQ(up.text->alignY, -1);
  EXPECT_EQ(up.text->bold, 4);
}
