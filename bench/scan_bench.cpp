// The scan of a loaded 4096 x 4096 sprite picture, whole rows at a time (the
// command-line tool's way), against a baseline that only looks at the same
// bytes once: memchr for a byte that is not there, then memcmp against itself.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
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
    const vm::Bitmap bitmap = vm::Bitmap::Load(bytes);
    vm::MaskWriter mask(std::make_unique<NullFile>(), "null");
    vm::ScanBitmap(bitmap, kBenchTransparent, mask, host, 0, 1);
    mask.Close();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  state.SetLabel(FormatName(format) + " bits");
}

// The least any scan must do: touch every byte of the file once.
void BM_BaselineMemchrMemcmp(benchmark::State& state) {
  const BenchFormat format = static_cast<BenchFormat>(state.range(0));
  const std::vector<uint8_t>& bytes = FileBytes(format);
  const std::size_t half = bytes.size() / 2;
  for (auto _ : state) {
    const void* found = std::memchr(bytes.data(), 0xA5 + (bytes[0] == 0xA5), bytes.size());
    benchmark::DoNotOptimize(found);
    int order = std::memcmp(bytes.data(), bytes.data() + half, half);
    benchmark::DoNotOptimize(order);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  state.SetLabel(FormatName(format) + " bits");
}

#define VM_FORMATS ->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ScanBitmap) VM_FORMATS;
BENCHMARK(BM_LoadAndScan) VM_FORMATS;
BENCHMARK(BM_BaselineMemchrMemcmp) VM_FORMATS;

}  // namespace

BENCHMARK_MAIN();
