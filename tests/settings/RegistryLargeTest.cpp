// Registry files far larger than real ones: reading takes one pass.
#include <gtest/gtest.h>

#include "settings/RegistryFile.h"
#include "support/RegFiles.h"

namespace sw {
namespace {

using test::Bytes;

// Binary data continued over 100,000 lines, in each format's line ends.
TEST(LargeRegistry, HexDataOverManyLinesIsJoinedOnce) {
  constexpr std::size_t kLines = 100000;
  struct Case {
    const char* header;
    const char* key;
    const char* eol;
  } cases[] = {
      {"WINE REGISTRY Version 2", "[Software\\\\T] 1", "\n"},
      {"REGEDIT4", "[HKEY_CURRENT_USER\\Software\\T]", "\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.header);
    std::string text = std::string(c.header) + c.eol + c.key + c.eol + "\"Blob\"=hex:";
    for (std::size_t i = 0; i < kLines; ++i) text += std::string("01,02,03,  \\") + c.eol + "  ";
    text += std::string("ff") + c.eol + "\"After\"=dword:00000007" + c.eol;
    Result<RegistryFile> f = RegistryFile::Parse(Bytes(text), "big.reg");
    ASSERT_TRUE(f.ok());
    EXPECT_TRUE(f->warnings().empty());
    std::optional<RegValue> blob = f->value("Software\\T", "Blob");
    ASSERT_TRUE(blob && blob->type == RegValue::Type::Binary);
    ASSERT_EQ(blob->bytes.size(), 3 * kLines + 1);
    EXPECT_EQ(blob->bytes[3 * kLines - 1], 3);
    EXPECT_EQ(blob->bytes.back(), 0xFF);
    EXPECT_EQ(f->value("Software\\T", "After"), RegValue::Dword(7));
    EXPECT_EQ(f->serialize(), Bytes(text));
  }
}

}  // namespace
}  // namespace sw
