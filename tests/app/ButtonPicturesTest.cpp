// The layer and group button pictures of a few states against golden
// 16 x 16 images (tests/data/golden/button-*.png). SW_UPDATE_GOLDEN=1
// writes them anew; look at every one before committing it.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>

#include "app/ButtonPictures.h"

namespace sw {
namespace {

struct PictureCase {
  const char* name;
  int n, state, protect;
  bool lines, text, group;
};

TEST(ButtonPictures, StatesMatchTheirGoldens) {
  const PictureCase cases[] = {
      {"layer3-hidden", 3, 0, 0, true, false, false},       {"layer3-grey", 3, 1, 0, true, true, false},
      {"layer3-editable", 3, 2, 0, false, true, false},     {"layer3-write", 3, 3, 0, true, true, false},
      {"layer10-protect1", 10, 2, 1, true, false, false},   {"layer10-protect2", 10, 1, 2, false, false, false},
      {"group12-editable", 12, 2, 0, true, true, true},     {"group0-write", 0, 3, 0, true, false, true},
  };
  const bool update = std::getenv("SW_UPDATE_GOLDEN") != nullptr;
  for (const PictureCase& c : cases) {
    const QImage actual = LayerButtonPicture(c.n, c.state, c.protect, c.lines, c.text, c.group ? "RectBK" : "CircleBK",
                                             c.group ? "RectRD" : "CircleRD")
                              .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(actual.size(), QSize(16, 16)) << c.name;
    const QString file = QString(SW_SOURCE_DIR "/tests/data/golden/button-%1.png").arg(c.name);
    if (update) {
      ASSERT_TRUE(actual.save(file)) << c.name;
      continue;
    }
    const QImage golden = QImage(file).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(golden.isNull()) << "no golden " << file.toStdString();
    EXPECT_EQ(actual, golden) << c.name;
  }
}

}  // namespace
}  // namespace sw
