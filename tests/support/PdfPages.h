// Reading printed pages back: a PDF rasterised by pdftoppm, and the ink of
// a hairline found in a row of the picture.
#pragma once

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <string>

#include "support/RunCommand.h"

namespace sw::test {

inline bool HavePdftoppm() { return RunCommand({"sh", "-c", "command -v pdftoppm"}).status == 0; }

// The first page of `pdf` at `dpi` (a null image when pdftoppm failed).
inline QImage FirstPage(const std::filesystem::path& pdf, int dpi) {
  const std::filesystem::path stem = pdf.parent_path() / (pdf.stem().string() + "-page");
  auto r = RunCommand({"pdftoppm", "-r", std::to_string(dpi), "-png", "-singlefile", pdf.string(), stem.string()});
  if (r.status != 0) return QImage();
  return QImage(QString::fromStdString(stem.string() + ".png"));
}

// The first and last column darker than white in rows y-2..y+2 (a hairline
// falls on one of them); -1, -1 when there is none.
inline std::pair<int, int> InkRun(const QImage& img, int y) {
  int first = -1, last = -1;
  for (int row = std::max(0, y - 2); row <= std::min(img.height() - 1, y + 2); ++row)
    for (int x = 0; x < img.width(); ++x)
      if (qGray(img.pixel(x, row)) < 230) {
        if (first < 0 || x < first) first = x;
        last = std::max(last, x);
      }
  return {first, last};
}

}  // namespace sw::test
