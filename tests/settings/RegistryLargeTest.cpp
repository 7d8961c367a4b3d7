// Registry files far larger than real ones: reading takes one pass.
#include <gtest/gtest.h>

#include "settings/JwcadSettings.h"
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

// A file of nothing but bad lines keeps the first warnings and counts the
// others; its lines are still written back byte for byte.
TEST(LargeRegistry, WarningsAreBoundedAndCounted) {
  constexpr std::size_t kJunk = 300000;
  std::string body;
  for (std::size_t i = 0; i < kJunk; ++i) body += i % 3 == 0 ? "x\r\n" : i % 3 == 1 ? "#c\r\n" : "\r\n";
  const std::string key = "[HKEY_CURRENT_USER\\Software\\Jw_cad\\jw_win\\Pen]\r\n\"Color01\"=\"102030\"\r\n";
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"REGEDIT4", Bytes("REGEDIT4\r\n" + body + key)},
      {"UTF-16", test::Utf16LeWithBom("Windows Registry Editor Version 5.00\r\n" + body + key)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Result<RegistryFile> f = RegistryFile::Parse(c.bytes, "junk.reg");
    ASSERT_TRUE(f.ok());
    ASSERT_EQ(f->warnings().size(), kKeptWarnings);
    EXPECT_EQ(f->warnings().front().message, "line 2: unrecognised line");
    EXPECT_EQ(f->warnings().back().message, "line " + std::to_string(2 + 3 * (kKeptWarnings - 1)) + ": unrecognised line");
    EXPECT_EQ(f->warningsNotKept(), kJunk / 3 - kKeptWarnings);
    EXPECT_EQ(f->value("Software\\Jw_cad\\jw_win\\Pen", "Color01"), RegValue::String("102030"));
    EXPECT_EQ(f->serialize(), c.bytes);
    const JwcadSettings s = ImportSettings(&f.value(), nullptr);
    ASSERT_EQ(s.registryWarnings.size(), kKeptWarnings + 1);
    EXPECT_EQ(s.registryWarnings.back(), "junk.reg: " + std::to_string(kJunk / 3 - kKeptWarnings) + " more lines passed over");
  }
}

// Values set again and again: the text of replaced lines is dropped on the
// way, and the file written holds the last values only.
TEST(LargeRegistry, ManyChangesKeepTheFileAsItShouldBe) {
  const std::string head = "WINE REGISTRY Version 2\n\n[Software\\\\T] 1\n#time=1\n";
  Result<RegistryFile> f = RegistryFile::Parse(Bytes(head + "\"A\"=\"0\"\n; note\n"), "w.reg");
  ASSERT_TRUE(f.ok());
  f->setClock([] { return std::int64_t{5}; });
  for (int i = 1; i <= 20000; ++i) {
    ASSERT_TRUE(f->setValue("Software\\T", "A", RegValue::String(std::string(40, 'a') + std::to_string(i))).ok());
    ASSERT_TRUE(f->setValue("Software\\U", "B", RegValue::Dword(static_cast<std::uint32_t>(i))).ok());
  }
  // A new value in the first key moves the entries of the second along.
  ASSERT_TRUE(f->setValue("Software\\T", "C", RegValue::Dword(1)).ok());
  EXPECT_EQ(f->value("Software\\U", "B"), RegValue::Dword(20000));
  EXPECT_EQ(f->serialize(), Bytes(head + "\"A\"=\"" + std::string(40, 'a') + "20000\"\n\"C\"=dword:00000001\n; note\n" +
                                 "\n[Software\\\\U] 5\n\"B\"=dword:00004e20\n"));
}

}  // namespace
}  // namespace sw
