// Text in any language is stored as typed; what is no text at all (a file
// name whose bytes are not UTF-8, half of a surrogate pair) is refused: a
// picked file with such a name keeps the old name, typed text of that kind
// refuses the page's commit, and nothing is stored damaged.
#include <QToolButton>

#include "OutlineFixture.h"
#include "audio/PropAudio.h"
#include "core/Archive.h"
#include "core/Messages.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropText.h"
#include "groups/button/ViewText.h"
#include "groups/project/TabProject.h"
#include "ui/ScriptEdit.h"
#include "ui/Text.h"

namespace {
enum State { kUp, kOver, kDown };
enum Group { kText, kBorder, kAudio, kImage, kAdvanced };
enum ButtonTab { kButtonGeneral };

// A "..." picker of a page: the edit it fills and the button that opens it.
struct Picker {
  const char* page;
  int edit;
  int button;
};

class StorableTextTest : public OutlineTest {
 protected:
  KesView* Page() const {
    if (KfcViewTab* tabs = Tabs()) return tabs->page(tabs->currentIndex());
    return qobject_cast<KesView*>(props->currentPage());
  }
  template <class W>
  W* PageControl(int id) const {
    return qobject_cast<W*>(Page()->control(id));
  }
  // Picks `path` with the picker's button, as the file dialog returns it.
  void Pick(const Picker& picker, const std::string& path) {
    platform.fileAnswers.push_back(path);
    QTest::mouseClick(PageControl<QToolButton>(picker.button), Qt::LeftButton);
  }
  // Types `text` key by key; a letter beyond ASCII comes as a key event
  // carrying its text, as a keyboard layout of its language sends it.
  static void TypeLetters(QWidget* w, const QString& text) {
    for (const QChar c : text) {
      if (c.unicode() < 0x80)
        QTest::keyClick(w, c.toLatin1());
      else
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
  std::string NotStorable(const std::string& name) const {
    return msg::Format(msg::kNameNotStorable, name);
  }
};
}  // namespace

TEST_F(StorableTextTest, PickedNamesInAnyLanguageAreStoredAndDamagedOnesRefused) {
  const Picker pickers[] = {
      {"image", 2501, 2504}, {"background", 3202, 3203}, {"audio", 1903, 1901}};
  for (const Picker& picker : pickers) {
    SCOPED_TRACE(picker.page);
    platform.messages.clear();
    platform.fileDialogs.clear();
    if (picker.edit == 2501) Click(Item(0, kOver, kImage));
    if (picker.edit == 3202) {
      Click(Root());
      Tabs()->setCurrentIndex(TabProject::kBackground);
    }
    if (picker.edit == 1903) Click(Item(0, kDown, kAudio));
    auto* edit = PageControl<QLineEdit>(picker.edit);
    ASSERT_TRUE(edit);
    Type(edit, "/snd/old.gif");

    // A name whose bytes are no UTF-8 is no text: the message names the file
    // with U+FFFD for what cannot be shown, and the edit keeps its name.
    Pick(picker, "/pics/\xE9t\xE9.gif");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, NotStorable(u8"/pics/\uFFFDt\uFFFD.gif"));
    EXPECT_EQ(edit->text(), "/snd/old.gif");

    // Names in any language are stored, and the next dialog starts from the
    // last in the system's encoding.
    Pick(picker, u8"/pics/画像.gif");
    EXPECT_EQ(edit->text(), QString::fromUtf8(u8"/pics/画像.gif"));
    Pick(picker, u8"/pics/café.gif");
    EXPECT_EQ(edit->text(), QString::fromUtf8(u8"/pics/café.gif"));
    Pick(picker, std::string());  // Cancel
    ASSERT_EQ(platform.fileDialogs.size(), 4u);
    EXPECT_EQ(platform.fileDialogs[3].proposed, u8"/pics/café.gif");
    EXPECT_EQ(platform.messages.size(), 1u);
  }
  Click(Item(0));
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(Button(0)->overState->image->file, u8"/pics/café.gif");
  EXPECT_EQ(doc.project()->backgroundImage, u8"/pics/café.gif");
  EXPECT_EQ(Button(0)->downState->audio->file, u8"/pics/café.gif");
}

TEST_F(StorableTextTest, TypedTextThePageCannotStoreRefusesTheCommitAndKeepsThePage) {
  PropText& text = *Button(0)->upState->text;
  const std::string caption = text.text;
  Click(Item(0, kUp, kText));
  auto* page = qobject_cast<ViewText*>(Tabs()->page(0));
  ScriptEdit* edit = page->textEdit();
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, "Go");
  QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier);
  const QString broken = QString("Home ") + QChar(0xDC00);
  edit->insertPlainText(broken);  // a fragment of a broken string pasted
  Type(Control<QWidget>(0, 3403), "7");

  // Leaving the page: refused, nothing of the page taken, the page stays.
  Click(Item(0, kDown));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::Format(msg::kTextNotStorable, FromQ(broken)));
  EXPECT_EQ(tree->currentIndex(), Item(0, kUp, kText));
  EXPECT_EQ(Tabs()->page(0), page);
  EXPECT_TRUE(edit->hasFocus());
  EXPECT_EQ(text.text, caption);
  EXPECT_EQ(text.offsetX, 0);
  EXPECT_FALSE(doc.IsModified());
  // Saving and previewing are refused the same way.
  platform.messages.clear();
  EXPECT_FALSE(app.CommitPages());
  EXPECT_EQ(platform.messages.size(), 1u);

  // Text in any language goes through: typed letters, and an emoji as an
  // input method inserts it.
  edit->selectAll();
  TypeLetters(edit, QString::fromUtf8(u8"Koláče "));
  edit->insertPlainText(QString::fromUtf8(u8"🍞"));
  platform.messages.clear();
  Click(Item(0, kDown));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(tree->currentIndex(), Item(0, kDown));
  EXPECT_EQ(text.text, u8"Koláče 🍞");
  EXPECT_EQ(text.offsetX, 7);

  // The button's name too: the tree shows it, and the saved file holds
  // both behind the UTF-8 mark.
  Click(Item(0));
  auto* name = Control<QLineEdit>(kButtonGeneral, 2604);
  name->selectAll();
  TypeLetters(name, QString::fromUtf8(u8"Koláče"));
  Click(Item(0, kUp));
  EXPECT_EQ(Text(Item(0)), QString::fromUtf8(u8"Koláče"));
  Archive saved;
  doc.Serialize(saved);
  for (const std::string text : {u8"Koláče 🍞", u8"Koláče"}) {
    const std::string stored = "\xEF\xBB\xBF" + text;
    EXPECT_NE(saved.Bytes().find(static_cast<char>(stored.size()) + stored), std::string::npos)
        << text;
  }
}

TEST_F(StorableTextTest, TheRefusalShowsTheTabAndTheLineOfTheText) {
  // A line edit on the first tab while another tab is shown.
  Click(Item(0));
  Tabs()->setCurrentIndex(2);
  const QString broken = QString::fromUtf8(u8"Ωμέγα") + QChar(0xD800);
  Control<QLineEdit>(kButtonGeneral, 2612)->insert(broken);
  Click(Item(0, kUp, kAdvanced));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::Format(msg::kTextNotStorable, FromQ(broken)));
  EXPECT_EQ(Tabs()->currentIndex(), kButtonGeneral);
  EXPECT_TRUE(Button(0)->tip.empty());
  Control<QLineEdit>(kButtonGeneral, 2612)->selectAll();
  TypeLetters(Control<QLineEdit>(kButtonGeneral, 2612), QString::fromUtf8(u8"Ωμέγα"));
  Click(Item(0, kUp, kAdvanced));
  EXPECT_EQ(Button(0)->tip, u8"Ωμέγα");

  // In a script only the offending line is quoted.
  auto* script = Page()->findChild<ScriptEdit*>();
  ASSERT_TRUE(script);
  script->setFocus();
  QTest::keyClicks(script, "Show;");
  QTest::keyClick(script, Qt::Key_Return);
  const QString line = QString("Status '") + QChar(0xDC00) + "';";
  script->insertPlainText(line);
  platform.messages.clear();
  Click(Item(0, kUp));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::Format(msg::kTextNotStorable, FromQ(line)));
  EXPECT_TRUE(Button(0)->upState->advanced->script.empty());
}
