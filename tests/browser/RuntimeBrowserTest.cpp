// The JavaScript runtime in a real browser engine: pages the engine
// generates from projects made here are loaded into Qt WebEngine offscreen,
// and the buttons' elements and captions, the colours they show, mouse
// behaviour, links, status strip and input file are checked. Screenshots of every step go into the
// gallery folder of the build tree for people to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "audio/PropAudio.h"
#include "browser/BrowserPage.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/KesProp.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "groups/project/PropProject.h"
#include "output/PublishFolder.h"
#include "support/TestPlatform.h"
#include "ui/App.h"
#include "ui/FrameMain.h"
#include "ui/KesWndInfo.h"
#include "ui/QuietApp.h"

using browser::Browser;
using browser::WaitFor;

namespace {

// A colour as the project stores it (red in the low byte).
constexpr uint32_t Bgr(int r, int g, int b) {
  return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16);
}

struct Rgb {
  int r, g, b;
};

QString RuntimeSource() {
  QFile f(QStringLiteral(VB_SOURCE_DIR "/runtime/velkobutton.js"));
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

class RuntimePage : public ::testing::Test {
 protected:
  RuntimePage() : app(platform), doc(app) {
    app.setCurrentDoc(&doc);
    doc.OnNewDocument();
    // The runtime drives every page here, also those that would work without it.
    doc.writer().runtimeChoice = kRuntimeAlways;
    platform.programDir = dir.path().toStdString() + "/";
    QDir().mkpath(QStringLiteral(VB_GALLERY_DIR));
  }

  void SetUp() override {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the web engine library itself trips AddressSanitizer (new/delete mismatch)";
#endif
    ASSERT_TRUE(dir.isValid());
    ASSERT_FALSE(RuntimeSource().isEmpty()) << "runtime/velkobutton.js is missing";
    browser = std::make_unique<Browser>();
  }

  // Every state of button `b` in solid colours without a border, with
  // `caption` in `textColour`.
  void Style(PropButton& b, Rgb up, Rgb over, Rgb down, const std::string& caption = "",
             Rgb textColour = {0, 0, 0}, int size = 14) {
    const Rgb colours[3] = {up, over, down};
    PropState* states[3] = {b.upState.get(), b.overState.get(), b.downState.get()};
    for (int i = 0; i < 3; ++i) {
      states[i]->color = Bgr(colours[i].r, colours[i].g, colours[i].b);
      states[i]->transparent = 0;
      states[i]->border->style = 0;
      states[i]->border->frameThick = 0;
      states[i]->text->text = caption;
      states[i]->text->textColor = Bgr(textColour.r, textColour.g, textColour.b);
      states[i]->text->size = size;
      states[i]->text->bold = 1;
    }
  }

  PropButton& Button(std::size_t i) {
    while (doc.ButtonCount() <= i) doc.InsertButton(doc.CreateButton());
    return *doc.buttons()[i];
  }

  // Writes the page the engine generates beside the runtime and opens it;
  // true once the runtime has taken over the buttons.
  bool Open(const QString& name = "page.html") {
    const std::string html = doc.BuildHtml(PageMode::Page);
    page = dir.filePath(name);
    if (!WriteBytes(page, QByteArray::fromStdString(html))) return false;
    if (!WriteBytes(dir.filePath("velkobutton.js"), RuntimeSource().toUtf8())) return false;
    if (!browser->Load(page)) return false;
    return WaitFor([&] { return browser->Ready(); });
  }

  // The colour shown at an applet point becomes `c` (within the tolerance).
  ::testing::AssertionResult Becomes(int x, int y, Rgb c, int ms = 5000) {
    browser::Rgba last;
    if (WaitFor(
            [&] {
              last = browser->Pixel(x, y);
              return last.Near(c.r, c.g, c.b);
            },
            ms))
      return ::testing::AssertionSuccess();
    std::ostringstream os;
    os << "pixel (" << x << "," << y << ") is " << last << ", expected rgb(" << c.r << "," << c.g
       << "," << c.b << ")";
    return ::testing::AssertionFailure() << os.str();
  }

  void Shot(const QString& name) {
    browser::Pause(100);
    const QImage image = browser->Screenshot();
    EXPECT_TRUE(image.save(QStringLiteral(VB_GALLERY_DIR "/") + name + ".png"))
        << name.toStdString();
  }

  std::string Console() {
    std::string s;
    for (const QString& line : browser->page().console) s += line.toStdString() + "\n";
    return s;
  }

  QTemporaryDir dir;
  TestPlatform platform;
  KesApp app;
  Doc doc;
  // Made once the test runs, as the web engine cannot start under AddressSanitizer.
  std::unique_ptr<Browser> browser;
  QString page;
};

const Rgb kRed{255, 0, 0}, kGreen{0, 160, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255},
    kBackground{128, 128, 128}, kGrey{64, 64, 64}, kAmber{255, 200, 0}, kTeal{0, 128, 128};

}  // namespace

// Each state's colour, the caption as the element's text, a hidden button,
// hover, press, release with the link's navigation and the status strip.
TEST_F(RuntimePage, PushButtonThroughItsStates) {
  doc.project()->buttonWidth = 200;
  doc.project()->buttonHeight = 60;
  PropButton& go = Button(0);
  Style(go, kRed, kGreen, kBlue, "GO", kWhite, 28);
  go.url = "next.html";
  go.target = "_self";
  go.status = "Going next";
  go.tip = "Next page";
  PropButton& hidden = Button(1);
  Style(hidden, kAmber, kAmber, kAmber, "Hidden");
  hidden.show = 0;
  Style(Button(2), kTeal, kTeal, kTeal, "Two", kWhite);
  ASSERT_TRUE(Open()) << Console();
  Shot("push-1-loaded");

  // The buttons are a link and a button of the page, captioned with text,
  // at the project's size; the hidden one is in the page, not shown.
  EXPECT_EQ(browser
                ->Js("Array.prototype.map.call(document.querySelectorAll('applet .vb .b'),"
                     "function(e){return e.tagName+':'+e.textContent+':'+e.offsetWidth+'x'+"
                     "e.offsetHeight+':'+e.hidden;}).join(' ')")
                .toString(),
            "A:GO:200x60:false BUTTON:Hidden:0x0:true BUTTON:Two:200x60:false");
  EXPECT_EQ(browser->Js("getComputedStyle(document.querySelector('applet .vb .b>span')).color")
                .toString(),
            "rgb(255, 255, 255)");
  EXPECT_TRUE(Becomes(4, 4, kRed)) << Console();
  EXPECT_TRUE(Becomes(4, 64, kTeal));
  EXPECT_EQ(browser->CountColour(0, 0, 200, 180, 255, 200, 0), 0);
  // The caption: white pixels in the middle of the first button, none at its edges.
  EXPECT_GT(browser->CountColour(60, 10, 80, 40, 255, 255, 255), 30);
  EXPECT_EQ(browser->CountColour(0, 0, 40, 60, 255, 255, 255), 0);
  EXPECT_GT(browser->CountColour(60, 70, 80, 40, 255, 255, 255), 10);

  // Hover: the Over colour and the status text in the strip and window.status.
  const QPoint at = browser->ViewPoint(4, 4);
  const QPoint away = browser->ViewPoint(300, 170);
  browser->MouseMove(away);
  browser::Pause(50);
  browser->MouseMove(at);
  EXPECT_TRUE(Becomes(4, 4, kGreen));
  Shot("push-2-over");
  EXPECT_TRUE(WaitFor([&] { return browser->Js("window.status").toString() == "Going next"; }))
      << browser->Js("window.status").toString().toStdString();
  EXPECT_TRUE(browser->Js("document.body.innerText").toString().contains("Going next"));
  EXPECT_TRUE(browser->page().navigations.empty());

  // Press: Down; release over the button: the link opens in the page itself.
  browser->MousePress(at);
  EXPECT_TRUE(Becomes(4, 4, kBlue));
  Shot("push-3-down");
  EXPECT_TRUE(browser->page().navigations.empty()) << "navigated on the press";
  browser->MouseRelease(at);
  ASSERT_TRUE(WaitFor([&] { return !browser->page().navigations.empty(); })) << Console();
  EXPECT_EQ(browser->page().navigations[0], QUrl::fromLocalFile(dir.filePath("next.html")));
  EXPECT_TRUE(Becomes(4, 4, kGreen));

  // Leaving: Up again; a press that ends outside the button opens nothing.
  browser->MouseMove(away);
  EXPECT_TRUE(Becomes(4, 4, kRed));
  browser->page().navigations.clear();
  browser->MouseMove(at);
  browser->MousePress(at);
  browser->MouseMove(away);
  browser->MouseRelease(away);
  browser::Pause(300);
  EXPECT_TRUE(browser->page().navigations.empty());
  EXPECT_TRUE(Becomes(4, 4, kRed));
}

// Every text of the user's that reaches the page, holding quotes, references
// and markup: the page gets no element and runs no script from any of them,
// and the page and the runtime read each back exactly (the caption and tool
// tip, the status text on hover, the link's address and target, and a
// script that names the button finds it).
TEST_F(RuntimePage, TextsStayText) {
  for (const std::string hostile :
       {"\"", "'", "&copy", "</APPLET>", "</SCRIPT>", "<img src=x onerror=window.vbRan=1>"}) {
    SCOPED_TRACE(hostile);
    const std::string text = "A" + hostile + "Z";
    PropProject& project = *doc.project();
    project.identifier = text;
    project.codeBase = "cb" + hostile;
    project.backgroundImage = "bg" + hostile + ".gif";
    project.afterScript = "PropSet '" + KesProp::EscapeScript(text) + "' Tip='found';";
    PropButton& b = Button(0);
    Style(b, kRed, kGreen, kBlue, text, kWhite);
    b.name = text;
    b.status = text;
    b.url = "u" + hostile + ".html";
    b.target = "t" + hostile;
    b.tip = text;
    for (PropState* st : {b.upState.get(), b.overState.get(), b.downState.get()}) {
      st->text->font = text;
      st->image->file = "i" + hostile + ".gif";
      st->audio->file = "s" + hostile + ".au";
    }
    ASSERT_TRUE(Open()) << Console();
    EXPECT_EQ(browser
                  ->Js("document.querySelectorAll('img,b,applet applet').length+' '+"
                       "document.scripts.length+' '+!!window.vbRan")
                  .toString(),
              "0 1 false");
    const auto js = [&](const char* e) { return browser->Js(e).toString().toStdString(); };
    EXPECT_EQ(js("document.querySelector('applet').getAttribute('codebase')"), "cb" + hostile);
    EXPECT_EQ(js("document.querySelector('param[name=name]').value"), text);
    // The linked button is a real link to its address, captioned with the text.
    EXPECT_EQ(js("document.querySelector('applet .vb a.b').textContent"), text);
    EXPECT_TRUE(WaitFor([&] {
      return js("document.querySelector('applet .vb a.b').title") == "found";
    })) << js("document.querySelector('applet .vb a.b').title");
    EXPECT_EQ(browser
                  ->Js("document.querySelector('applet .vb a.b').href===new URL('u" +
                       QString::fromStdString(KesProp::EscapeScript(hostile)) +
                       ".html',document.baseURI).href&&"
                       "document.querySelector('applet .vb a.b').target")
                  .toString()
                  .toStdString(),
              "t" + hostile);
    browser->MouseMove(browser->ViewPoint(4, 4));
    EXPECT_TRUE(WaitFor([&] { return js("window.status") == text; })) << js("window.status");
    browser->MouseMove(browser->ViewPoint(300, 300));
  }
}

// A stranger's button whose font ends in a backslash and whose image address
// holds statements: its style pasted onto one's own button and the project
// published, the page reads the font and the address as texts and runs none
// of the stranger's statements, while its own script runs.
TEST_F(RuntimePage, PastedStyleRunsNoScriptOfTheStrangers) {
  KesApp strangersApp(platform);
  Doc strangers(strangersApp);
  strangersApp.setCurrentDoc(&strangers);
  strangers.OnNewDocument();
  const std::string font = "Verdana\\";
  const std::string image =
      "http://cdn.example/btn.png ;Script 1 Reflect.set(window,Date.name+Date.name,7);Set zz=";
  PropButton& theirs = *strangers.buttons()[0];
  Style(theirs, kRed, kRed, kRed, "Theirs", kWhite);
  for (PropState* st : {theirs.upState.get(), theirs.overState.get(), theirs.downState.get()}) {
    st->text->font = font;
    st->image->file = image;
  }
  const std::string copied = Doc::CopyGroup(theirs);
  app.setCurrentDoc(&doc);

  Style(Button(0), kBlue, kBlue, kBlue, "Mine", kWhite);
  Style(Button(1), kTeal, kTeal, kTeal, "Next", kWhite);
  doc.project()->afterScript = "Script JavaScript 'window.vbOwn=1';";
  ASSERT_TRUE(doc.PasteStyleAt({{0, GroupPath::kNoState, PropClass::Button}}, copied));
  ASSERT_EQ(Button(0).upState->text->font, font);
  ASSERT_EQ(Button(0).upState->image->file, image);
  for (const char* name :
       {"VelkoButton.class", "VelkoButton.jar", "VelkoButton.cab", "VelkoJfc2.class"})
    ASSERT_TRUE(WriteBytes(dir.filePath(name), "applet"));
  ASSERT_TRUE(WriteBytes(dir.filePath("velkobutton.js"), RuntimeSource().toUtf8()));
  const std::string site = dir.filePath("site").toStdString();
  const PublishOutcome published = PublishToFolder(doc, platform, site, "index.html");
  ASSERT_EQ(published.kind, PublishOutcome::Kind::Published) << published.refusal;

  ASSERT_TRUE(browser->Load(QString::fromStdString(published.page)));
  ASSERT_TRUE(WaitFor([&] { return browser->Ready(); })) << Console();
  EXPECT_TRUE(Becomes(4, 4, kRed)) << Console();
  EXPECT_TRUE(Becomes(4, 44, kTeal));
  EXPECT_TRUE(WaitFor([&] { return browser->Js("window.vbOwn===1").toBool(); })) << Console();
  EXPECT_EQ(browser->Js("typeof window.DateDate").toString(), "undefined");
  EXPECT_EQ(Console().find("unterminated"), std::string::npos) << Console();
  EXPECT_EQ(Console().find("unknown state"), std::string::npos) << Console();
}

// A cream menu published as a page of today stands on cream, with dark text
// around it, and its folder holds the runtime but none of the applet's
// stand-ins the program ships with.
TEST_F(RuntimePage, APublishedCreamMenuStandsOnCreamWithoutTheAppletsStandIns) {
  doc.project()->backgroundColor = Bgr(255, 248, 220);
  const Rgb brown{139, 69, 19};
  Style(Button(0), brown, brown, brown, "Bread", {255, 248, 220});
  for (const char* name :
       {"VelkoButton.class", "VelkoButton.jar", "VelkoButton.cab", "VelkoJfc2.class"})
    ASSERT_TRUE(WriteBytes(dir.filePath(name), QByteArray("Stand-in for the applet file ") + name));
  ASSERT_TRUE(WriteBytes(dir.filePath("velkobutton.js"), RuntimeSource().toUtf8()));
  const QString site = dir.filePath("cream");
  const PublishOutcome published = PublishToFolder(doc, platform, site.toStdString(), "menu.html");
  ASSERT_EQ(published.kind, PublishOutcome::Kind::Published) << published.refusal;
  EXPECT_EQ(QDir(site).entryList(QDir::Files), (QStringList{"menu.html", "velkobutton.js"}));
  ASSERT_TRUE(browser->Load(QString::fromStdString(published.page)));
  ASSERT_TRUE(WaitFor([&] { return browser->Ready(); })) << Console();
  EXPECT_TRUE(Becomes(4, 4, brown)) << Console();
  EXPECT_EQ(browser->Js("getComputedStyle(document.body).backgroundColor").toString(),
            "rgb(255, 248, 220)");
  EXPECT_EQ(browser->Js("getComputedStyle(document.body).color").toString(), "rgb(0, 0, 0)");
}

// A radio button stays down and releases the other radio buttons.
TEST_F(RuntimePage, RadioGroup) {
  doc.project()->layout = 1;  // side by side
  doc.project()->buttonWidth = 80;
  doc.project()->buttonHeight = 50;
  for (std::size_t i = 0; i < 3; ++i) {
    Style(Button(i), kGrey, kGrey, kAmber, "R" + std::to_string(i + 1), kWhite);
    Button(i).mode = 2;
  }
  ASSERT_TRUE(Open()) << Console();
  for (int x : {4, 84, 164}) EXPECT_TRUE(Becomes(x, 4, kGrey)) << x;

  const QPoint away = browser->ViewPoint(120, 200);
  browser->Click(browser->ViewPoint(4, 4));
  browser->MouseMove(away);
  EXPECT_TRUE(Becomes(4, 4, kAmber)) << Console();
  EXPECT_TRUE(Becomes(84, 4, kGrey));
  Shot("radio-1-first");

  browser->Click(browser->ViewPoint(164, 4));
  browser->MouseMove(away);
  EXPECT_TRUE(Becomes(164, 4, kAmber));
  EXPECT_TRUE(Becomes(4, 4, kGrey));
  EXPECT_TRUE(Becomes(84, 4, kGrey));
  Shot("radio-2-third");

  // Clicking the down radio button again leaves it down.
  browser->Click(browser->ViewPoint(164, 4));
  browser->MouseMove(away);
  browser::Pause(200);
  EXPECT_TRUE(Becomes(164, 4, kAmber));
}

// A page that reads its project from the input file draws what the file says.
TEST_F(RuntimePage, ReadsTheInputFile) {
  doc.project()->readFromFile = 1;
  doc.project()->inputFile = "button.txt";
  doc.project()->reloadInterval = 0;
  doc.project()->buttonWidth = 150;
  Style(Button(0), kTeal, kGreen, kBlue, "File", kWhite);
  std::string input = dir.filePath("button.txt").toStdString();
  ASSERT_TRUE(doc.SaveInputFile(input, false));
  const std::string html = doc.BuildHtml(PageMode::Page);
  ASSERT_EQ(html.find("0x008080"), std::string::npos) << "the page itself carries the colour";
  ASSERT_TRUE(Open()) << Console();
  EXPECT_TRUE(Becomes(4, 4, kTeal, 8000)) << Console();
  // The caption may come a frame after the colour when the file's project is shown.
  EXPECT_TRUE(WaitFor([&] { return browser->CountColour(30, 5, 90, 30, 255, 255, 255) > 10; }));
  Shot("input-file");
}

// A page whose script cannot be read still loads, and the runtime says why
// on the console instead of breaking the page.
TEST_F(RuntimePage, UnreadableStatementIsSkipped) {
  doc.project()->buttonWidth = 120;
  Style(Button(0), kRed, kGreen, kBlue, "OK", kWhite);
  doc.project()->afterScript = "Frobnicate 1 2 3;";
  ASSERT_TRUE(Open()) << Console();
  EXPECT_TRUE(Becomes(4, 4, kRed)) << Console();
  EXPECT_NE(Console().find("Frobnicate"), std::string::npos) << Console();
  EXPECT_GT(browser->CountColour(20, 5, 80, 30, 255, 255, 255), 10);
}

// Loading the runtime a second time (a pasted segment brings its own line)
// leaves one element per button.
TEST_F(RuntimePage, LoadedTwice) {
  Style(Button(0), kRed, kGreen, kBlue);
  const std::string segment = doc.BuildHtml(PageMode::Segment);
  const std::string html = "<HTML><BODY>\r\n" + segment + segment.substr(segment.rfind("<SCRIPT")) +
                           "</BODY></HTML>\r\n";
  page = dir.filePath("twice.html");
  ASSERT_TRUE(WriteBytes(page, QByteArray::fromStdString(html)));
  ASSERT_TRUE(WriteBytes(dir.filePath("velkobutton.js"), RuntimeSource().toUtf8()));
  ASSERT_TRUE(browser->Load(page));
  ASSERT_TRUE(WaitFor([&] { return browser->Ready(); })) << Console();
  browser::Pause(300);
  EXPECT_EQ(browser
                ->Js("document.querySelectorAll('applet .vb').length+' '+"
                     "document.querySelectorAll('applet .vb .b').length")
                .toString(),
            "1 1");
  EXPECT_TRUE(Becomes(4, 4, kRed));
}

// The internal preview: the page file without the runtime's line, the
// runtime injected by the Info/Preview browser->
TEST_F(RuntimePage, InternalPreviewInjectsTheRuntime) {
  doc.writer().runtimeChoice = kRuntimeOff;
  Style(Button(0), kRed, kGreen, kBlue, "Inside", kWhite);
  const std::string html = doc.BuildHtml(PageMode::Preview);
  ASSERT_EQ(html.find("<SCRIPT"), std::string::npos);
  page = dir.filePath("~VelkoButton.html");
  ASSERT_TRUE(WriteBytes(page, QByteArray::fromStdString(html)));
  qunsetenv("VELKOBUTTON_NO_BROWSER");
  KesWndInfo info(nullptr, true);
  ASSERT_TRUE(info.browserAvailable());
  info.resize(320, 240);
  info.show();
  bool loaded = false;
  QObject::connect(&info, &KesWndInfo::loadFinished, [&](bool) { loaded = true; });
  info.Navigate(page, RuntimeSource());
  EXPECT_TRUE(info.runtimeInjected());
  ASSERT_TRUE(WaitFor([&] { return loaded; }, 20000));
  QWebEnginePage* p = info.view()->page();
  auto js = [&](const QString& e) { return browser::RunJs(p, e); };
  // The classic page's list of links gives way to the runtime's buttons.
  EXPECT_TRUE(WaitFor([&] {
    return js("document.querySelectorAll('applet .vb .b').length").toInt() == 1 &&
           js("document.querySelector('applet .vb .b').textContent") == "Inside";
  }));
  const QPointF corner = browser::ContainerCorner(p);
  EXPECT_TRUE(WaitFor([&] {
    return info.view()->grab().toImage().pixelColor((corner + QPointF(3, 3)).toPoint()) ==
           QColor(255, 0, 0);
  }));
  browser::Pause(100);
  info.grab().save(QStringLiteral(VB_GALLERY_DIR "/internal-preview.png"));

  // A help page afterwards gets nothing injected.
  info.Navigate(dir.filePath("help.html"));
  EXPECT_FALSE(info.runtimeInjected());
  qputenv("VELKOBUTTON_NO_BROWSER", "1");
}

// The demo project previewed inside the program: the real window, its
// Preview command, the runtime taken from the program's directory.
TEST_F(RuntimePage, DemoInTheInternalPreview) {
  for (const char* f :
       {"VelkoButton.class", "VelkoButton.jar", "VelkoButton.cab", "VelkoJfc2.class"})
    ASSERT_TRUE(WriteBytes(dir.filePath(f), "applet"));
  ASSERT_TRUE(WriteBytes(dir.filePath("velkobutton.js"), RuntimeSource().toUtf8()));
  QDir().mkpath(dir.filePath("Help"));
  ASSERT_TRUE(WriteBytes(dir.filePath("Help/index.html"), "<html><body>Index</body></html>"));
  platform.previewDir = dir.filePath("Preview/").toStdString();
  qunsetenv("VELKOBUTTON_NO_BROWSER");
  {
    App editor(platform, Quiet(true));
    ASSERT_TRUE(editor.InitInstance({}));
    KesWndInfo* info = editor.frame()->info();
    ASSERT_TRUE(info->browserAvailable());
    ASSERT_TRUE(editor.doc().OnOpenDocument(VB_SOURCE_DIR "/examples/demo.but"));
    bool loaded = false;
    QObject::connect(info, &KesWndInfo::loadFinished, [&](bool) { loaded = true; });
    editor.OnPreview();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(info->runtimeInjected());
    EXPECT_TRUE(info->lastAddress().endsWith("~VelkoButton.html"));
    ASSERT_TRUE(
        WaitFor([&] { return loaded && info->currentUrl().endsWith("~VelkoButton.html"); }, 20000));
    QWebEnginePage* p = info->view()->page();
    auto js = [&](const QString& e) { return browser::RunJs(p, e); };
    ASSERT_TRUE(WaitFor([&] {
      return js("document.querySelectorAll('applet .vb .b').length").toInt() ==
             int(editor.doc().ButtonCount());
    }));
    // Many colours shown: buttons, not an empty box.
    const QPoint corner = browser::ContainerCorner(p).toPoint();
    const auto colours = [&] {
      const QImage shot = info->view()->grab().toImage();
      QSet<QRgb> seen;
      for (int y = corner.y(); y < corner.y() + 100; ++y)
        for (int x = corner.x(); x < corner.x() + 100; ++x)
          if (shot.valid(x, y)) seen.insert(shot.pixel(x, y));
      return seen.size();
    };
    EXPECT_TRUE(WaitFor([&] { return colours() > 8; })) << colours();
    // The page file is the one the engine writes, without the runtime's line.
    QFile file(dir.filePath("Preview/~VelkoButton.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    editor.doc().writer().runtimeChoice = kRuntimeOff;
    EXPECT_EQ(file.readAll().toStdString(), editor.doc().BuildHtml(PageMode::Preview));
    browser::Pause(200);
    editor.frame()->grab().save(QStringLiteral(VB_GALLERY_DIR "/demo-internal-preview.png"));
    editor.ExitInstance();
  }
  qputenv("VELKOBUTTON_NO_BROWSER", "1");
}

// A tiled image is one pattern fill from the button's corner: every tile in
// place, however small the image.
TEST_F(RuntimePage, TiledImagesCoverTheirButtonFromItsCorner) {
  // A 2x2 checkerboard as a 24-bit BMP (rows bottom up, padded to 4 bytes).
  QByteArray bmp("BM", 2);
  const auto le32 = [](QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF));
  };
  le32(bmp, 54 + 16);
  le32(bmp, 0);
  le32(bmp, 54);
  le32(bmp, 40);
  le32(bmp, 2);
  le32(bmp, 2);
  bmp.append("\x01\x00\x18\x00", 4);
  for (int i = 0; i < 6; ++i) le32(bmp, 0);
  const QByteArray red("\x00\x00\xFF", 3), blue("\xFF\x00\x00", 3), pad("\x00\x00", 2);
  bmp += blue + red + pad + red + blue + pad;  // bottom row, then top row
  ASSERT_TRUE(WriteBytes(dir.filePath("tile.bmp"), bmp));
  PropButton& b = Button(0);
  Style(b, kWhite, kWhite, kWhite);
  b.upState->image->file = "tile.bmp";
  b.upState->image->style = 1;
  ASSERT_TRUE(Open()) << Console();
  for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {50, 20}, {99, 39}})
    EXPECT_TRUE(Becomes(x, y, kRed));
  for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {51, 20}, {98, 39}})
    EXPECT_TRUE(Becomes(x, y, kBlue));
}

// Enter on a button whose click shows another keeps the keyboard focus on it,
// and the focus ring stands around it.
TEST_F(RuntimePage, KeyboardFocusStaysWhenButtonsAppear) {
  PropButton& a = Button(0);
  PropButton& b = Button(1);
  a.name = "A";
  b.name = "B";
  b.show = 0;
  a.upState->advanced->script = "PropSet 'B' Show=True;";
  ASSERT_TRUE(Open()) << Console();
  const auto js = [&](const char* e) { return browser->Js(QString::fromLatin1(e)); };
  const char* shown = "document.querySelectorAll('applet .vb button:not([hidden])').length";
  EXPECT_EQ(js(shown).toInt(), 1);
  js("document.querySelector('applet .vb button').focus()");
  js("(function(){var e=document.activeElement;['keydown','keyup'].forEach(function(t){"
     "e.dispatchEvent(new KeyboardEvent(t,{key:'Enter',bubbles:true}));});})()");
  EXPECT_TRUE(WaitFor([&] { return js(shown).toInt() == 2; })) << Console();
  EXPECT_EQ(js("document.activeElement === document.querySelector('applet .vb button')").toBool(),
            true);
  EXPECT_NE(js("getComputedStyle(document.activeElement).outlineStyle").toString(), "none");
}

// A tall vertical menu is shown whole: the last of 220 buttons shows its
// colour at its place.
TEST_F(RuntimePage, ProjectsTallerThanOneCanvasAreDrawnWhole) {
  doc.project()->layout = 0;  // vertical
  for (std::size_t i = 0; i < 220; ++i) Style(Button(i), kTeal, kGreen, kBlue);
  Style(Button(219), kRed, kGreen, kBlue);
  doc.LayoutButtons();
  const PropButton& last = *doc.buttons().back();
  ASSERT_GT(doc.project()->projectHeight, 8192);
  ASSERT_TRUE(Open()) << Console();
  browser->Js(QString("window.scrollTo(0,%1)").arg(last.y));
  EXPECT_TRUE(Becomes(last.x + last.width / 2, last.y + last.height / 2, kRed));
}

// A page published with the settings nobody changed works in a browser with
// nothing else installed (a project of one plain button needs no runtime).
TEST_F(RuntimePage, APagePublishedWithDefaultSettingsWorks) {
  KesApp fresh(platform);
  Doc published(fresh);
  fresh.setCurrentDoc(&published);
  published.OnNewDocument();
  ASSERT_EQ(published.writer().runtimeChoice, kRuntimeFromSettings);
  PropState& up = *published.buttons()[0]->upState;
  up.color = Bgr(255, 0, 0);
  up.border->style = 0;
  page = dir.filePath("published.html");
  ASSERT_TRUE(WriteBytes(page, QByteArray::fromStdString(published.BuildHtml(PageMode::Page))));
  ASSERT_TRUE(WriteBytes(dir.filePath("velkobutton.js"), RuntimeSource().toUtf8()));
  ASSERT_TRUE(browser->Load(page));
  ASSERT_TRUE(WaitFor([&] { return browser->Ready(); })) << Console();
  EXPECT_TRUE(Becomes(4, 4, kRed));
  app.setCurrentDoc(&doc);
}

// At ratios 1.25 and 1.5 a solid border of four rings shows no stripe of
// another colour between its rings (its outer and inner edges may blend).
TEST_F(RuntimePage, BordersHaveNoSeamsAtFractionalPixelRatios) {
  PropButton& b = Button(0);
  Style(b, kWhite, kWhite, kWhite);
  for (PropState* s : {b.upState.get(), b.overState.get(), b.downState.get()}) {
    s->border->style = 1;  // flat
    s->border->thick = 4;
    s->border->automatic = 0;
    s->border->smooth = 0;
    s->border->topColor = s->border->midColor = s->border->botColor = Bgr(0, 0, 160);
  }
  doc.LayoutButtons();
  const auto inRange = [](double from, double to) {
    return std::pair{int(std::ceil(from)), int(std::floor(to))};
  };
  for (double zoom : {1.25, 1.5}) {
    browser->view().setZoomFactor(zoom);
    ASSERT_TRUE(Open()) << Console();
    const QPointF corner = browser::ContainerCorner(&browser->page());
    const double l = corner.x() + b.x * zoom, t = corner.y() + b.y * zoom;
    const double r = l + b.width * zoom, bottom = t + b.height * zoom, ring = 4 * zoom;
    // The view pixels of each strip, one pixel in from its edges.
    const auto seams = [&] {
      const QImage shot = browser->Screenshot();
      int bad = 0;
      const auto check = [&](std::pair<int, int> xs, std::pair<int, int> ys) {
        for (int y = ys.first; y <= ys.second; ++y)
          for (int x = xs.first; x <= xs.second; ++x) {
            const QColor c = shot.valid(x, y) ? shot.pixelColor(x, y) : QColor();
            if (c.red() > 8 || c.green() > 8 || std::abs(c.blue() - 160) > 8) ++bad;
          }
      };
      const auto across = inRange(l + ring, r - ring - 1),
                 down = inRange(t + ring, bottom - ring - 1);
      check(across, inRange(t + 1, t + ring - 2));
      check(across, inRange(bottom - ring + 1, bottom - 2));
      check(inRange(l + 1, l + ring - 2), down);
      check(inRange(r - ring + 1, r - 2), down);
      return bad;
    };
    EXPECT_TRUE(WaitFor([&] { return seams() == 0; })) << zoom << ": " << seams();
  }
}

// Every state's image is asked for once, at start, before any hover or press.
TEST_F(RuntimePage, EveryImageIsRequestedOnceAtStart) {
  const QByteArray gif(
      "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00!\xf9\x04"
      "\x00\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02"
      "D\x01\x00;",
      43);
  for (const char* f : {"up.gif", "over.gif", "down.gif"})
    ASSERT_TRUE(WriteBytes(dir.filePath(f), gif));
  PropButton& b = Button(0);
  b.upState->image->file = "up.gif";
  b.overState->image->file = "over.gif";
  b.downState->image->file = "down.gif";
  ASSERT_TRUE(Open()) << Console();
  // Every request the page made for a file, by its style, an image or a script.
  const auto count = [&] {
    QStringList n;
    for (const char* f : {"up.gif", "over.gif", "down.gif"})
      n << QString::number(
          std::count_if(browser->requests().begin(), browser->requests().end(),
                        [&](const QUrl& u) { return u.fileName() == QLatin1String(f); }));
    return n.join(',');
  };
  browser::Pause(300);
  EXPECT_TRUE(WaitFor([&] { return count() == "1,1,1"; })) << count().toStdString();
}

// The drawing styles side by side, for people to look at: the five borders,
// emboss and engrave, italic and underline, several lines.
TEST_F(RuntimePage, StyleGallery) {
  doc.project()->layout = 2;
  doc.project()->projectWidth = 460;
  doc.project()->projectHeight = 200;
  doc.project()->backgroundColor = Bgr(40, 40, 60);
  const char* names[] = {"None", "Flat", "Bevel", "Point", "Raised"};
  for (int i = 0; i < 5; ++i) {
    PropButton& b = Button(std::size_t(i));
    Style(b, {70, 110, 190}, {90, 150, 230}, {40, 70, 140}, names[i], kWhite, 14);
    b.x = 10 + i * 90;
    b.y = 10;
    b.width = 80;
    b.height = 50;
    for (PropState* s : {b.upState.get(), b.overState.get(), b.downState.get()}) {
      s->border->style = i;
      s->border->thick = 4;
    }
  }
  const struct {
    const char* caption;
    int emboss, engrave, italic, underline;
  } texts[] = {{"Emboss", 1, 0, 0, 0},
               {"Engrave", 0, 1, 0, 0},
               {"Italic", 0, 0, 1, 0},
               {"Underline", 0, 0, 0, 1},
               {"Two\nlines", 0, 0, 0, 0}};
  for (int i = 0; i < 5; ++i) {
    PropButton& b = Button(std::size_t(5 + i));
    Style(b, {200, 200, 200}, {230, 230, 230}, {150, 150, 150}, texts[i].caption, {20, 20, 20}, 13);
    b.x = 10 + i * 90;
    b.y = 80;
    b.width = 80;
    b.height = 50;
    for (PropState* s : {b.upState.get(), b.overState.get(), b.downState.get()}) {
      s->text->emboss = texts[i].emboss;
      s->text->engrave = texts[i].engrave;
      s->text->italic = texts[i].italic;
      s->text->underline = texts[i].underline;
      s->border->style = 2;
    }
  }
  ASSERT_TRUE(Open()) << Console();
  EXPECT_TRUE(Becomes(455, 195, {40, 40, 60})) << Console();
  // A bevel's light top edge and dark bottom edge differ from the face.
  EXPECT_FALSE(browser->Pixel(10 + 2 * 90 + 40, 11).Near(70, 110, 190));
  EXPECT_TRUE(browser->Pixel(10 + 2 * 90 + 6, 35).Near(70, 110, 190) ||
              browser->CountColour(10 + 2 * 90 + 6, 30, 20, 10, 70, 110, 190, 8) > 0);
  Shot("styles");
  browser->MouseMove(browser->ViewPoint(10 + 2 * 90 + 5, 15));
  EXPECT_TRUE(Becomes(10 + 2 * 90 + 10, 20, {90, 150, 230}));
  Shot("styles-over-bevel");
}
