// A project made only through the pages: a value on every page of the project
// and of one button, saved, exported by the real command line, and compared
// with the page the same values give when set directly on the groups.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "OutlineFixture.h"
#include "audio/PropAudio.h"
#include "audio/ViewAudio.h"
#include "core/Archive.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropText.h"
#include "groups/button/ViewAdvanced.h"
#include "groups/button/ViewLeave.h"
#include "groups/button/ViewText.h"
#include "groups/project/InputDetailsDialog.h"
#include "groups/project/TabProject.h"
#include "groups/project/ViewProject.h"
#include "groups/project/ViewScript.h"
#include "support/TempDir.h"
#include "ui/ColorButton.h"
#include "ui/IntSpinEdit.h"
#include "ui/ScriptEdit.h"

namespace {
// Tree items below a state, and the tabs of a button.
enum StateGroup { kText, kBorder, kAudio, kImage, kAdvanced };
enum ButtonTab { kButtonGeneral, kButtonSize, kButtonLink, kButtonLeave };
enum TextTab { kTextTab, kFontTab };
enum BorderTab { kBorderTab, kFrameTab };
enum State { kUp, kOver, kDown };
}  // namespace

class PagesEndToEnd : public OutlineTest {
 public:
  using OutlineTest::Button;
  using OutlineTest::Click;
  using OutlineTest::Control;
  using OutlineTest::Item;
  using OutlineTest::Root;
  using OutlineTest::Tabs;
  using OutlineTest::Type;

  // Opens the page of `item` on tab `tab` (-1: an untabbed page).
  void Open(const QModelIndex& item, int tab = -1) {
    Click(item);
    if (tab >= 0) Tabs()->setCurrentIndex(tab);
  }
  template <class Page>
  Page* Current() const {
    return qobject_cast<Page*>(props->currentPage());
  }
  // A control of the single (untabbed) page shown.
  template <class W>
  W* PageControl(int id) const {
    auto* page = Current<KesView>();
    return page ? qobject_cast<W*>(page->control(id)) : nullptr;
  }
  void Press(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  void TypeScript(ScriptEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClicks(edit, text);
  }

  // Runs `answer` on the modal dialog that opens next.
  template <class Dialog>
  static void Answer(std::function<void(Dialog*)> answer) {
    QTimer::singleShot(0, [answer] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      ASSERT_TRUE(dialog);
      answer(dialog);
    });
  }
};

namespace {
// One page's values: set through its widgets as a user does, and the same
// values set directly on the groups of a new project.
struct PageValues {
  const char* page;
  std::function<void(PagesEndToEnd&)> throughPage;
  std::function<void(Doc&)> onGroups;
};

PropButton& First(Doc& doc) {
  return *doc.ButtonPointers().front();
}

// Every page, a value on each of its controls. The project's General page
// comes first: its "User Defined" layout opens the button's Size page.
std::vector<PageValues> EveryPage() {
  return {
      {"project General",
       [](PagesEndToEnd& t) {
         t.Open(t.Root(), TabProject::kGeneral);
         t.Type(t.Control<QLineEdit>(TabProject::kGeneral, 3112), "Main Menu");
         t.Type(t.Control<IntSpinEdit>(TabProject::kGeneral, 3104), "90");
         t.Type(t.Control<IntSpinEdit>(TabProject::kGeneral, 3105), "30");
         t.Type(t.Control<IntSpinEdit>(TabProject::kGeneral, 3106), "4");
         auto* layout = t.Control<QComboBox>(TabProject::kGeneral, 3103);
         layout->setFocus();
         QTest::keyClick(layout, Qt::Key_End);  // "User Defined"
         t.Type(t.Control<IntSpinEdit>(TabProject::kGeneral, 3101), "300");
         t.Type(t.Control<IntSpinEdit>(TabProject::kGeneral, 3102), "120");
       },
       [](Doc& doc) {
         PropProject& p = *doc.project();
         p.identifier = "Main Menu";
         p.buttonWidth = 90;
         p.buttonHeight = 30;
         p.spacing = 4;
         p.layout = ViewProject::kUserDefined;
         p.projectWidth = 300;
         p.projectHeight = 120;
       }},
      {"project Background",
       [](PagesEndToEnd& t) {
         t.Open(t.Root(), TabProject::kBackground);
         t.Control<ColorButton>(TabProject::kBackground, 3201)->choose(0x3366CC);
         t.Type(t.Control<QLineEdit>(TabProject::kBackground, 3202), "back.gif");
         t.Press(t.Control<QToolButton>(TabProject::kBackground, 3205));
       },
       [](Doc& doc) {
         doc.project()->backgroundColor = 0x3366CC;
         doc.project()->backgroundImage = "back.gif";
         doc.project()->imageStyle = 1;
       }},
      {"project Output",
       [](PagesEndToEnd& t) {
         t.Open(t.Root(), TabProject::kOutput);
         t.Press(t.Control<QCheckBox>(TabProject::kOutput, 3501));
         t.Type(t.Control<IntSpinEdit>(TabProject::kOutput, 3502), "15");
         t.Type(t.Control<QLineEdit>(TabProject::kOutput, 3506), "classes/");
         // The input file's details are kept for a page that reads them.
         t.Press(t.Control<QCheckBox>(TabProject::kOutput, 3503));
         PagesEndToEnd::Answer<InputDetailsDialog>([](InputDetailsDialog* d) {
           d->fileEdit()->setText("menu.txt");
           d->intervalEdit()->setText("60");
           QTest::mouseClick(d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                             Qt::LeftButton);
         });
         t.Press(t.Control<QPushButton>(TabProject::kOutput, 3504));
         t.Press(t.Control<QCheckBox>(TabProject::kOutput, 3503));
       },
       [](Doc& doc) {
         doc.project()->tokenize = 0;
         doc.project()->refreshRate = 15;
         doc.project()->codeBase = "classes/";
         doc.project()->inputFile = "menu.txt";
         doc.project()->reloadInterval = 60;
       }},
      {"project VelkoScript",
       [](PagesEndToEnd& t) {
         t.Open(t.Root(), TabProject::kScript);
         auto* page = qobject_cast<ViewScript*>(t.Tabs()->page(TabProject::kScript));
         t.TypeScript(page->beforeEdit(), "Set a=1;");
         t.TypeScript(page->afterEdit(), "Hide;");
       },
       [](Doc& doc) {
         doc.project()->beforeScript = "Set a=1;";
         doc.project()->afterScript = "Hide;";
       }},
      {"button General",
       [](PagesEndToEnd& t) {
         t.Open(t.Item(0), kButtonGeneral);
         t.Type(t.Control<QLineEdit>(kButtonGeneral, 2604), "Home");
         t.Press(t.Control<QToolButton>(kButtonGeneral, 2602));
         t.Type(t.Control<QLineEdit>(kButtonGeneral, 2612), "Back to the start");
         t.Press(t.Control<QCheckBox>(kButtonGeneral, 2611));
         t.Press(t.Control<QCheckBox>(kButtonGeneral, 2610));
       },
       [](Doc& doc) {
         // The captions that read the old name follow it.
         for (PropState* s :
              {First(doc).upState.get(), First(doc).overState.get(), First(doc).downState.get()})
           if (s->text->text == First(doc).name) s->text->text = "Home";
         First(doc).name = "Home";
         First(doc).mode = 1;
         First(doc).tip = "Back to the start";
         First(doc).initiallyDown = 1;
         First(doc).drag = 1;
       }},
      {"button Size",
       [](PagesEndToEnd& t) {
         t.Open(t.Item(0), kButtonSize);
         const char* values[4] = {"10", "20", "80", "25"};
         for (int i = 0; i < 4; ++i)
           t.Type(t.Control<IntSpinEdit>(kButtonSize, 2701 + i), values[i]);
       },
       [](Doc& doc) {
         First(doc).x = 10;
         First(doc).y = 20;
         First(doc).width = 80;
         First(doc).height = 25;
       }},
      {"button Link",
       [](PagesEndToEnd& t) {
         t.Open(t.Item(0), kButtonLink);
         t.Type(t.Control<QComboBox>(kButtonLink, 2801), "index.html");
         t.Type(t.Control<QComboBox>(kButtonLink, 2802), "_top");
         t.Type(t.Control<QLineEdit>(kButtonLink, 2803), "Start page");
       },
       [](Doc& doc) {
         First(doc).url = "index.html";
         First(doc).target = "_top";
         First(doc).status = "Start page";
       }},
      {"button Mouse Leave",
       [](PagesEndToEnd& t) {
         t.Open(t.Item(0), kButtonLeave);
         t.TypeScript(qobject_cast<ViewLeave*>(t.Tabs()->page(kButtonLeave))->scriptEdit(),
                      "StateSet 'Home' 0;");
       },
       [](Doc& doc) { First(doc).leaveScript = "StateSet 'Home' 0;"; }},
      {"Over state",
       [](PagesEndToEnd& t) {
         t.Open(t.Item(0, kOver));
         t.Press(t.PageControl<QRadioButton>(3009));  // transparent
         t.PageControl<ColorButton>(3001)->choose(0x0000FF);
         t.PageControl<QComboBox>(3002)->setCurrentIndex(13);
         t.Type(t.PageControl<IntSpinEdit>(3003), "3");
         t.Type(t.PageControl<IntSpinEdit>(3004), "-2");
         t.Press(t.PageControl<QCheckBox>(3019));
       },
       [](Doc& doc) {
         PropState& s = *First(doc).overState;
         s.transparent = 1;
         s.color = 0x0000FF;
         s.cursor = 13;
         s.offsetX = 3;
         s.offsetY = -2;
         s.animate = 1;
       }},
      {"Over state's Text",
       [](PagesEndToEnd& t) {
         t.Open(t.Item(0, kOver, kText), kTextTab);
         auto* text = qobject_cast<ViewText*>(t.Tabs()->page(kTextTab))->textEdit();
         text->setFocus();
         text->selectAll();
         QTest::keyClicks(text, "Go");
         QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
         QTest::keyClicks(text, "'there'");
         t.Control<ColorButton>(kTextTab, 3405)->choose(0x00FF00);
         t.Press(t.Control<QToolButton>(kTextTab, 3408));
         t.Press(t.Control<QToolButton>(kTextTab, 3411));
         t.Type(t.Control<IntSpinEdit>(kTextTab, 3403), "1");
         t.Type(t.Control<IntSpinEdit>(kTextTab, 3404), "2");
       },
       [](Doc& doc) {
         PropText& text = *First(doc).overState->text;
         text.text = "Go\r\n'there'";
         text.textColor = 0x00FF00;
         text.alignX = 2;
         text.alignY = 2;
         text.offsetX = 1;
         text.offsetY = 2;
       }},
      {"Over state's Font",
       [](PagesEndToEnd& t) {
         t.Open(t.Item(0, kOver, kText), kFontTab);
         t.Type(t.Control<QComboBox>(kFontTab, 2301), "Courier");
         t.Type(t.Control<QComboBox>(kFontTab, 2302), "14");
         t.Press(t.Control<QToolButton>(kFontTab, 2303));
         t.Press(t.Control<QToolButton>(kFontTab, 2305));
       },
       [](Doc& doc) {
         PropText& text = *First(doc).overState->text;
         text.font = "Courier";
         text.size = 14;
         text.bold = 1;
         text.underline = 1;
       }},
      {"Over state's Border",
       [](PagesEndToEnd& t) {
         t.Open(t.Item(0, kOver, kBorder), kBorderTab);
         t.Press(t.Control<QToolButton>(kBorderTab, 2110));
         t.Type(t.Control<IntSpinEdit>(kBorderTab, 2105), "5");
         t.Press(t.Control<QCheckBox>(kBorderTab, 2101));
         t.Press(t.Control<QCheckBox>(kBorderTab, 2112));
         t.Control<ColorButton>(kBorderTab, 2102)->choose(0x123456);
       },
       [](Doc& doc) {
         PropBorder& border = *First(doc).overState->border;
         border.style = 4;
         border.thick = 5;
         border.smooth = 0;
         border.automatic = 0;
         border.topColor = 0x123456;
         // The automatic colours the page showed for the blue state.
         border.midColor = 0x0000FF;
         border.botColor = 0x000037;
       }},
      {"Over state's Frame",
       [](PagesEndToEnd& t) {
         t.Open(t.Item(0, kOver, kBorder), kFrameTab);
         t.Control<ColorButton>(kFrameTab, 2201)->choose(0x654321);
         t.Type(t.Control<IntSpinEdit>(kFrameTab, 2202), "2");
       },
       [](Doc& doc) {
         First(doc).overState->border->frameColor = 0x654321;
         First(doc).overState->border->frameThick = 2;
       }},
      {"Over state's Image",
       [](PagesEndToEnd& t) {
         t.Open(t.Item(0, kOver, kImage));
         t.Type(t.PageControl<QLineEdit>(2501), "pics/over.gif");
         t.Press(t.PageControl<QToolButton>(2513));  // scale
       },
       [](Doc& doc) {
         First(doc).overState->image->file = "pics/over.gif";
         First(doc).overState->image->style = 2;
       }},
      {"Over state's Advanced",
       [](PagesEndToEnd& t) {
         t.Open(t.Item(0, kOver, kAdvanced));
         t.TypeScript(t.Current<ViewAdvanced>()->scriptEdit(), "Show;");
       },
       [](Doc& doc) { First(doc).overState->advanced->script = "Show;"; }},
      {"Down state's Audio",
       [](PagesEndToEnd& t) {
         t.Open(t.Item(0, kDown, kAudio));
         auto* page = t.Current<ViewAudio>();
         t.Type(page->control(1903), "click.au");
         t.Press(qobject_cast<QToolButton*>(page->control(1905)));
       },
       [](Doc& doc) {
         First(doc).downState->audio->file = "click.au";
         First(doc).downState->audio->mode = 1;
       }},
  };
}

// `velkobutton export --format FORMAT PROJECT`, with settings of its own.
std::string Export(const std::string& project, const char* format, const TempDir& home) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.dir()));
  env.insert("HOME", QString::fromStdString(home.dir()));
  process.setProcessEnvironment(env);
  process.start(VB_EXECUTABLE, {"export", "--format", format, QString::fromStdString(project)});
  EXPECT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  return process.readAllStandardOutput().toStdString();
}
}  // namespace

TEST_F(PagesEndToEnd, AProjectMadeOnlyThroughThePagesExportsThePageOfItsValues) {
  const std::vector<PageValues> pages = EveryPage();
  for (const PageValues& page : pages) {
    SCOPED_TRACE(page.page);
    page.throughPage(*this);
  }
  Click(Item(0, kUp));  // the last page hands its values over
  EXPECT_TRUE(platform.messages.empty());
  TempDir dir;
  const std::string path = dir / "made.but";
  ASSERT_TRUE(doc.DoSave(path));

  TestPlatform platform2;
  KesApp app2(platform2);
  Doc direct(app2);
  app2.setCurrentDoc(&direct);
  ASSERT_TRUE(direct.OnNewDocument());
  for (const PageValues& page : pages) page.onGroups(direct);

  const std::string expected = direct.BuildHtml(PageMode::Page);
  const std::string exported = Export(path, "page", dir);
  EXPECT_EQ(exported, expected);
  // The values set on the pages are in the page written.
  for (const char* text :
       {"Main Menu", "Set a=1;", "Hide;", "'Home'", "Back to the start", "_top",
        "StateSet 'Home' 0;", "Show;", "click.au", "back.gif", "over.gif", "Courier"})
    EXPECT_NE(exported.find(text), std::string::npos) << text;
  // The state's values read as the applet reads them (its offsets move it
  // from the button's own place).
  const std::string statement = First(direct).GetScript("", 0);
  for (const char* text :
       {"Over Style=Transparent Color=0xFF0000 X=13 Y=18 Text='Go\\n\\'there\\'' ",
        "BorderThick=5 ", "FrameThick=2 FrameColor=0x214365"})
    EXPECT_NE(statement.find(text), std::string::npos) << statement;

  // The project file holds the same values too (the details of the input
  // file, which that page does not show, included).
  Archive ar;
  direct.Serialize(ar);
  EXPECT_EQ(Export(path, "project", dir), ar.TakeBytes());
}
