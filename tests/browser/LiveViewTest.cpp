// The Live View in the real main window with Qt WebEngine, walked through as
// a designer uses it: its page is the published page's buttons, links and
// labels with their captions as text, driven by the runtime; a caption and a
// colour changed on their pages show at once, without Preview; the selected
// Over state shows its look; a click in the view selects the button in the
// tree, also zoomed; a drag in a free layout moves the button and Undo puts
// it back; tried, a button shows Over under the pointer and Up once the
// pointer has left, however fast; a script that never ends does not hold
// the editor, and the view comes back with the next change. The view shows
// the whole project on the project's colour, outlines every selected button,
// and a rubber band on empty canvas selects the buttons it touches.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "browser/BrowserPage.h"
#include "core/Doc.h"
#include "core/Messages.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "groups/project/PropProject.h"
#include "support/TestPlatform.h"
#include "ui/App.h"
#include "ui/ColorButton.h"
#include "ui/CommandIds.h"
#include "ui/FrameMain.h"
#include "ui/KesView.h"
#include "ui/KesWndProperties.h"
#include "ui/LiveSession.h"
#include "ui/LiveView.h"
#include "ui/MainWindowParts.h"
#include "ui/QuietApp.h"
#include "ui/ScriptEdit.h"
#include "ui/Text.h"
#include "ui/ViewOutline.h"

namespace {

using browser::RunJs;
using browser::WaitFor;

constexpr int kCaption = 3401;
constexpr int kStateColour = 3001;
constexpr int kOver = 1;
constexpr int kText = 0;

QString RuntimeFile() {
  QFile f(QStringLiteral(VB_SOURCE_DIR "/runtime/velkobutton.js"));
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

class LiveViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the web engine library itself trips AddressSanitizer";
#endif
    ASSERT_TRUE(dir.isValid());
    QFile js(dir.filePath("velkobutton.js"));
    ASSERT_TRUE(js.open(QIODevice::WriteOnly));
    js.write(RuntimeFile().toUtf8());
    js.close();
    platform.programDir = dir.path().toStdString() + "/";
    platform.previewDir = dir.filePath("Preview/").toStdString();
    qunsetenv("VELKOBUTTON_NO_BROWSER");
    app = std::make_unique<App>(platform, Quiet(true));
    ASSERT_TRUE(app->InitInstance({}));
    frame = app->frame();
    live = frame->live();
    ASSERT_TRUE(live->available());
    ASSERT_TRUE(app->OpenDocumentFile(VB_SOURCE_DIR "/examples/demo.but"));
    ASSERT_TRUE(Drawn(0)) << "the demo is never drawn";
  }
  void TearDown() override {
    if (app) {
      app->doc().SetModifiedFlag(false);
      app->ExitInstance();
    }
    qputenv("VELKOBUTTON_NO_BROWSER", "1");
  }

  // Waits until the view has drawn more than `count` times and the runtime is running.
  bool Drawn(int count, int ms = 15000) {
    return WaitFor(
        [&] {
          return live->drawnCount() > count &&
                 Js("!!(window.VelkoButtonRuntime&&VelkoButtonRuntime.control(0))").toBool();
        },
        ms);
  }
  QVariant Js(const QString& e) {
    return RunJs(live->view()->page(), e, 3000);
  }
  // The colour shown at applet pixel (x, y) as "r,g,b".
  QString Pixel(int x, int y) {
    const QImage shot = live->view()->grab().toImage();
    const QPoint at = OnScreen(QPoint(x, y));
    if (!shot.valid(at)) return QString();
    const QColor c = shot.pixelColor(at);
    return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
  }
  // The element of button `i`: the top-most whose box holds a point inside
  // it (the buttons take no pointer while the editor has the mouse).
  QString Element(int i) {
    const QPoint p = Inside(i);
    return QStringLiteral(
               "(function(){var r=document.querySelector('applet .vb')"
               ".getBoundingClientRect(),x=r.left+%1,y=r.top+%2,hit=null;"
               "document.querySelectorAll('applet .vb .b').forEach(function(e){"
               "var b=e.getBoundingClientRect();if(x>=b.left&&x<b.right&&y>=b.top&&"
               "y<b.bottom)hit=e;});return hit;})()")
        .arg(p.x())
        .arg(p.y());
  }
  // A point inside button `i`, near its left edge, off its caption and border.
  QPoint Inside(int i) {
    const PropButton& b = *app->doc().buttons()[std::size_t(i)];
    return QPoint(b.x + 6, b.y + b.height / 2);
  }
  QString Colour(int i) {
    const QPoint p = Inside(i);
    return Pixel(p.x(), p.y());
  }
  int Outlined() {
    return Js("Array.prototype.filter.call(document.querySelectorAll('applet .vb .b'),"
              "function(e){return e.style.outlineStyle==='dashed'}).length")
        .toInt();
  }
  QModelIndex Item(int b, int s = -1, int g = -1) const {
    return TreeItem(frame, b, s, g);
  }
  void Select(const QModelIndex& item) {
    SelectItem(frame, item);
  }
  template <class W>
  W* Control(int id) const {
    return PageControl<W>(frame, id);
  }
  // Where applet pixel `p` is on the view.
  QPoint OnScreen(QPoint p) {
    const QVariantList at = Js("(function(){var r=document.querySelector('applet .vb')"
                               ".getBoundingClientRect();return [r.left,r.top];})()")
                                .toList();
    const double zoom = live->zoom() / 100.0;
    return QPoint(int((at.value(0).toDouble() + p.x()) * zoom),
                  int((at.value(1).toDouble() + p.y()) * zoom));
  }
  QWidget* Input() const {
    QWidget* proxy = live->view()->focusProxy();
    return proxy ? proxy : live->view();
  }
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held,
             Qt::KeyboardModifiers keys = Qt::NoModifier) {
    const QPointF local(at);
    QMouseEvent e(type, local, local, QPointF(Input()->mapToGlobal(at)),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, keys);
    QApplication::sendEvent(Input(), &e);
    browser::Pause(40);
  }

  QTemporaryDir dir;
  TestPlatform platform;
  std::unique_ptr<App> app;
  FrameMain* frame = nullptr;
  LiveView* live = nullptr;
};

TEST_F(LiveViewTest, FollowsThePagesShowsTheSelectionAndMovesButtons) {
  Doc& doc = app->doc();
  // Applet pixels are the view's below, whatever the fit chose.
  live->SetZoom(100);
  const int drawnAtStart = live->drawnCount();
  const QString homeUp = Colour(0);
  EXPECT_EQ(homeUp, "0,64,128") << "the demo's Home button, Up";
  // The page is the published page's: the buttons are elements of the
  // page, captioned with text, that the runtime drives.
  EXPECT_EQ(Js("document.querySelectorAll('applet .vb .b').length").toInt(),
            int(doc.ButtonCount()));
  EXPECT_EQ(Js(Element(0) + ".textContent").toString().toStdString(),
            doc.buttons()[0]->upState->text->text);
  EXPECT_EQ(Js("document.querySelectorAll('canvas').length").toInt(), 0);
  // Laid out as browsers lay out the published page, not in their quirks mode.
  EXPECT_EQ(Js("document.compatMode").toString(), "CSS1Compat");

  // A new caption typed on the Up text page and Enter: it is the element's text.
  Select(Item(0, 0, kText));
  auto* caption = Control<ScriptEdit>(kCaption);
  ASSERT_NE(caption, nullptr);
  caption->setFocus();
  caption->selectAll();
  QTest::keyClicks(caption, "Welcome");
  QTest::keyClick(caption, Qt::Key_Return);
  ASSERT_TRUE(WaitFor([&] { return Js(Element(0) + ".textContent").toString() == "Welcome"; }));
  EXPECT_EQ(doc.buttons()[0]->upState->text->text, "Welcome");
  EXPECT_EQ(Js("VelkoButtonRuntime.control(0)&&document.querySelector('applet')"
               ".velkoButton.find('Home').look(0).text")
                .toString(),
            "Welcome");
  // Only the button that changed went to the page.
  EXPECT_EQ(live->lastButtonsSent(), 1u);

  // A colour chosen on the Up state's page.
  Select(Item(0, 0));
  auto* colour = Control<ColorButton>(kStateColour);
  ASSERT_NE(colour, nullptr);
  colour->choose(0x0000FF);  // red, as the engine keeps colours
  ASSERT_TRUE(WaitFor([&] { return Colour(0) == "255,0,0"; })) << Colour(0).toStdString();

  // The Over state selected: that button shows its Over look, the others stay Up.
  const QString productsUp = Colour(1);
  Select(Item(0, kOver));
  ASSERT_TRUE(WaitFor([&] { return Colour(0) == "0,96,192"; })) << Colour(0).toStdString();
  EXPECT_EQ(Colour(1), productsUp);
  // The selected button is marked, and only it.
  EXPECT_EQ(Js(Element(0) + ".style.outlineStyle").toString(), "dashed");
  EXPECT_NE(Js(Element(1) + ".style.outlineStyle").toString(), "dashed");

  // A click on the second button selects it in the tree, in the Over state still.
  Mouse(QEvent::MouseMove, OnScreen(Inside(1)), Qt::NoButton);
  Mouse(QEvent::MouseButtonPress, OnScreen(Inside(1)), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, OnScreen(Inside(1)), Qt::NoButton);
  ASSERT_TRUE(WaitFor([&] { return frame->outline()->currentIndex() == Item(1, kOver); }));
  // The view keeps the keyboard for the arrow keys; Escape gives it to the tree.
  EXPECT_TRUE(live->view()->isAncestorOf(QApplication::focusWidget()) ||
              QApplication::focusWidget() == live->view());
  QTest::keyClick(Input(), Qt::Key_Escape);
  EXPECT_EQ(QApplication::focusWidget(), frame->outline());
  // Ctrl+click adds a button to the selection.
  Mouse(QEvent::MouseButtonPress, OnScreen(Inside(0)), Qt::LeftButton, Qt::ControlModifier);
  Mouse(QEvent::MouseButtonRelease, OnScreen(Inside(0)), Qt::NoButton, Qt::ControlModifier);
  ASSERT_TRUE(
      WaitFor([&] { return frame->outline()->selectionModel()->selectedIndexes().size() == 2; }));
  EXPECT_EQ(frame->outline()->SelectedGroups().size(), 2u);
  Select(Item(1, kOver));

  // In a free layout a drag moves the button; Undo puts it back.
  PropProject& project = *doc.project();
  const std::string was = Doc::CopyGroup(project);
  const Doc::Geometry geometry = doc.CaptureGeometry();
  project.layout = PropProject::kLayoutFree;
  const int drawnInFlow = live->drawnCount();
  doc.RecordGroupEdit(doc.PathOf(&project), was, "Change Project", &geometry);
  // Another layout is another page, which the view loads anew.
  ASSERT_TRUE(Drawn(drawnInFlow));
  browser::Pause(300);
  const int x = doc.buttons()[1]->x, y = doc.buttons()[1]->y;
  const QPoint from = OnScreen(Inside(1));
  Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
  for (int step = 1; step <= 5; ++step)
    Mouse(QEvent::MouseMove, from + QPoint(4 * step, 2 * step), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, from + QPoint(20, 10), Qt::NoButton);
  ASSERT_TRUE(WaitFor([&] { return doc.buttons()[1]->x != x; }));
  EXPECT_EQ(doc.buttons()[1]->x, x + 20);
  EXPECT_EQ(doc.buttons()[1]->y, y + 10);
  frame->action(kCmdEditUndo)->trigger();
  EXPECT_EQ(doc.buttons()[1]->x, x);
  EXPECT_EQ(doc.buttons()[1]->y, y);
  // Arrow keys nudge the selected button, ten pixels with Shift.
  QTest::keyClick(Input(), Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(doc.buttons()[1]->x, x + 10);
  EXPECT_GT(live->drawnCount(), drawnAtStart + 3);
  browser::Pause(200);
  frame->grab().save(QStringLiteral(VB_GALLERY_DIR "/live-view.png"));
  // Zoomed, the buttons grow and a click still finds the one under it.
  live->SetZoom(200);
  EXPECT_TRUE(WaitFor([&] { return Js("window.devicePixelRatio").toDouble() == 2; }));
  Mouse(QEvent::MouseButtonPress, OnScreen(Inside(2)), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, OnScreen(Inside(2)), Qt::NoButton);
  EXPECT_TRUE(WaitFor([&] { return frame->outline()->currentIndex() == Item(2, kOver); }));
  live->SetZoom(100);
  Select(Item(1, kOver));

  // Untried, the pointer over a button leaves it as it is; tried, the
  // button shows Over under the pointer, and Up again once the pointer has
  // left, in one quick move or out of the view.
  const QString newsUp = "128,64,0";
  ASSERT_TRUE(WaitFor([&] { return Colour(2) == newsUp; })) << Colour(2).toStdString();
  Mouse(QEvent::MouseMove, OnScreen(Inside(2)), Qt::NoButton);
  browser::Pause(200);
  EXPECT_EQ(Colour(2), newsUp);
  live->SetTrying(true);
  Mouse(QEvent::MouseMove, QPoint(live->view()->width() - 2, live->view()->height() - 2),
        Qt::NoButton);
  browser::Pause(200);
  Mouse(QEvent::MouseMove, OnScreen(Inside(2)), Qt::NoButton);
  EXPECT_TRUE(WaitFor([&] { return Colour(2) != newsUp; })) << Colour(2).toStdString();
  Mouse(QEvent::MouseMove, QPoint(live->view()->width() - 2, live->view()->height() - 2),
        Qt::NoButton);
  EXPECT_TRUE(WaitFor([&] { return Colour(2) == newsUp; })) << Colour(2).toStdString();
  // The pointer leaving the view straight from a button, with no move in between.
  Mouse(QEvent::MouseMove, OnScreen(Inside(2)), Qt::NoButton);
  EXPECT_TRUE(WaitFor([&] { return Colour(2) != newsUp; })) << Colour(2).toStdString();
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(Input(), &leave);
  EXPECT_TRUE(WaitFor([&] { return Colour(2) == newsUp; })) << Colour(2).toStdString();
  live->SetTrying(false);

  // A project whose script never ends: the editor keeps working, the view
  // stops the page and says so, and the next change brings it back.
  const std::string plain = Doc::CopyGroup(project);
  // It says it has drawn, as the runtime does, before it holds the page: the
  // watchdog is the editor's and is not taken in.
  project.beforeScript =
      "Script 1 'document.dispatchEvent(new CustomEvent(`velkobutton-drawn`));"
      "setTimeout(function(){for(;;){}},300);';";
  doc.RecordGroupEdit(doc.PathOf(&project), plain, "Change Project");
  int ticks = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
  tick.start(50);
  ASSERT_TRUE(WaitFor([&] { return !live->notice().isEmpty(); }, 20000));
  EXPECT_GT(ticks, 40) << "the editor was held while the page ran";
  const int drawn = live->drawnCount();
  frame->action(kCmdEditUndo)->trigger();
  // An edit made while the page loads again shows once it has loaded.
  ASSERT_TRUE(WaitFor([&] { return live->notice().isEmpty(); }));
  PropState& news = *doc.buttons()[2]->upState;
  const std::string newsWas = Doc::CopyGroup(news);
  news.color = 0x00FF00;
  doc.RecordGroupEdit(doc.PathOf(&news), newsWas, "Change State");
  ASSERT_TRUE(Drawn(drawn));
  EXPECT_TRUE(WaitFor([&] { return Colour(2) == "0,255,0"; })) << Colour(2).toStdString();
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LiveViewTest, ShowsTheProjectOnItsColourOutlinesTheSelectionAndSelectsByBand) {
  Doc& doc = app->doc();
  // Fitted at first: the whole project shows, never above its actual size.
  EXPECT_LE(live->zoom(), 100);
  const QVariantList box = Js("(function(){var r=document.querySelector('applet')"
                              ".getBoundingClientRect();return [r.right,r.bottom];})()")
                               .toList();
  ASSERT_EQ(box.size(), 2);
  EXPECT_LE(box[0].toDouble() * live->zoom() / 100, live->view()->width());
  EXPECT_LE(box[1].toDouble() * live->zoom() / 100, live->view()->height());

  // Around the applet, the project's colour; it follows the project.
  const auto corner = [&] {
    const QImage shot = live->view()->grab().toImage();
    const QColor c = shot.pixelColor(shot.width() - 3, shot.height() - 3);
    return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
  };
  EXPECT_TRUE(WaitFor([&] { return corner() == "16,32,64"; })) << corner().toStdString();
  PropProject& project = *doc.project();
  const std::string was = Doc::CopyGroup(project);
  project.backgroundColor = 0xDCF8FF;  // cream, red in the lowest byte
  doc.RecordGroupEdit(doc.PathOf(&project), was, "Change Project");
  EXPECT_TRUE(WaitFor([&] { return corner() == "255,248,220"; })) << corner().toStdString();
  EXPECT_EQ(live->PageColour(), "#fff8dc");
  live->SetZoom(100);

  // Three Over states selected: three buttons outlined, each shown Over.
  Select(Item(0, kOver));
  auto* selection = frame->outline()->selectionModel();
  for (int b : {1, 2}) selection->select(Item(b, kOver), QItemSelectionModel::Select);
  EXPECT_TRUE(WaitFor([&] { return Outlined() == 3; })) << Outlined();
  EXPECT_TRUE(WaitFor([&] { return Colour(1) == "0,160,64"; })) << Colour(1).toStdString();
  EXPECT_EQ(Colour(3), "112,0,64") << "a button not selected stays Up";

  // A drag from the canvas beside the buttons over the last two of five:
  // those two are selected in the tree, in the state selected before.
  ASSERT_EQ(doc.ButtonCount(), 5u);
  const PropButton& fourth = *doc.buttons()[3];
  const QPoint from = OnScreen(QPoint(fourth.x + fourth.width + 12, fourth.y + 8));
  const QPoint to = OnScreen(Inside(4));
  ASSERT_TRUE(live->view()->rect().contains(from));
  Mouse(QEvent::MouseMove, from, Qt::NoButton);
  Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
  for (int step = 1; step <= 4; ++step)
    Mouse(QEvent::MouseMove, from + (to - from) * step / 4, Qt::LeftButton);
  EXPECT_EQ(
      Js("document.documentElement.querySelectorAll(':scope>div[style*=dashed]').length").toInt(),
      1)
      << "the rubber band shows";
  Mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
  ASSERT_TRUE(WaitFor([&] { return frame->outline()->SelectedGroups().size() == 2; }));
  const QModelIndexList rows = selection->selectedIndexes();
  EXPECT_EQ(rows.size(), 2);
  EXPECT_TRUE(rows.contains(Item(3, kOver)) && rows.contains(Item(4, kOver)));
  EXPECT_TRUE(WaitFor([&] { return Outlined() == 2; })) << Outlined();
  EXPECT_EQ(
      Js("document.documentElement.querySelectorAll(':scope>div[style*=dashed]').length").toInt(),
      0);
  EXPECT_TRUE(platform.messages.empty());
}

// A caption edited gives the page that button's statement alone, the bytes
// a whole generation writes for it, with no page loaded and no project
// replaced; a selection goes to the page only when it changes.
TEST_F(LiveViewTest, AnEditSendsItsButtonAloneAndASelectionGoesOnlyWhenItChanges) {
  Doc& doc = app->doc();
  LiveSession* session = live->session();
  ASSERT_NE(session, nullptr);
  Select(Item(1, 0, kText));
  QStringList statements;
  int updates = 0, replaced = 0, loads = 0, selections = 0;
  QObject::connect(session, &LiveSession::buttonsChanged, [&](const QStringList& s) {
    statements = s;
    ++updates;
  });
  QObject::connect(session, &LiveSession::projectReplaced, [&] { ++replaced; });
  QObject::connect(session, &LiveSession::selectionChanged, [&] { ++selections; });
  QObject::connect(live->view()->page(), &QWebEnginePage::loadStarted, [&] { ++loads; });

  const QString typed = QString::fromUtf8("Caf\u00e9 \"1\"");
  auto* caption = Control<ScriptEdit>(kCaption);
  ASSERT_NE(caption, nullptr);
  caption->setFocus();
  caption->selectAll();
  // Typed as a user types it; the one letter beyond ASCII goes in as an input method puts it.
  QTest::keyClicks(caption, "Caf");
  caption->insertPlainText(QString::fromUtf8("\u00e9"));
  QTest::keyClicks(caption, " \"1\"");
  QTest::keyClick(caption, Qt::Key_Return);
  ASSERT_TRUE(WaitFor([&] { return Js(Element(1) + ".textContent").toString() == typed; }));
  PageWriter::Page whole;
  {
    const PageWriter::RuntimeScope runtime(doc.writer(), kRuntimeAlways);
    whole = doc.writer().Write(PageMode::Page, true);
  }
  EXPECT_EQ(updates, 1);
  ASSERT_EQ(statements.size(), 1);
  EXPECT_EQ(FromQ(statements[0]), whole.buttons[1]);
  EXPECT_EQ(replaced + loads + selections, 0);

  live->ShowSelection(1, 0);
  EXPECT_EQ(selections, 0);
  live->ShowSelection(2, kOver);
  live->ShowSelection(2, kOver);
  EXPECT_EQ(selections, 1);
}

}  // namespace

// Started on a file that is no project, the editor says so while the Live
// View waits (it generates nothing without a project), then draws the new
// project that takes its place: a plain button, whose published page would
// need no script, shown by the runtime all the same.
TEST(LiveViewStart, AFileThatIsNoProjectGivesANewProjectDrawnAfterTheMessage) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the web engine library itself trips AddressSanitizer";
#endif
  QTemporaryDir dir;
  QFile garbage(dir.filePath("broken.but"));
  ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
  garbage.write("\x01\xFFgarbage");
  garbage.close();
  QFile js(dir.filePath("velkobutton.js"));
  ASSERT_TRUE(js.open(QIODevice::WriteOnly));
  js.write(RuntimeFile().toUtf8());
  js.close();
  TestPlatform platform;
  platform.programDir = dir.path().toStdString() + "/";
  platform.previewDir = dir.filePath("Preview/").toStdString();
  qunsetenv("VELKOBUTTON_NO_BROWSER");
  App app(platform, Quiet(true));
  // The message's own events run long enough for any update to come.
  constexpr int kMessageShownMs = 500;
  platform.onMessage = [](const TestPlatform::Message&) {
    WaitFor([] { return false; }, kMessageShownMs);
  };
  ASSERT_TRUE(app.InitInstance({garbage.fileName()}));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::kUnexpectedFormat);
  ASSERT_TRUE(app.frame()->live()->available());
  EXPECT_TRUE(WaitFor([&] { return app.frame()->live()->drawnCount() > 0; }, 15000));
  EXPECT_EQ(app.doc().ButtonCount(), 1u);
  EXPECT_TRUE(WaitFor([&] {
    return RunJs(app.frame()->live()->view()->page(),
                 "!!(window.VelkoButtonRuntime&&VelkoButtonRuntime.control(0))&&"
                 "document.querySelectorAll('applet .vb .b').length===1")
        .toBool();
  }));
  app.ExitInstance();
  qputenv("VELKOBUTTON_NO_BROWSER", "1");
}
