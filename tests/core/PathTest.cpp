// UTF-8 text to paths and back, and the extension test on file names.
#include "core/Path.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(Path, Utf8TextRoundTripsThroughAPath) {
  for (const char* text : {"a.swt", "図面/表.jww", "レイアウト 1.SWT", "/tmp/ｻﾝﾌﾟﾙ/平面図.jww", ""}) {
    const std::filesystem::path p = PathFromUtf8(text);
    EXPECT_EQ(Utf8FromPath(p), text);
    EXPECT_EQ(p, std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(text))));
  }
  // The components are found in the native path, not in the bytes.
  EXPECT_EQ(Utf8FromPath(PathFromUtf8("図面/表.jww").filename()), "表.jww");
  EXPECT_EQ(Utf8FromPath(PathFromUtf8("図面/表.jww").parent_path()), "図面");
}

TEST(Path, HasExtensionComparesTheLastExtensionInAnyAsciiCase) {
  const struct {
    const char* path;
    const char* ext;
    bool expected;
  } cases[] = {
      {"平面図.swt", ".swt", true},
      {"平面図.SWT", ".swt", true},
      {"plan.swt", ".SWT", true},
      {"a.swt.bak", ".swt", false},
      {"a.swt.bak", ".bak", true},
      {"swt", ".swt", false},
      {".swt", ".swt", false},         // a dot file: the whole name, no extension
      {"folder.swt/plan", ".swt", false},
      {"plan.swtx", ".swt", false},
      {"plan.ｓｗｔ", ".swt", false},   // full-width letters are not ASCII
  };
  for (const auto& c : cases)
    EXPECT_EQ(HasExtension(PathFromUtf8(c.path), c.ext), c.expected) << c.path << " " << c.ext;
}

}  // namespace
}  // namespace sw
