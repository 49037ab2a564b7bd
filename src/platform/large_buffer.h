#pragma once
// Large buffers (a whole bitmap file, a decoded image) are written once from
// start to end. On Linux, fresh memory is handed out page by page, one page
// fault for every 4 KiB, and for a 50 MB file the faults cost several times
// more than reading the bytes. Asking for transparent huge pages makes that
// a fault per 2 MiB. Call on memory not touched yet; elsewhere a no-op.
#include <cstddef>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace vm {

inline void HintLargeBuffer(void* data, std::size_t size) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr uintptr_t kHuge = uintptr_t{2} << 20;
  if (size < 2 * kHuge) return;
  const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + kHuge - 1) & ~(kHuge - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + size) & ~(kHuge - 1);
  // Only a hint: where the system refuses, the buffer works as before.
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)data;
  (void)size;
#endif
}

}  // namespace vm
