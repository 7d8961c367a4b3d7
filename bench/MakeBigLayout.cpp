// make_big_layout FOLDER [--entities N] [--by-pen] [--frames N]: writes FOLDER/big.jww, a
// drawing of N entities (default one million) spread over an A1 paper
// (94 % lines, 4 % arcs, 1 % texts, 1 % points), and FOLDER/big.swt, a layout
// on it with the base drawing shown and four rectangle frames shown, one per
// quarter of the paper. Used to compare the print and render commands of
// sheetwright-cli on a heavy sheet. Every random choice comes from a fixed
// seed, so the files are the same on every run. Pens and line types are
// random per entity, so nearly every entity changes the pen; --by-pen sorts
// each kind by pen and line type instead, leaving long runs of one pen.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <random>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/Cp932.h"
#include "core/File.h"
#include "layout/Operations.h"
#include "layout/SwtFile.h"
#include "support/JwwWriter.h"

namespace {

using namespace sw;
using Rng = std::mt19937_64;

constexpr double kPi = std::numbers::pi;
// A1 is 841 x 594 mm; entities stay a few mm inside its edges.
constexpr double kHalfW = 415, kHalfH = 292;

// Shares of each kind, per hundred entities.
constexpr int kLineShare = 94, kArcShare = 4, kTextShare = 1;

double Uniform(Rng& rng, double lo, double hi) {
  return std::uniform_real_distribution<double>(lo, hi)(rng);
}
int Pick(Rng& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
bool Chance(Rng& rng, double p) { return Uniform(rng, 0, 1) < p; }

// Any of groups 0..3 and layers 0..15, pens 1..8, mostly solid lines.
JWWEntityHead Head(Rng& rng) {
  const int style = Chance(rng, 0.8) ? 1 : Pick(rng, 2, 9);
  return test::MakeHead(Pick(rng, 0, 3), Pick(rng, 0, 15), Pick(rng, 1, 8), style);
}

CDataSen Line(Rng& rng) {
  CDataSen l;
  l.head = Head(rng);
  l.x1 = Uniform(rng, -kHalfW, kHalfW);
  l.y1 = Uniform(rng, -kHalfH, kHalfH);
  // Short segments in any direction, a fifth of them axis-parallel and longer.
  if (Chance(rng, 0.2)) {
    const double len = Uniform(rng, -60, 60);
    if (Chance(rng, 0.5)) {
      l.x2 = std::clamp(l.x1 + len, -kHalfW, kHalfW);
      l.y2 = l.y1;
    } else {
      l.x2 = l.x1;
      l.y2 = std::clamp(l.y1 + len, -kHalfH, kHalfH);
    }
  } else {
    const double len = Uniform(rng, 0.5, 12), a = Uniform(rng, 0, 2 * kPi);
    l.x2 = std::clamp(l.x1 + len * std::cos(a), -kHalfW, kHalfW);
    l.y2 = std::clamp(l.y1 + len * std::sin(a), -kHalfH, kHalfH);
  }
  return l;
}

CDataEnko Arc(Rng& rng) {
  CDataEnko a;
  a.head = Head(rng);
  a.radius = Uniform(rng, 0.5, 15);
  a.cx = Uniform(rng, -kHalfW + a.radius, kHalfW - a.radius);
  a.cy = Uniform(rng, -kHalfH + a.radius, kHalfH - a.radius);
  a.flatness = 1;
  if (Chance(rng, 0.4)) {
    a.fullCircle = 1;
    a.arcAngle = 2 * kPi;
  } else {
    a.startAngle = Uniform(rng, 0, 2 * kPi);
    a.arcAngle = Uniform(rng, 0.2, kPi);
  }
  return a;
}

CDataMoji Text(Rng& rng) {
  static const std::string face = Utf8ToCp932("ＭＳ ゴシック");
  static const std::string words[] = {Utf8ToCp932("居室"), Utf8ToCp932("廊下"), "W900", "D=600",
                                      "GL+150", Utf8ToCp932("収納"), "X3", "CH2400"};
  CDataMoji t;
  t.head = Head(rng);
  t.head.penStyle = 1;
  t.text = words[static_cast<std::size_t>(Pick(rng, 0, 7))];
  t.sizeX = t.sizeY = Chance(rng, 0.7) ? 2.5 : 3.5;
  t.spacing = 0;
  t.textType = 1;
  t.angle = Chance(rng, 0.9) ? 0 : 90;
  const double len = static_cast<double>(t.text.size()) * t.sizeX / 2;
  t.x1 = Uniform(rng, -kHalfW, kHalfW - 30);
  t.y1 = Uniform(rng, -kHalfH, kHalfH - 30);
  t.x2 = t.angle == 0 ? t.x1 + len : t.x1;
  t.y2 = t.angle == 0 ? t.y1 : t.y1 + len;
  t.fontName = face;
  return t;
}

CDataTen Point(Rng& rng) {
  CDataTen p;
  p.head = Head(rng);
  p.x = Uniform(rng, -kHalfW, kHalfW);
  p.y = Uniform(rng, -kHalfH, kHalfH);
  return p;
}

template <class T>
void SortByPen(std::vector<T>& v) {
  std::stable_sort(v.begin(), v.end(), [](const T& a, const T& b) {
    return std::pair(a.head.penColor, a.head.penStyle) < std::pair(b.head.penColor, b.head.penStyle);
  });
}

JWWDrawing MakeBigDrawing(int entities, bool byPen) {
  const int lines = entities / 100 * kLineShare, arcs = entities / 100 * kArcShare,
            texts = entities / 100 * kTextShare, points = entities - lines - arcs - texts;
  JWWDrawing d = test::MakeDrawing(700);
  d.head.paperSize = 1;  // A1
  d.head.memo = "big sheet";
  Rng lineRng(7001), arcRng(7002), textRng(7003), pointRng(7004);
  d.JWWLines.reserve(static_cast<std::size_t>(lines));
  for (int i = 0; i < lines; ++i) d.JWWLines.push_back(Line(lineRng));
  d.JWWArcs.reserve(static_cast<std::size_t>(arcs));
  for (int i = 0; i < arcs; ++i) d.JWWArcs.push_back(Arc(arcRng));
  d.JWWTexts.reserve(static_cast<std::size_t>(texts));
  for (int i = 0; i < texts; ++i) d.JWWTexts.push_back(Text(textRng));
  d.JWWPoints.reserve(static_cast<std::size_t>(points));
  for (int i = 0; i < points; ++i) d.JWWPoints.push_back(Point(pointRng));
  if (byPen) {
    SortByPen(d.JWWLines);
    SortByPen(d.JWWArcs);
    SortByPen(d.JWWTexts);
    SortByPen(d.JWWPoints);
  }
  return d;
}

int Fail(const std::string& what, const Status& s) {
  std::fprintf(stderr, "make_big_layout: %s: %s\n", what.c_str(), Describe(s.error()).c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const char* usage = "usage: make_big_layout FOLDER [--entities N] [--by-pen] [--frames N]\n";
  if (argc < 2) {
    std::fputs(usage, stderr);
    return 2;
  }
  int entities = 1000000;
  int extraFrames = 0;
  bool byPen = false;
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--by-pen") {
      byPen = true;
    } else if (a == "--entities" && i + 1 < argc) {
      char* end = nullptr;
      const long n = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || n < 100 || n > 50000000) {
        std::fputs(usage, stderr);
        return 2;
      }
      entities = static_cast<int>(n);
    } else if (a == "--frames" && i + 1 < argc) {
      char* end = nullptr;
      const long n = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || n < 0 || n > 1000000) {
        std::fputs(usage, stderr);
        return 2;
      }
      extraFrames = static_cast<int>(n);
    } else {
      std::fputs(usage, stderr);
      return 2;
    }
  }
  const std::filesystem::path folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  const std::filesystem::path jww = folder / "big.jww", swt = folder / "big.swt";

  {
    const std::vector<std::uint8_t> bytes = test::WriteJww(MakeBigDrawing(entities, byPen));
    if (Status s = WriteFileAtomic(jww, std::span<const std::uint8_t>(bytes)); !s)
      return Fail(jww.string(), s);
  }

  LayoutDocument doc;
  JWWDrawing drawing;
  if (Status s = openBaseDrawing(doc, drawing, std::filesystem::absolute(jww)); !s)
    return Fail(jww.string(), s);
  if (Status s = setPaper(doc, 1); !s) return Fail("paper", s);
  struct Quarter {
    const char* name;
    PaperPoint a, b;
  };
  const Quarter quarters[] = {
      {"NW", {-kHalfW, 0}, {0, kHalfH}},
      {"NE", {0, 0}, {kHalfW, kHalfH}},
      {"SW", {-kHalfW, -kHalfH}, {0, 0}},
      {"SE", {0, -kHalfH}, {kHalfW, 0}},
  };
  for (const Quarter& q : quarters) {
    if (Status s = addFrame(doc, kFrameRect, q.name, q.a, q.b); !s) return Fail(q.name, s);
    const std::int32_t j = CurrentSheet(doc).frameHigh;
    if (Status s = initFrameFromBase(doc, drawing, j); !s) return Fail(q.name, s);
    if (Status s = setFrameShown(doc, j, true); !s) return Fail(q.name, s);
  }
  // --frames: that many small hidden frames more, for the size of the
  // layout rather than of the drawing.
  for (int k = 0; k < extraFrames; ++k) {
    const std::string name = "x" + std::to_string(k);
    const double x = -kHalfW + (k % 100) * 5.0, y = -kHalfH + (k / 100 % 100) * 5.0;
    if (Status s = addFrame(doc, kFrameRect, name, {x, y}, {x + 4, y + 4}); !s) return Fail(name, s);
  }
  if (Status s = setFrameShown(doc, 0, true); !s) return Fail("base", s);
  if (Status s = SaveLayout(doc, swt); !s) return Fail(swt.string(), s);

  std::printf("%s: %zu lines, %zu arcs, %zu texts, %zu points\n%s: %d frames\n", jww.string().c_str(),
              drawing.JWWLines.size(), drawing.JWWArcs.size(), drawing.JWWTexts.size(),
              drawing.JWWPoints.size(), swt.string().c_str(), CurrentSheet(doc).frameHigh);
  return 0;
}
