// Comparison of rendered pictures with the golden images stored under
// tests/data/golden. A pixel matches when every channel is within
// `tolerance`; a picture matches when at most `maxMismatch` of its pixels do
// not. On a mismatch a diff image (mismatched pixels red over a faded copy)
// is written beside the test binary and named in the failure. With
// SW_UPDATE_GOLDEN=1 in the environment the golden is replaced instead.
#pragma once

#include <QImage>
#include <string>

namespace sw::test {

struct GoldenTolerance {
  int tolerance = 40;         // per channel, 0..255
  double maxMismatch = 0.002;  // share of all pixels
};

// Empty when `actual` matches golden `name` (a file name under
// tests/data/golden), else what is wrong.
std::string CompareWithGolden(const QImage& actual, const std::string& name,
                              GoldenTolerance t = {});

}  // namespace sw::test
