// Names and text the project cannot hold (it stores Windows-1252): a picked
// file with such a name is refused and the old name kept; typed text of that
// kind refuses the page's commit, and nothing is stored damaged.
#include <QToolButton>

#include "OutlineFixture.h"
#include "audio/PropAudio.h"
#include "core/Messages.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropText.h"
#include "groups/button/ViewText.h"
#include "groups/project/TabProject.h"
#include "ui/ScriptEdit.h"

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
  std::string NotStorable(const std::string& name) const {
    return msg::Format(msg::kNameNotStorable, name);
  }
};
}  // namespace

TEST_F(StorableTextTest, PickedNamesThePageCannotStoreAreRefusedAndTheOldNameKept) {
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

    // Japanese names have no Windows-1252 form: the message names the file
    // with '?' for what cannot be shown, and the edit keeps its name.
    Pick(picker, u8"/pics/画像.gif");
    Pick(picker, u8"/snd/音.au");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, NotStorable("/pics/??.gif"));
    EXPECT_EQ(platform.messages[1].text, NotStorable("/snd/?.au"));
    EXPECT_EQ(edit->text(), "/snd/old.gif");

    // An accented Latin name is stored as its Windows-1252 bytes, and the
    // next dialog starts from it in the system's encoding.
    Pick(picker, u8"/pics/café.gif");
    EXPECT_EQ(edit->text(), QString::fromUtf8(u8"/pics/café.gif"));
    Pick(picker, std::string());  // Cancel
    ASSERT_EQ(platform.fileDialogs.size(), 4u);
    EXPECT_EQ(platform.fileDialogs[3].proposed, u8"/pics/café.gif");
    EXPECT_EQ(platform.messages.size(), 2u);
  }
  Click(Item(0));
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(Button(0)->overState->image->file, "/pics/caf\xE9.gif");
  EXPECT_EQ(doc.project()->backgroundImage, "/pics/caf\xE9.gif");
  EXPECT_EQ(Button(0)->downState->audio->file, "/pics/caf\xE9.gif");
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
  edit->insertPlainText(QString::fromUtf8(u8"日本 Home"));  // as an input method does
  Type(Control<QWidget>(0, 3403), "7");

  // Leaving the page: refused, nothing of the page taken, the page stays.
  Click(Item(0, kDown));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::Format(msg::kTextNotStorable, "?? Home"));
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

  // Text Windows-1252 holds (an accent, the euro sign) goes through.
  edit->selectAll();
  edit->insertPlainText(QString::fromUtf8(u8"Café €5"));
  platform.messages.clear();
  Click(Item(0, kDown));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(tree->currentIndex(), Item(0, kDown));
  EXPECT_EQ(text.text,
            "Caf\xE9 \x80"
            "5");
  EXPECT_EQ(text.offsetX, 7);
}

TEST_F(StorableTextTest, TheRefusalShowsTheTabAndTheLineOfTheText) {
  // A line edit on the first tab while another tab is shown.
  Click(Item(0));
  Tabs()->setCurrentIndex(2);
  Control<QLineEdit>(kButtonGeneral, 2612)->insert(QString::fromUtf8(u8"Ωμέγα"));
  Click(Item(0, kUp, kAdvanced));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::Format(msg::kTextNotStorable, "?????"));
  EXPECT_EQ(Tabs()->currentIndex(), kButtonGeneral);
  EXPECT_TRUE(Button(0)->tip.empty());
  Type(Control<QLineEdit>(kButtonGeneral, 2612), "Omega");
  Click(Item(0, kUp, kAdvanced));
  EXPECT_EQ(Button(0)->tip, "Omega");

  // In a script only the offending line is quoted.
  auto* script = Page()->findChild<ScriptEdit*>();
  ASSERT_TRUE(script);
  script->setFocus();
  QTest::keyClicks(script, "Show;");
  QTest::keyClick(script, Qt::Key_Return);
  script->insertPlainText(QString::fromUtf8(u8"Status '→';"));
  platform.messages.clear();
  Click(Item(0, kUp));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::Format(msg::kTextNotStorable, "Status '?';"));
  EXPECT_TRUE(Button(0)->upState->advanced->script.empty());
}
