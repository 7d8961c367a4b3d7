#include "cli/Golden.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace sw::test {

namespace fs = std::filesystem;

namespace {

fs::path GoldenPath(const std::string& name) {
  return fs::path(SW_SOURCE_DIR) / "tests" / "data" / "golden" / name;
}

bool Updating() {
  const char* v = std::getenv("SW_UPDATE_GOLDEN");
  return v && std::string(v) == "1";
}

}  // namespace

std::string CompareWithGolden(const QImage& actualIn, const std::string& name, GoldenTolerance t) {
  const fs::path golden = GoldenPath(name);
  const QImage actual = actualIn.convertToFormat(QImage::Format_RGB32);
  if (Updating()) {
    fs::create_directories(golden.parent_path());
    if (!actual.save(QString::fromStdString(golden.string()), "PNG"))
      return "cannot write " + golden.string();
    return {};
  }
  QImage expected(QString::fromStdString(golden.string()));
  if (expected.isNull())
    return "no golden " + golden.string() + " (make it with SW_UPDATE_GOLDEN=1 and look at it)";
  expected = expected.convertToFormat(QImage::Format_RGB32);
  if (expected.size() != actual.size()) {
    std::ostringstream os;
    os << name << ": size " << actual.width() << "x" << actual.height() << ", golden "
       << expected.width() << "x" << expected.height();
    return os.str();
  }
  QImage diff(actual.size(), QImage::Format_RGB32);
  long long bad = 0;
  for (int y = 0; y < actual.height(); ++y) {
    const QRgb* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
    const QRgb* e = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
    QRgb* d = reinterpret_cast<QRgb*>(diff.scanLine(y));
    for (int x = 0; x < actual.width(); ++x) {
      const bool same = std::abs(qRed(a[x]) - qRed(e[x])) <= t.tolerance &&
                        std::abs(qGreen(a[x]) - qGreen(e[x])) <= t.tolerance &&
                        std::abs(qBlue(a[x]) - qBlue(e[x])) <= t.tolerance;
      const int g = 192 + qGray(a[x]) / 4;
      d[x] = same ? qRgb(g, g, g) : qRgb(255, 0, 0);
      if (!same) ++bad;
    }
  }
  const double share = double(bad) / (double(actual.width()) * actual.height());
  if (share <= t.maxMismatch) return {};
  const fs::path out = fs::current_path() / "golden-diff" / name;
  fs::create_directories(out.parent_path());
  diff.save(QString::fromStdString(out.string()), "PNG");
  std::ostringstream os;
  os << name << ": " << bad << " pixels (" << share * 100 << " %) differ; diff image " << out.string();
  return os.str();
}

}  // namespace sw::test
