// Undo on a large project: 1,000 edits of every kind on a project of 20,000
// buttons, then every one undone. Reports the slowest single undo and the
// memory the history keeps; both must stay small (20 ms, 20 MB).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "BenchProject.h"
#include "core/History.h"

namespace {

constexpr int kEdits = 1000;

// One edit of a random kind, as the editor's commands and pages make them.
void Edit(Doc& doc, std::mt19937& rng, int i) {
  const int count = static_cast<int>(doc.ButtonCount());
  const int any = static_cast<int>(rng() % static_cast<unsigned>(count));
  switch (rng() % 10) {
    case 0:
      doc.AddNewButton(any);
      break;
    case 1:
      doc.DeleteButtonAt(any);
      break;
    case 2:
      doc.MoveButtonTo(any, static_cast<int>(rng() % static_cast<unsigned>(count)));
      break;
    case 3:
      doc.CopyToOtherStates({any, 0, PropClass::Text});
      break;
    default: {
      // A page's commit: a caption and a colour changed.
      const GroupPath state{any, static_cast<int>(rng() % 3), PropClass::State};
      auto* group = static_cast<PropState*>(doc.GroupAt(state));
      const std::string before = Doc::CopyGroup(*group);
      group->text->text = "Edited " + std::to_string(i);
      group->color = static_cast<uint32_t>(rng());
      doc.RecordGroupEdit(state, before, "Change State");
    }
  }
}

void BM_UndoAfterEdits(benchmark::State& state) {
  BenchProject p(static_cast<int>(state.range(0)));
  std::mt19937 rng(1);
  for (int i = 0; i < kEdits; ++i) Edit(p.doc, rng, i);
  double slowest = 0;
  for (auto _ : state) {
    double total = 0;
    while (p.doc.history().CanUndo()) {
      const auto start = std::chrono::steady_clock::now();
      p.doc.Undo();
      const double s =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      slowest = std::max(slowest, s);
      total += s;
    }
    state.SetIterationTime(total);
    state.PauseTiming();
    while (p.doc.Redo()) {
    }
    state.ResumeTiming();
  }
  state.counters["slowest_undo_ms"] = slowest * 1000;
  state.counters["history_MB"] = static_cast<double>(p.doc.history().Bytes()) / (1 << 20);
  state.counters["steps"] = static_cast<double>(p.doc.history().size());
}
BENCHMARK(BM_UndoAfterEdits)
    ->Arg(2000)
    ->Arg(20000)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
