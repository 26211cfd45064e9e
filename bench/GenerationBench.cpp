// Page generation, loading and saving of projects with 100, 1,000 and 10,000
// buttons whose every state has a caption, an image, a border and a sound,
// each with its own file. The cost per button must stay flat.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <string_view>

#include "BenchProject.h"
#include "audio/PropAudio.h"
#include "core/Archive.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "groups/project/PropProject.h"
#include "support/TestPlatform.h"

namespace {

void BM_BuildPage(benchmark::State& state) {
  BenchProject p(static_cast<int>(state.range(0)));
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string page = p.doc.BuildHtml(PageMode::Page);
    bytes = page.size();
    benchmark::DoNotOptimize(page.data());
  }
  state.counters["page_bytes"] = static_cast<double>(bytes);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The page handed on in pieces as export writes it, on one thread or two
// (wall time: the second thread's work counts only where it is waited for).
void BM_WritePage(benchmark::State& state) {
  BenchProject p(static_cast<int>(state.range(0)));
  p.doc.parallelFrom = state.range(1) != 0 ? 0 : Doc::kNeverParallel;
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    p.doc.WriteHtml(PageMode::Page, [&bytes](std::string_view piece) {
      bytes += piece.size();
      benchmark::DoNotOptimize(piece.data());
      return true;
    });
  }
  state.counters["page_bytes"] = static_cast<double>(bytes);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_BuildInputFile(benchmark::State& state) {
  BenchProject p(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::string params = p.doc.BuildParams(ParamForm::InputFile, std::string());
    benchmark::DoNotOptimize(params.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Save(benchmark::State& state) {
  BenchProject p(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Archive ar;
    p.doc.Serialize(ar);
    benchmark::DoNotOptimize(ar.Bytes().data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Load(benchmark::State& state) {
  std::string bytes;
  {
    BenchProject p(static_cast<int>(state.range(0)));
    Archive ar;
    p.doc.Serialize(ar);
    bytes = ar.TakeBytes();
  }
  TestPlatform platform;
  KesApp app(platform);
  Doc doc(app);
  for (auto _ : state) {
    if (!doc.OpenFromBytes(bytes, "bench.but")) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(doc.ButtonCount());
  }
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_BuildPage)->Arg(100)->Arg(1000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WritePage)
    ->ArgsProduct({{1000, 20000}, {0, 1}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildInputFile)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(100)->Arg(1000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(100)->Arg(1000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
