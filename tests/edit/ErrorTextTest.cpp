// Every kind of error the readers give has a Japanese detail line: real
// errors, made by reading broken input, each said without falling back to
// the English text.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <functional>

#include "core/File.h"
#include "edit/ErrorText.h"
#include "jww/Reader.h"
#include "layout/Operations.h"
#include "layout/SwtFormat.h"
#include "support/JwwWriter.h"
#include "support/RunCommand.h"

namespace sw {
namespace {

Error JwwError(std::vector<std::uint8_t> bytes) {
  JWWDrawing d;
  Status s = ReadJWW(bytes, d);
  EXPECT_FALSE(s.ok());
  return s.error();
}

Error SwtError(std::vector<std::uint8_t> bytes) {
  Result<LayoutDocument> r = DecodeSwt(bytes);
  EXPECT_FALSE(r.ok());
  return r.error();
}

Error FileError(const std::filesystem::path& p, std::uint64_t max = 1 << 20) {
  auto r = ReadWholeFile(p, max);
  EXPECT_FALSE(r.ok()) << p;
  return r.error();
}

TEST(DescribeJa, EveryReaderErrorKindInJapanese) {
  test::TempDir dir;
  const std::vector<std::uint8_t> drawing = test::WriteJww(test::MakeDrawing(600));
  std::vector<std::uint8_t> badVersion = drawing;
  badVersion[8] = 7;
  badVersion[9] = badVersion[10] = badVersion[11] = 0;
  std::vector<std::uint8_t> layout;
  {
    LayoutDocument doc;
    layout = EncodeSwt(doc, "plan.jww").value();
  }
  std::vector<std::uint8_t> badTerminator = layout;
  badTerminator.back() = 1;
  ASSERT_TRUE(test::WriteBytes(dir / "big.bin", std::vector<std::uint8_t>(100, 1)));
#ifndef _WIN32
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
#endif

  struct Case {
    const char* kind;
    std::function<Error()> make;
    const char* says;  // a part of the Japanese text
  };
  const Case cases[] = {
      {"missing file", [&] { return FileError(dir / "none.jww"); }, "ファイルがありません"},
      {"folder", [&] { return FileError(dir.path()); }, "フォルダー"},
      {"FIFO", [&] { return FileError(dir / "fifo"); }, "名前付きパイプ"},
      {"device", [&] { return FileError("/dev/zero"); }, "キャラクターデバイス"},
      {"too large", [&] { return FileError(dir / "big.bin", 10); }, "大きすぎます"},
      {"short drawing", [&] { return JwwError({'J', 'w'}); }, "識別子より短い"},
      {"not a drawing", [&] { return JwwError({'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0}); }, "\"JwwData.\" ではありません"},
      {"version", [&] { return JwwError(badVersion); }, "バージョン 7 には対応していません"},
      {"cut drawing", [&] { return JwwError({drawing.begin(), drawing.begin() + 40}); }, "途中で終わっています"},
      {"short layout", [&] { return SwtError({'S', 'w'}); }, "識別子 \"SwtData.\" より短い"},
      {"not a layout", [&] { return SwtError({'J', 'w', 'w', 'D', 'a', 't', 'a', '.', 0, 0, 0, 0}); }, "\"SwtData.\" ではありません"},
      {"cut layout", [&] { return SwtError({layout.begin(), layout.begin() + 30}); }, "レイアウトファイル"},
      {"layout terminator", [&] { return SwtError(badTerminator); }, "終端"},
  };
  for (const Case& c : cases) {
#ifdef _WIN32
    // Windows has neither FIFOs nor /dev/zero.
    if (std::string_view(c.kind) == "FIFO" || std::string_view(c.kind) == "device") continue;
#endif
    const Error e = c.make();
    const std::string ja = DescribeJa(e);
    EXPECT_NE(ja.find(c.says), std::string::npos) << c.kind << ": " << ja << " / " << e.message;
    EXPECT_EQ(ja.find("内容が正しくありません ("), std::string::npos) << c.kind << " fell back: " << e.message;
    if (e.offset >= 0) {
      EXPECT_EQ(ja.rfind(std::to_string(e.offset) + " バイト目: ", 0), 0u) << c.kind;
    }
  }
  EXPECT_EQ(DescribeJa(Error{"something new", 12}), "12 バイト目: 内容が正しくありません (something new)。");
}

}  // namespace
}  // namespace sw
