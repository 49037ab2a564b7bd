#pragma once
// The largest file the loader is handed. A BMP's pixels can take at most
// about 1 GiB in a 32-bit process (the rest of its address space holds the
// program, the window and the file itself), so anything beyond that, plus
// room for headers and a colour table, could never become an image.
#include <cstdint>

namespace vm {

inline constexpr uint64_t kMaxReadBytes = (uint64_t{1} << 30) + (uint64_t{16} << 20);

}  // namespace vm
