#include "app/Heap.h"

#include "core/Doc.h"

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <system_error>
#include <thread>
#endif

void PrepareHeap(const std::string& project, std::size_t bytesPerProjectByte) {
#if defined(__GLIBC__) && defined(MADV_HUGEPAGE)
  struct stat st {};
  if (project.empty() || stat(project.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  constexpr std::size_t kSmallProject = std::size_t(1) << 20;
  constexpr std::size_t kLargestHeap = std::size_t(1) << 30;  // fits M_TOP_PAD
  constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
  const std::size_t size = static_cast<std::size_t>(st.st_size);
  // A file too large to be a project is refused before it is read.
  if (size < kSmallProject || size > Doc::kLargestProjectFile || bytesPerProjectByte == 0) return;
  const std::size_t heap =
      size > kLargestHeap / bytesPerProjectByte ? kLargestHeap : size * bytesPerProjectByte;
  // Large buffers come from the heap too (up to the largest size the
  // allocator takes there), the heap grows by `heap` when it grows, and it is
  // never given back before the process ends. Memory that is not touched is
  // never used.
  constexpr int kLargestHeapBlock = 32 << 20;
  mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
  // Room for a huge page's alignment at either end, so that all of `heap`
  // can lie on whole huge pages.
  mallopt(M_TOP_PAD, static_cast<int>(heap + 2 * kHugePage));
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(std::min(heap * 2, kLargestHeap)));
  const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
  // A block larger than the room left makes the heap grow now.
  void* block = std::malloc(kSmallProject);
  if (!block) return;
  std::free(block);
  const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
  const std::uintptr_t start = (before + kHugePage - 1) & ~(kHugePage - 1);
  if (after <= start) return;
  madvise(reinterpret_cast<void*>(start), after - start, MADV_HUGEPAGE);
#if defined(MADV_POPULATE_WRITE)
  // The system clears every fresh page before it is used, which is most of
  // the cost of filling memory here: the first half of the heap is mapped in
  // ahead on another processor while this one reads the project. Contents
  // are not touched, so it does not matter which thread maps a page first;
  // without the call (older systems) pages are mapped when first used.
  try {
    const std::size_t ahead = std::min<std::size_t>(after - start, heap / 2);
    std::thread([start, ahead] {
      madvise(reinterpret_cast<void*>(start), ahead, MADV_POPULATE_WRITE);
    }).detach();
  } catch (const std::system_error&) {
    // No thread to be had: pages are mapped when first used.
  }
#endif
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
#else
  (void)project;
  (void)bytesPerProjectByte;
#endif
}

void EndHeapPreparation() {
#if defined(__GLIBC__) && defined(MADV_HUGEPAGE)
  // The allocator's own defaults.
  constexpr int kDefaultPad = 128 * 1024;
  mallopt(M_TOP_PAD, kDefaultPad);
  mallopt(M_TRIM_THRESHOLD, kDefaultPad);
#endif
}
