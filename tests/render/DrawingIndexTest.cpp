// The index of a drawing against a plain scan: the grid returns every box
// that meets a query, and a redraw through the index records the very calls,
// in the very order, that a redraw visiting every entity records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "geometry/BoxGrid.h"
#include "render/DrawingIndex.h"
#include "render/RecordingCanvas.h"
#include "render/RedrawScene.h"

namespace sw {
namespace {

using test::MakeHead;

bool Meets(const BoundingBox& b, const BoundingBox& q) {
  return !(b.maxX < q.minX || b.minX > q.maxX || b.maxY < q.minY || b.minY > q.maxY);
}

TEST(BoxGrid, ReturnsWhatAScanFindsInOrder) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> at(-1000, 1000), size(0, 30);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (int round = 0; round < 20; ++round) {
    std::vector<BoundingBox> boxes;
    // Round 1 is long enough to be built in two halves at once.
    for (int i = 0, n = round == 1 ? 100000 : 3000; i < n; ++i) {
      const double x = at(rng), y = at(rng);
      switch (rng() % 20) {
        case 0: boxes.push_back({x, y, x, y}); break;                    // a point
        case 1: boxes.push_back({x, y, x + 1500, y + size(rng)}); break;  // spans many cells
        case 2: boxes.push_back({nan, y, x, y}); break;                  // not finite
        default: boxes.push_back({x, y, x + size(rng), y + size(rng)});
      }
    }
    // All boxes in one spot (a degenerate extent) in one round.
    if (round == 0)
      for (BoundingBox& b : boxes) b = {5, 5, 5, 5};
    const BoxGrid grid(boxes);
    std::vector<std::uint32_t> got;
    for (int k = 0; k < 50; ++k) {
      const double x = at(rng), y = at(rng), w = std::exp(std::uniform_real_distribution<double>(0, 7)(rng));
      const BoundingBox q{x, y, x + w, y + w * 0.7};
      if (!grid.Query(q, got)) {
        EXPECT_GT(w, 300) << "only a large query may ask for a full scan";
        continue;
      }
      ASSERT_TRUE(std::is_sorted(got.begin(), got.end()));
      ASSERT_TRUE(std::adjacent_find(got.begin(), got.end()) == got.end()) << "no index twice";
      std::vector<std::uint32_t> scan;
      for (std::uint32_t i = 0; i < boxes.size(); ++i)
        if (Meets(boxes[i], q) || std::isnan(boxes[i].minX)) scan.push_back(i);
      EXPECT_EQ(got, scan) << "round " << round << " query " << k;
    }
  }
}

// Edges that single precision cannot hold, touched exactly by the query from
// each side; coordinates beyond its range; signed zeros.
TEST(BoxGrid, FindsBoxesTouchedExactlyAtTheirEdges) {
  const double big = 1e39, tiny = 1e-46;
  const std::vector<BoundingBox> boxes = {
      {0.1, 0.1, 0.3, 0.3},         {-0.3, -0.3, -0.1, -0.1},   {1000.0000001, 5, 1000.0000003, 6},
      {-tiny, -tiny, tiny, tiny},   {-0.0, -0.0, 0.0, 0.0},     {big, 0, big, 1},
      {-big, -big, -big, -big},     {3e38, 3e38, 3.3e38, 3.3e38}};
  const BoxGrid grid(boxes);
  std::vector<std::uint32_t> got;
  for (std::uint32_t i = 0; i < boxes.size(); ++i) {
    const BoundingBox& b = boxes[i];
    // Touching each edge from outside, and the corners.
    for (const BoundingBox& q : {BoundingBox{b.maxX, b.minY, b.maxX + 1, b.maxY},
                                 BoundingBox{b.minX - 1, b.minY, b.minX, b.maxY},
                                 BoundingBox{b.minX, b.maxY, b.maxX, b.maxY + 1},
                                 BoundingBox{b.minX, b.minY - 1, b.maxX, b.minY},
                                 BoundingBox{b.maxX, b.maxY, b.maxX, b.maxY}}) {
      if (!grid.Query(q, got)) continue;  // a full scan finds it anyway
      EXPECT_TRUE(std::find(got.begin(), got.end(), i) != got.end())
          << "box " << i << " query " << q.minX << "," << q.minY << " " << q.maxX << "," << q.maxY;
    }
  }
}

// Random drawings of lines, arcs, points, texts and a block; random zoomed
// views; frames with offsets. Each redraw is recorded twice.
TEST(DrawingIndex, RedrawRecordsTheSameCallsAsAFullScan) {
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> at(-200, 200), len(-40, 40), unit(0, 1);
  for (int round = 0; round < 12; ++round) {
    test::RedrawScene scene;
    JWWDrawing& d = scene.drawing;
    for (int i = 0; i < 1500; ++i) {
      const auto head = MakeHead(0, static_cast<int>(rng() % 3), 1 + static_cast<int>(rng() % 8),
                                 1 + static_cast<int>(rng() % 3));
      const double x = at(rng), y = at(rng);
      switch (rng() % 8) {
        case 0: d.JWWArcs.push_back({head, x, y, std::fabs(len(rng)), 0, 6.2831853, 0, 1 + unit(rng), 1}); break;
        case 1: d.JWWArcs.push_back({head, x, y, std::fabs(len(rng)), unit(rng), 2, unit(rng), 1, 0}); break;
        case 2: d.JWWPoints.push_back({head, x, y, 0, 0, 0, 0}); break;
        case 3: d.JWWTexts.push_back({head, x, y, x + 20, y, 0, 3, 3, 0, 0, "", "T" + std::to_string(i)}); break;
        default: d.JWWLines.push_back({head, x, y, x + len(rng), y + len(rng)});
      }
    }
    d.JWWLines.push_back({MakeHead(0, 0, 1, 1), std::numeric_limits<double>::infinity(), 0, 0, 0});
    scene.AddRect(-150, -100, 20, 60, at(rng) / 4, at(rng) / 4);
    scene.AddRect(-20, -80, 150, 90, at(rng) / 4, at(rng) / 4);
    scene.Fit(BoxSize{400, 300});
    const DrawingIndex index(d);
    ASSERT_TRUE(index.Covers(d));
    // Fitted, then zoomed 3x, 10x and 40x about random points.
    for (const double zoom : {1.0, 3.0, 10.0, 40.0}) {
      ViewState view = scene.view;
      const double cx = at(rng) / 2, cy = at(rng) / 2;
      const double hw = (view.ViewWindow.right - view.ViewWindow.left) / 2 / zoom;
      const double hh = (view.ViewWindow.top - view.ViewWindow.bottom) / 2 / zoom;
      view.ViewScale *= zoom;
      view.ViewWindow = {cx - hw, cy - hh, cx + hw, cy + hh};
      RecordingCanvas plain, indexed;
      for (int backdrop = 0; backdrop < 2; ++backdrop) {
        RedrawState s1 = scene.state, s2 = scene.state;
        s1.BackdropMode = s2.BackdropMode = backdrop;
        ViewState v1 = view, v2 = view;
        RedrawSheet(plain, v1, scene.source(), s1);
        RedrawSheet(indexed, v2, SheetSource{d, scene.doc, scene.styles, scene.print, &index}, s2);
      }
      ASSERT_GT(plain.Calls().size(), 0u);
      ASSERT_EQ(indexed.Calls().size(), plain.Calls().size()) << "round " << round << " zoom " << zoom;
      EXPECT_TRUE(indexed.Calls() == plain.Calls()) << "round " << round << " zoom " << zoom;
    }
    // An index of another drawing is not used.
    d.JWWLines.pop_back();
    EXPECT_FALSE(index.Covers(d));
  }
}

}  // namespace
}  // namespace sw
