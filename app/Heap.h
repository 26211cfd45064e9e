// Process-level preparation of the memory allocator for reading a project.
#pragma once

#include <cstddef>
#include <string>

// A large project fills several times its size in fresh memory within a
// fraction of a second, and mapping it in page by page costs more than the
// work itself. Before `project` is read, the heap grows at once by what the
// process will need for it (`bytesPerProjectByte` times the file's size) and
// the system may back it with huge pages (fewer, larger page faults). Does
// nothing for small or missing files, or where the allocator has no such
// settings.
void PrepareHeap(const std::string& project, std::size_t bytesPerProjectByte);

// Gives the allocator its usual settings back once the project has been read,
// so that a long-running editor returns memory it frees to the system again
// instead of keeping what the preparation allowed.
void EndHeapPreparation();
