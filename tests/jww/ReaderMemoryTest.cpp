// How the reader sizes its arrays, and reading from a file whose memory is
// given back as the parse moves on.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "jww/Reader.h"
#include "support/JwwWriter.h"
#include "support/RunCommand.h"

namespace sw {
namespace {

using test::JwwWriter;
using test::MakeDrawing;
using test::MakeHead;

// One record kind: writes its smallest object (empty strings, no optional
// fields) and reports (size, capacity) of its array.
struct Kind {
  const char* name;
  std::function<void(JwwWriter&)> writeSmallest;
  std::function<std::pair<std::size_t, std::size_t>(const JWWDrawing&)> array;
};

template <class R>
std::pair<std::size_t, std::size_t> SizeAndCapacity(const std::vector<R>& v) {
  return {v.size(), v.capacity()};
}

const Kind kKinds[] = {
    {"line", [](JwwWriter& w) { w.object(CDataSen{MakeHead(0, 1), 1, 2, 3, 4}); },
     [](const JWWDrawing& d) { return SizeAndCapacity(d.JWWLines); }},
    {"arc", [](JwwWriter& w) { w.object(CDataEnko{MakeHead(0, 1), 1, 2, 3, 0, 1, 0, 1, 0}); },
     [](const JWWDrawing& d) { return SizeAndCapacity(d.JWWArcs); }},
    {"point", [](JwwWriter& w) { w.object(CDataTen{MakeHead(0, 1), 1, 2, 0, 0, 0, 0}); },
     [](const JWWDrawing& d) { return SizeAndCapacity(d.JWWPoints); }},
    {"text", [](JwwWriter& w) { w.object(CDataMoji{}); },
     [](const JWWDrawing& d) { return SizeAndCapacity(d.JWWTexts); }},
    {"solid", [](JwwWriter& w) { w.object(CDataSolid{MakeHead(0, 1, 3), 0, 0, 1, 0, 1, 1, 0, 1, 0}); },
     [](const JWWDrawing& d) { return SizeAndCapacity(d.JWWSolids); }},
    {"insert", [](JwwWriter& w) { w.object(CDataBlock{MakeHead(0, 1), 1, 2, 1, 1, 0, 3}); },
     [](const JWWDrawing& d) { return SizeAndCapacity(d.JWWInserts); }},
    {"dimension", [](JwwWriter& w) { w.object(CDataSunpou{}); },
     [](const JWWDrawing& d) { return SizeAndCapacity(d.JWWDims); }},
};

constexpr std::uint32_t kCountOverstated = 0xFFFFFFF0u;

// A file of `n` smallest objects of one kind whose entity count says `count`.
std::vector<std::uint8_t> Repeated(std::uint32_t version, const Kind& kind, std::uint32_t count, int n) {
  // An empty drawing ends with its entity count and the end tag (a WORD each).
  std::vector<std::uint8_t> file = test::WriteJww(MakeDrawing(version));
  file.resize(file.size() - 4);
  JwwWriter w(version);
  w.count(count);
  for (int i = 0; i < n; ++i) kind.writeSmallest(w);
  w.endTag();
  const std::vector<std::uint8_t> objects = w.take();
  file.insert(file.end(), objects.begin(), objects.end());
  return file;
}

// The room reserved for an array is the smaller of the count the file gives
// and what the bytes left can hold: with the smallest objects both bounds
// meet the real number exactly, so an array never grows a second time and,
// whatever the count claims, never holds more room than the data allows.
TEST(ReaderMemory, ArraysAreSizedOnceFromTheCountAndTheBytesLeft) {
  constexpr int n = 300;
  for (std::uint32_t version : {230u, 300u, 351u, 420u, 600u}) {
    for (const Kind& kind : kKinds) {
      for (std::uint32_t count : {std::uint32_t{n}, kCountOverstated, std::uint32_t{0}, std::uint32_t{n / 3}}) {
        SCOPED_TRACE(std::string(kind.name) + " v" + std::to_string(version) + " count " + std::to_string(count));
        JWWDrawing d;
        Status s = ReadJWW(Repeated(version, kind, count, n), d);
        ASSERT_TRUE(s.ok()) << Describe(s.error());
        const auto [size, capacity] = kind.array(d);
        EXPECT_EQ(size, std::size_t{n});
        // An understated count only costs growth; the objects are all there.
        if (count >= n) {
          EXPECT_EQ(capacity, std::size_t{n});
        }
      }
    }
  }
}

// A drawing of several MiB read from its file (whose memory is given back
// behind the parse) equals the same bytes read from memory.
TEST(ReaderMemory, ReadingAFileEqualsReadingItsBytes) {
  JWWDrawing d = MakeDrawing(600);
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> coord(-1000, 1000);
  for (int i = 0; i < 150000; ++i) {
    const JWWEntityHead h = MakeHead(static_cast<int>(rng() % 16), static_cast<int>(rng() % 16));
    if (i % 50 == 0) {
      CDataMoji t;
      t.head = h;
      t.x1 = coord(rng);
      t.text = "text " + std::to_string(i);
      d.JWWTexts.push_back(t);
    } else {
      d.JWWLines.push_back({h, coord(rng), coord(rng), coord(rng), coord(rng)});
    }
  }
  const std::vector<std::uint8_t> bytes = test::WriteJww(d);
  ASSERT_GT(bytes.size(), std::size_t{6} << 20);
  test::TempDir dir;
  ASSERT_TRUE(test::WriteBytes(dir / "big.jww", bytes));
  JWWDrawing fromFile, fromMemory;
  Status s = ReadJWWFile(dir / "big.jww", fromFile);
  ASSERT_TRUE(s.ok()) << Describe(s.error());
  ASSERT_TRUE(ReadJWW(bytes, fromMemory).ok());
  EXPECT_EQ(fromFile.JWWLines, d.JWWLines);
  EXPECT_EQ(fromFile.JWWTexts, d.JWWTexts);
  EXPECT_EQ(fromFile.JWWLines, fromMemory.JWWLines);
  EXPECT_EQ(fromFile.LayerHasLines, fromMemory.LayerHasLines);
}

}  // namespace
}  // namespace sw
