// The outline tree and the Properties window on large projects: building the
// tree after a project is opened, and moving between two buttons' pages.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "app/EditorPages.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "groups/button/PropButton.h"
#include "support/TestPlatform.h"
#include "ui/KesWndProperties.h"
#include "ui/PageRegistry.h"
#include "ui/ViewOutline.h"

namespace {
// Each run has an application of its own on the offscreen platform.
struct OffscreenApp {
  static bool UseOffscreen() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return true;
  }
  bool offscreen = UseOffscreen();  // before the application below
  int argc = 1;
  char name[16] = "velko_ui_bench";
  char* argv[2] = {name, nullptr};
  QApplication app{argc, argv};
};

struct BenchProject {
  explicit BenchProject(int buttons) {
    app.setCurrentDoc(&doc);
    doc.OnNewDocument();
    for (int i = 1; i < buttons; ++i) doc.InsertButton(doc.CreateButton());
  }
  TestPlatform platform;
  KesApp app{platform};
  Doc doc{app};
};

// The tree is built again from the document, as after File Open.
void BM_OutlineRebuild(benchmark::State& state) {
  OffscreenApp qt;
  BenchProject p(static_cast<int>(state.range(0)));
  PageRegistry pages;
  RegisterEditorPages(pages);
  KesWndProperties props(p.app, p.doc, pages);
  ViewOutline tree(p.app, p.doc, props);
  for (auto _ : state) {
    p.doc.UpdateAllViews(kHintReset);
    p.doc.UpdateAllViews(kHintFilled);
    benchmark::DoNotOptimize(tree.model()->rowCount());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OutlineRebuild)
    ->Arg(10)
    ->Arg(200)
    ->Arg(1000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);

// Selecting another button: the open page commits, the button page is built
// for the other button and refreshed.
void BM_SwitchButtonPage(benchmark::State& state) {
  OffscreenApp qt;
  BenchProject p(static_cast<int>(state.range(0)));
  PageRegistry pages;
  RegisterEditorPages(pages);
  KesWndProperties props(p.app, p.doc, pages);
  ViewOutline tree(p.app, p.doc, props);
  PropButton* first = p.doc.ButtonPointers().front();
  PropButton* last = p.doc.ButtonPointers().back();
  bool flip = false;
  for (auto _ : state) {
    tree.SelectGroup(flip ? first : last);
    flip = !flip;
    // The replaced pages go as the event loop would take them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}
BENCHMARK(BM_SwitchButtonPage)->Arg(2)->Arg(1000)->Arg(20000)->Unit(benchmark::kMicrosecond);
}  // namespace
