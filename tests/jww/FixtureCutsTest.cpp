// Drawings written by Jw_cad, cut short: each cut either reads the whole
// drawing or fails with the offset where the data ran out, never as a part.
#include <gtest/gtest.h>

#include <random>

#include "core/File.h"
#include "jww/Reader.h"
#include "support/Fixtures.h"

namespace sw {
namespace {

struct Counts {
  std::size_t lines, arcs, points, texts, solids, inserts, dims, definitions, members;
  bool operator==(const Counts&) const = default;
};

Counts CountsOf(const JWWDrawing& d) {
  return {d.JWWLines.size(),  d.JWWArcs.size(),    d.JWWPoints.size(),
          d.JWWTexts.size(),  d.JWWSolids.size(),  d.JWWInserts.size(),
          d.JWWDims.size(),   d.JWWBlocks.definitions().size(), d.JWWBlocks.members().size()};
}

// Checks the cut of `bytes` at `n` against the whole drawing.
void CheckCut(const std::vector<std::uint8_t>& bytes, std::size_t n, const Counts& whole) {
  JWWDrawing d;
  const Status s = ReadJWW(std::span(bytes).first(n), d);
  if (s.ok()) {
    ASSERT_EQ(CountsOf(d), whole) << "cut at " << n << " read as a part of the drawing";
    return;
  }
  ASSERT_GE(s.error().offset, 0) << n << ": " << s.error().message;
  ASSERT_LE(static_cast<std::size_t>(s.error().offset), n) << s.error().message;
  ASSERT_EQ(CountsOf(d), Counts{}) << n;
}

// Its objects (8 entities, 2 definitions of 4 members) lie in the last 2 KiB:
// every cut there, and every 64th byte of the header before.
TEST(JwcadFixtureCuts, EveryCutOfADrawingWithBlocks) {
  SW_REQUIRE_FIXTURES(dir);
  auto bytes = ReadWholeFile(dir / "blk_2blocks.jww", kMaxJWWFileBytes);
  ASSERT_TRUE(bytes.ok());
  JWWDrawing full;
  ASSERT_TRUE(ReadJWW(bytes.value(), full).ok());
  const Counts whole = CountsOf(full);
  const std::size_t objects = bytes->size() - 2048;
  for (std::size_t n = 0; n < objects; n += 64) CheckCut(bytes.value(), n, whole);
  for (std::size_t n = objects; n < bytes->size(); ++n) CheckCut(bytes.value(), n, whole);
}

TEST(JwcadFixtureCuts, RandomCutsOfEveryDrawing) {
  SW_REQUIRE_FIXTURES(dir);
  std::mt19937 rng(20240611);
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() != ".jww") continue;
    SCOPED_TRACE(entry.path().filename().string());
    auto bytes = ReadWholeFile(entry.path(), kMaxJWWFileBytes);
    ASSERT_TRUE(bytes.ok());
    JWWDrawing full;
    ASSERT_TRUE(ReadJWW(bytes.value(), full).ok());
    const Counts whole = CountsOf(full);
    // The cut Jw_cad users met first: a large drawing cut early.
    if (entry.path().filename() == "Amansion_heimen.jww") CheckCut(bytes.value(), 15315, whole);
    for (int i = 0; i < 60; ++i) CheckCut(bytes.value(), rng() % bytes->size(), whole);
    for (std::size_t back = 1; back <= 8; ++back) CheckCut(bytes.value(), bytes->size() - back, whole);
  }
}

}  // namespace
}  // namespace sw
