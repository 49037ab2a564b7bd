// Writes the benchmark's sprite pictures as BMP files:
//   make_bench_bmp FOLDER [SIZE]
// gives FOLDER/sprite-24.bmp, -32, -8 and -rle8, SIZE x SIZE pixels
// (4096 when absent); transparent colour $FF00FF.
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "bench_picture.h"

int main(int argc, char** argv) {
  using namespace vm::bench;
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_bench_bmp FOLDER [SIZE]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const int32_t size = argc > 2 ? std::atoi(argv[2]) : 4096;
  if (size <= 0) {
    std::fprintf(stderr, "make_bench_bmp: bad size\n");
    return 2;
  }
  const BenchPicture picture = MakeSpritePicture(size, size);
  for (BenchFormat format :
       {BenchFormat::Rgb24, BenchFormat::Rgb32, BenchFormat::Indexed8, BenchFormat::Rle8}) {
    const std::vector<uint8_t> bytes = EncodeBmp(picture, format);
    const std::string path = folder + "/sprite-" + FormatName(format) + ".bmp";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fclose(file) != 0) {
      std::fprintf(stderr, "make_bench_bmp: cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s\n", path.c_str());
  }
  return 0;
}
