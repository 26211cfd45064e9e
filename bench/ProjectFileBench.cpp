// The project file on disk: Save through the temporary file and its rename,
// and Open through the whole-file read, for projects of 1,000 and 10,000
// buttons. Compared with the in-memory load and save, this is the cost of
// the file layer.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "support/TestPlatform.h"

namespace fs = std::filesystem;

namespace {

struct DiskProject {
  TestPlatform platform;
  KesApp app{platform};
  Doc doc{app};
  fs::path dir;
  std::string file;

  explicit DiskProject(int buttons) {
    app.setCurrentDoc(&doc);
    doc.OnNewDocument();
    for (int i = 1; i < buttons; ++i) {
      PropButton* b = doc.InsertButton(doc.CreateButton());
      b->url = "page" + std::to_string(i) + ".html";
      b->overState->text->text = "Caption " + std::to_string(i);
    }
    dir = fs::temp_directory_path() / ("velko-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    file = (dir / "bench.but").string();
  }
  ~DiskProject() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
};

void BM_SaveToDisk(benchmark::State& state) {
  DiskProject p(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    if (!p.doc.OnSaveDocument(p.file)) state.SkipWithError("save failed");
  }
  state.counters["file_bytes"] = static_cast<double>(fs::file_size(p.file));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_OpenFromDisk(benchmark::State& state) {
  DiskProject p(static_cast<int>(state.range(0)));
  if (!p.doc.OnSaveDocument(p.file)) state.SkipWithError("save failed");
  for (auto _ : state) {
    if (!p.doc.OnOpenDocument(p.file)) state.SkipWithError("open failed");
    benchmark::DoNotOptimize(p.doc.ButtonCount());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_SaveToDisk)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenFromDisk)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
