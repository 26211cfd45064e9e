// The JavaScript runtime in the browser engine: reading the parameters,
// parsing the script and drawing the buttons for the first time, on a page
// of 100 buttons and on one of 10,000. The time is measured inside the page,
// from the start of the navigation until the runtime's DOMContentLoaded
// handler has finished (a listener added after the runtime's runs then), and
// until the first animation frame after it, so that it leaves out the
// round trips between the program and the engine. parsed_ms is the part
// before the runtime starts (loading and parsing the HTML), runtime_ms the
// runtime's own start-up: parameters, script, first drawing. The Live View's
// update after an edit is timed here too. load_ms and
// draw_ms time the two halves of that once more in the warm page.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

#include "browser/BrowserPage.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/project/PropProject.h"
#include "support/TestPlatform.h"
#include "ui/App.h"
#include "ui/FrameMain.h"
#include "ui/KesView.h"
#include "ui/KesWndProperties.h"
#include "ui/LiveView.h"
#include "ui/QuietApp.h"
#include "ui/SealedWeb.h"
#include "ui/ViewOutline.h"

namespace {

QTemporaryDir* gDir = nullptr;
// The Up Text page's caption box.
constexpr int kCaptionControl = 3401;
browser::Browser* gBrowser = nullptr;

// Records when the page has been parsed: its listener comes before the
// runtime's, so it runs first.
const char* const kParsed =
    "<SCRIPT>document.addEventListener('DOMContentLoaded',function(){"
    "window.vbParsed=performance.now();});</SCRIPT>\r\n";
// Records when the runtime's start-up handler is done and the next frame.
const char* const kTiming =
    "<SCRIPT>document.addEventListener('DOMContentLoaded',function(){"
    "window.vbReady=performance.now();requestAnimationFrame(function(){"
    "window.vbFrame=performance.now();});});</SCRIPT>\r\n";

// The page of a project of `buttons` buttons: a column for a few, a grid of
// 10 x 10 pixel buttons for many; with `tiled`, one button over a 1x1 image
// tiled across 800 x 600.
QString WritePage(int buttons, bool tiled = false) {
  TestPlatform platform;
  KesApp app(platform);
  Doc doc(app);
  app.setCurrentDoc(&doc);
  doc.OnNewDocument();
  doc.writer().runtimeChoice = kRuntimeAlways;
  const bool grid = buttons > 200;
  if (tiled) {
    doc.project()->layout = 2;
    doc.project()->projectWidth = 800;
    doc.project()->projectHeight = 600;
    doc.project()->backgroundImage = "dot.gif";
    doc.project()->imageStyle = 1;
    QFile dot(gDir->filePath("dot.gif"));
    if (dot.open(QIODevice::WriteOnly))
      dot.write(
          QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00!\xf9"
                     "\x04\x00\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00"
                     "\x02\x02D\x01\x00;",
                     43));
  }
  if (grid) {
    doc.project()->layout = 2;
    doc.project()->projectWidth = 1000;
    doc.project()->projectHeight = (buttons + 99) / 100 * 10;
  }
  for (int i = 1; i < buttons; ++i) doc.InsertButton(doc.CreateButton());
  if (grid)
    for (int i = 0; i < buttons; ++i) {
      PropButton& b = *doc.buttons()[std::size_t(i)];
      b.x = i % 100 * 10;
      b.y = i / 100 * 10;
      b.width = 10;
      b.height = 10;
    }
  std::string html = doc.BuildHtml(PageMode::Page);
  html.insert(html.find("</BODY>"), kTiming);
  html.insert(html.find("<SCRIPT SRC="), kParsed);
  const QString path =
      gDir->filePath(tiled ? QString("tiled.html") : QString("page%1.html").arg(buttons));
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(html.data(), qint64(html.size()));
  return path;
}

void BM_RuntimeFirstDraw(benchmark::State& state) {
  const int buttons = int(state.range(0));
  const QString page = WritePage(buttons);
  double parsed = 0, ready = 0, frame = 0;
  for (auto _ : state) {
    if (!gBrowser->Load(page, 120000)) {
      state.SkipWithError("the page did not load");
      return;
    }
    if (!browser::WaitFor([] { return gBrowser->Js("window.vbFrame !== undefined").toBool(); },
                          120000)) {
      state.SkipWithError("the runtime did not finish");
      return;
    }
    const double p = gBrowser->Js("window.vbParsed").toDouble();
    const double r = gBrowser->Js("window.vbReady").toDouble();
    const double f = gBrowser->Js("window.vbFrame").toDouble();
    if (!gBrowser->Ready()) {
      state.SkipWithError("no buttons");
      return;
    }
    parsed += p;
    ready += r;
    frame += f;
    state.SetIterationTime(f / 1000.0);
  }
  // Reading the script into buttons once more inside the loaded page.
  const QVariantList phases =
      gBrowser
          ->Js(
              "(function(){var R=window.VelkoButtonRuntime;"
              "var a=document.querySelector('applet');"
              "var "
              "p={};a.querySelectorAll('param').forEach(function(x){p[x.name.toLowerCase()]=x."
              "value;});"
              "var s=R.joinScript(function(n){var v=p[n.toLowerCase()];return "
              "v===undefined?null:v;});"
              "var t0=performance.now();var f=new R.Engine({draw:function(){}});f.load(s);"
              "return [performance.now()-t0];})()")
          .toList();
  state.counters["load_ms"] = phases.value(0).toDouble();
  state.counters["parsed_ms"] = parsed / double(state.iterations());
  state.counters["runtime_ms"] = (ready - parsed) / double(state.iterations());
  state.counters["ready_ms"] = ready / double(state.iterations());
  state.counters["first_frame_ms"] = frame / double(state.iterations());
  state.counters["page_kB"] = double(QFile(page).size()) / 1024.0;
}
BENCHMARK(BM_RuntimeFirstDraw)
    ->Arg(100)
    ->Arg(2000)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// The repaint after the pointer moves onto another button, inside the page:
// from an animation frame asked for before the move to one asked for after
// it, which the runtime's own repaint runs between. `buttons` 0 is a page of
// one button over a 1x1 image tiled across 800 x 600.
void BM_RuntimeHoverRepaint(benchmark::State& state) {
  const int buttons = int(state.range(0));
  const QString page = buttons > 0 ? WritePage(buttons) : WritePage(1, true);
  if (!gBrowser->Load(page, 120000) ||
      !browser::WaitFor([] { return gBrowser->Ready(); }, 120000)) {
    state.SkipWithError("the page did not load");
    return;
  }
  browser::Pause(500);
  int i = 0;
  double total = 0;
  for (auto _ : state) {
    // Two buttons apart in the grid (or two places on the tiled page).
    const int x = 5 + (i % 2) * 20;
    ++i;
    // The tiled page is drawn anew whole; the grid repaints what the pointer changed.
    const QString change = buttons > 0
                               ? QString(
                                     "var s=document.querySelectorAll('.vb .b')[%1];"
                                     "s.dispatchEvent(new PointerEvent('pointerover',{bubbles:true,"
                                     "pointerType:'mouse'}));")
                                     .arg(x / 10)
                               : QString("VelkoButtonRuntime.repaint();");
    gBrowser->Js(
        "window.vbA=window.vbB=undefined;requestAnimationFrame(function(){"
        "window.vbA=performance.now();});" +
        change + "requestAnimationFrame(function(){window.vbB=performance.now();});1");
    if (!browser::WaitFor([] { return gBrowser->Js("window.vbB !== undefined").toBool(); })) {
      state.SkipWithError("no frame");
      return;
    }
    const double ms = gBrowser->Js("window.vbB-window.vbA").toDouble();
    total += ms;
    state.SetIterationTime(ms / 1000.0);
  }
  state.counters["repaint_ms"] = total / double(state.iterations());
}
BENCHMARK(BM_RuntimeHoverRepaint)
    ->Arg(0)
    ->Arg(2000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// The Live View after a page's commit: from the document's change event to
// the runtime's "drawn" signal for the new project, in the editor's own
// view, on a column of `buttons` buttons whose first one changes colour.
void BM_LiveViewUpdate(benchmark::State& state) {
  const int buttons = int(state.range(0));
  TestPlatform platform;
  platform.programDir = gDir->path().toStdString() + "/";
  platform.previewDir = gDir->filePath("Preview/").toStdString();
  KesApp app(platform);
  Doc doc(app);
  app.setCurrentDoc(&doc);
  doc.OnNewDocument();
  for (int i = 1; i < buttons; ++i) doc.InsertButton(doc.CreateButton());
  LiveView live(app, doc, true);
  live.resize(400, 600);
  live.show();
  if (!browser::WaitFor([&] { return live.drawnCount() > 0; }, 120000)) {
    state.SkipWithError("the view was never drawn");
    return;
  }
  browser::Pause(300);
  PropState& up = *doc.buttons()[0]->upState;
  const GroupPath path = doc.PathOf(&up);
  double total = 0, slowest = 0;
  int i = 0;
  for (auto _ : state) {
    const int before = live.drawnCount();
    const std::string bytes = Doc::CopyGroup(up);
    up.color = (++i % 2) ? 0x0000FF : 0x00FF00;
    doc.RecordGroupEdit(path, bytes, "Change State");
    if (!browser::WaitFor([&] { return live.drawnCount() > before; }, 60000)) {
      state.SkipWithError("no drawing after the change");
      return;
    }
    const double ms = live.lastUpdateMs();
    total += ms;
    slowest = std::max(slowest, ms);
    state.SetIterationTime(ms / 1000.0);
  }
  state.counters["update_ms"] = total / double(state.iterations());
  state.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_LiveViewUpdate)
    ->Arg(200)
    ->Arg(2000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// One caption typed on the Up Text page of the real window and ended with
// Enter, on a column of `buttons` buttons: from the key to the Live View's
// next drawing, as the user waits for it, and to its undo step.
void BM_CaptionEditToDrawn(benchmark::State& state) {
  const int buttons = int(state.range(0));
  TestPlatform platform;
  platform.programDir = gDir->path().toStdString() + "/";
  platform.previewDir = gDir->filePath("Preview/").toStdString();
  const QString project = gDir->filePath(QStringLiteral("menu%1.but").arg(buttons));
  {
    TestPlatform quiet;
    KesApp maker(quiet);
    Doc doc(maker);
    maker.setCurrentDoc(&doc);
    doc.OnNewDocument();
    for (int i = 1; i < buttons; ++i) doc.InsertButton(doc.CreateButton());
    if (!doc.DoSave(project.toStdString())) {
      state.SkipWithError("the project could not be saved");
      return;
    }
  }
  App app(platform, Quiet(true));
  if (!app.InitInstance({}) || !app.OpenDocumentFile(project)) {
    state.SkipWithError("the editor did not start");
    return;
  }
  FrameMain* frame = app.frame();
  LiveView* live = frame->live();
  if (!browser::WaitFor([&] { return live->drawnCount() > 0; }, 120000)) {
    state.SkipWithError("the view was never drawn");
    return;
  }
  frame->outline()->SelectGroup(app.doc().buttons()[0]->upState->text.get());
  QPlainTextEdit* caption = nullptr;
  for (KesView* view : frame->properties()->currentPage()->findChildren<KesView*>())
    if (auto* edit = qobject_cast<QPlainTextEdit*>(view->control(kCaptionControl))) caption = edit;
  if (!caption) {
    state.SkipWithError("no caption box");
    return;
  }
  browser::Pause(300);
  double total = 0, slowest = 0, stepTotal = 0;
  int i = 0;
  for (auto _ : state) {
    const int before = live->drawnCount();
    caption->setFocus();
    caption->setPlainText(QStringLiteral("Fresh Bread %1").arg(++i));
    QElapsedTimer clock;
    clock.start();
    const std::size_t steps = app.doc().history().size();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(caption, &enter);
    if (!browser::WaitFor([&] { return app.doc().history().size() > steps; }, 60000)) {
      state.SkipWithError("no undo step after the edit");
      return;
    }
    stepTotal += double(clock.nsecsElapsed()) / 1e6;
    if (!browser::WaitFor([&] { return live->drawnCount() > before; }, 60000)) {
      state.SkipWithError("no drawing after the edit");
      return;
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    total += ms;
    slowest = std::max(slowest, ms);
    state.SetIterationTime(ms / 1000.0);
  }
  state.counters["enter_to_drawn_ms"] = total / double(state.iterations());
  state.counters["enter_to_step_ms"] = stepTotal / double(state.iterations());
  state.counters["slowest_ms"] = slowest;
  app.doc().SetModifiedFlag(false);
  app.ExitInstance();
}
BENCHMARK(BM_CaptionEditToDrawn)
    ->Arg(200)
    ->Arg(2000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  browser::PrepareEnvironment();
  // The Live View's sealed pages, as in the editor.
  sealed::PrepareProcess();
  QApplication app(argc, argv);
  QTemporaryDir dir;
  QFile::copy(QStringLiteral(VB_SOURCE_DIR "/runtime/velkobutton.js"),
              dir.filePath("velkobutton.js"));
  gDir = &dir;
  browser::Browser view(1100, 800);
  gBrowser = &view;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
