#include "app/Heap.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <system_error>
#include <thread>

#include "core/Doc.h"
#include "core/os/Os.h"

void PrepareHeap(const std::string& project, std::size_t bytesPerProjectByte) {
  os::FileInfo info;
  if (project.empty() || !os::InfoOf(project, info) || info.kind != os::Kind::Regular) return;
  constexpr std::size_t kSmallProject = std::size_t(1) << 20;
  constexpr std::size_t kLargestHeap = std::size_t(1) << 30;  // fits M_TOP_PAD
  constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
  const std::size_t size = static_cast<std::size_t>(info.size);
  // A file too large to be a project is refused before it is read.
  if (size < kSmallProject || size > Doc::kLargestProjectFile || bytesPerProjectByte == 0) return;
  const std::size_t heap =
      size > kLargestHeap / bytesPerProjectByte ? kLargestHeap : size * bytesPerProjectByte;
  // Large buffers come from the heap too (up to the largest size the
  // allocator takes there), the heap grows by `heap` when it grows, and it is
  // never given back before the process ends. Memory that is not touched is
  // never used. Room for a huge page's alignment at either end, so that all
  // of `heap` can lie on whole huge pages. Where the allocator cannot be
  // tuned so, nothing more is done.
  constexpr std::size_t kLargestHeapBlock = 32 << 20;
  if (!os::TuneHeap(heap + 2 * kHugePage, std::min(heap * 2, kLargestHeap), kLargestHeapBlock))
    return;
  const std::uintptr_t before = os::HeapEnd();
  // A block larger than the room left makes the heap grow now.
  void* block = std::malloc(kSmallProject);
  if (!block) return;
  std::free(block);
  const std::uintptr_t after = os::HeapEnd();
  const std::uintptr_t start = (before + kHugePage - 1) & ~(kHugePage - 1);
  if (after <= start) return;
  os::AdviseHugePages(start, after - start, false);
  if (os::CanPopulate()) {
    // The system clears every fresh page before it is used, which is most of
    // the cost of filling memory here: the first half of the heap is mapped in
    // ahead on another processor while this one reads the project. Contents
    // are not touched, so it does not matter which thread maps a page first;
    // without the call (older systems) pages are mapped when first used.
    try {
      const std::size_t ahead = std::min<std::size_t>(after - start, heap / 2);
      std::thread([start, ahead] { os::AdviseHugePages(start, ahead, true); }).detach();
    } catch (const std::system_error&) {
      // No thread to be had: pages are mapped when first used.
    }
  }
  // The memory below the first huge page is handed out first and would be
  // mapped page by page: it is taken now, untouched, and never used, so that
  // the project's bytes and groups start on a huge page.
  void* probe = std::malloc(1);
  if (!probe) return;
  const auto next = reinterpret_cast<std::uintptr_t>(probe);
  std::free(probe);
  constexpr std::uintptr_t kChunkOverhead = 64;
  if (next + kChunkOverhead < start) {
    void* below = std::malloc(start - next - kChunkOverhead);
    (void)below;  // kept to the end of the process
  }
}

void EndHeapPreparation() {
  // The allocator's own defaults.
  constexpr std::size_t kDefaultPad = 128 * 1024;
  os::TuneHeap(kDefaultPad, kDefaultPad, 0);
}
