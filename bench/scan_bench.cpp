// The scan of a loaded 4096 x 4096 sprite picture, whole rows at a time (the
// command-line tool's way), against a baseline that only looks at the same
// bytes once: memchr for a byte that is not there, then memcmp against itself.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "bench_picture.h"
#include "mask/bitmap.h"
#include "mask/mask_writer.h"
#include "mask/scan.h"
#include "platform/scan_host.h"

namespace {

using namespace vm::bench;

class NullFile : public vm::OutputFile {
 public:
  void Write(const uint8_t*, std::size_t) override {}
  void Close() override {}
};

constexpr int32_t kSide = 4096;

const std::vector<uint8_t>& FileBytes(BenchFormat format) {
  static const BenchPicture picture = MakeSpritePicture(kSide, kSide);
  static std::vector<uint8_t> files[4];
  std::vector<uint8_t>& bytes = files[static_cast<int>(format)];
  if (bytes.empty()) bytes = EncodeBmp(picture, format);
  return bytes;
}

void BM_ScanBitmap(benchmark::State& state) {
  const BenchFormat format = static_cast<BenchFormat>(state.range(0));
  const std::vector<uint8_t>& bytes = FileBytes(format);
  const vm::Bitmap bitmap = vm::Bitmap::Load(bytes);
  vm::QuietScanHost host;
  uint64_t rectangles = 0;
  for (auto _ : state) {
    vm::MaskWriter mask(std::make_unique<NullFile>(), "null");
    vm::ScanBitmap(bitmap, kBenchTransparent, mask, host, 0, 1);
    mask.Close();
    rectangles = mask.count();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  state.SetLabel(FormatName(format) + " bits, " + std::to_string(rectangles) + " rects");
}

void BM_LoadAndScan(benchmark::State& state) {
  const BenchFormat format = static_cast<BenchFormat>(state.range(0));
  const std::vector<uint8_t>& bytes = FileBytes(format);
  vm::QuietScanHost host;
  for (auto _ : state) {
    // The copy stands for the read of the file, which is not measured here.
    state.PauseTiming();
    std::vector<uint8_t> file = bytes;
    state.ResumeTiming();
    const vm::Bitmap bitmap = vm::Bitmap::Load(std::move(file));
    vm::MaskWriter mask(std::make_unique<NullFile>(), "null");
    vm::ScanBitmap(bitmap, kBenchTransparent, mask, host, 0, 1);
    mask.Close();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  state.SetLabel(FormatName(format) + " bits");
}

// A byte value the file does not hold, or -1 when it holds all 256.
int AbsentByte(const std::vector<uint8_t>& bytes) {
  bool seen[256] = {};
  for (uint8_t b : bytes) seen[b] = true;
  for (int v = 0; v < 256; ++v)
    if (!seen[v]) return v;
  return -1;
}

// The least any scan must do: look at every byte of the file once. memchr
// for a byte value the file does not hold; when it holds all of them, memcmp
// of the two halves of a copy that are equal by construction.
void BM_BaselineMemchrMemcmp(benchmark::State& state) {
  const BenchFormat format = static_cast<BenchFormat>(state.range(0));
  const std::vector<uint8_t>& bytes = FileBytes(format);
  const int absent = AbsentByte(bytes);
  std::vector<uint8_t> twice;
  if (absent < 0) {
    twice = bytes;
    twice.insert(twice.end(), bytes.begin(), bytes.end());
  }
  for (auto _ : state) {
    if (absent >= 0) {
      benchmark::DoNotOptimize(std::memchr(bytes.data(), absent, bytes.size()));
    } else {
      benchmark::DoNotOptimize(std::memcmp(twice.data(), twice.data() + bytes.size(), bytes.size()));
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  state.SetLabel(FormatName(format) + (absent >= 0 ? " bits, memchr" : " bits, memcmp"));
}

#define VM_FORMATS ->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ScanBitmap) VM_FORMATS;
BENCHMARK(BM_LoadAndScan) VM_FORMATS;
BENCHMARK(BM_BaselineMemchrMemcmp) VM_FORMATS;

}  // namespace

BENCHMARK_MAIN();
