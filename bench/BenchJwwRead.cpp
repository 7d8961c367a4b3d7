// Reading a generated drawing of about one million entities (~60 MB), from
// memory and from a file, beside two floors: copying the same bytes once into
// fresh memory (mostly the cost of its first-touch page faults) and into
// memory that was already touched before the timing (the copy alone).
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

#include "jww/Reader.h"
#include "support/JwwWriter.h"
#include "support/RunCommand.h"

namespace {

using namespace sw;

const std::vector<std::uint8_t>& Drawing() {
  static const std::vector<std::uint8_t> bytes = [] {
    JWWDrawing d = test::MakeDrawing(600);
    std::mt19937 rng(12345);
    std::uniform_real_distribution<double> coord(-5000, 5000);
    for (int i = 0; i < 1000000; ++i) {
      JWWEntityHead h = test::MakeHead(static_cast<int>(rng() % 16), static_cast<int>(rng() % 16),
                                       1 + static_cast<int>(rng() % 9), 1 + static_cast<int>(rng() % 9));
      switch (i % 10) {
        case 0: {
          CDataMoji t;
          t.head = h;
          t.x1 = coord(rng);
          t.y1 = coord(rng);
          t.sizeX = t.sizeY = 3;
          t.fontName = "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E";
          t.text = "\x8E\x96\x96\xB1\x8E\xBA 12";
          d.JWWTexts.push_back(std::move(t));
          break;
        }
        case 1:
          d.JWWArcs.push_back({h, coord(rng), coord(rng), 100, 0, 1, 0, 1, 0});
          break;
        default:
          d.JWWLines.push_back({h, coord(rng), coord(rng), coord(rng), coord(rng)});
      }
    }
    return test::WriteJww(d);
  }();
  return bytes;
}

void BM_ReadJww(benchmark::State& state) {
  const auto& bytes = Drawing();
  for (auto _ : state) {
    JWWDrawing d;
    Status s = ReadJWW(bytes, d);
    if (!s.ok()) state.SkipWithError(s.error().message.c_str());
    benchmark::DoNotOptimize(d.JWWLines.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
  state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
}
BENCHMARK(BM_ReadJww)->Unit(benchmark::kMillisecond);

// The same drawing read from a file (in the page cache after the first run),
// as `sheetwright-cli info` reads it.
void BM_ReadJwwFile(benchmark::State& state) {
  const auto& bytes = Drawing();
  test::TempDir dir;
  const std::filesystem::path path = dir / "bench.jww";
  if (!test::WriteBytes(path, bytes)) state.SkipWithError("cannot write the drawing");
  for (auto _ : state) {
    JWWDrawing d;
    Status s = ReadJWWFile(path, d);
    if (!s.ok()) state.SkipWithError(s.error().message.c_str());
    benchmark::DoNotOptimize(d.JWWLines.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadJwwFile)->Unit(benchmark::kMillisecond);

// Floor: the same bytes copied once into a new buffer.
void BM_CopyFloor(benchmark::State& state) {
  const auto& bytes = Drawing();
  for (auto _ : state) {
    std::vector<std::uint8_t> copy(bytes.size());
    std::memcpy(copy.data(), bytes.data(), bytes.size());
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_CopyFloor)->Unit(benchmark::kMillisecond);

// Warm floor: the same bytes copied into a buffer written once before the
// timing, so no page fault is counted.
void BM_WarmCopyFloor(benchmark::State& state) {
  const auto& bytes = Drawing();
  std::vector<std::uint8_t> copy(bytes.size());
  std::memcpy(copy.data(), bytes.data(), bytes.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), bytes.data(), bytes.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_WarmCopyFloor)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
