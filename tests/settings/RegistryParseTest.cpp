// Reading registry text files: Wine's user.reg and regedit exports.
#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "settings/RegistryFile.h"
#include "support/RegFiles.h"

namespace sw {
namespace {

using test::Bytes;
using test::RegKeyText;

RegistryFile ParseOk(const std::vector<std::uint8_t>& bytes) {
  Result<RegistryFile> f = RegistryFile::Parse(bytes, "mem.reg");
  EXPECT_TRUE(f.ok()) << (f.ok() ? "" : f.error().message);
  return f.ok() ? std::move(f).value() : RegistryFile::Empty("mem.reg", RegFormat::Wine);
}

RegistryFile ParseWine(const std::vector<std::string>& lines, const char* key = "Software\\\\T") {
  return ParseOk(Bytes(test::WineRegText({RegKeyText{key, lines}})));
}

std::string Text(const Registry& r, const char* key, const char* name) {
  std::optional<RegValue> v = r.value(key, name);
  EXPECT_TRUE(v && v->type == RegValue::Type::String) << name;
  return v ? v->text : std::string();
}

TEST(WineRegistry, StringEscapes) {
  struct Case {
    const char* written;  // between the quotes in the file
    std::string value;    // CP932
  } cases[] = {
      {R"(a\\b)", "a\\b"},
      {R"(say \"hi\")", "say \"hi\""},
      {R"(1\n2\r3\t4)", "1\n2\r3\t4"},
      {R"(\x41\x042)", "AB"},               // one to four hex digits
      {R"(\x00411)", "A1"},                 // at most four digits
      {R"(\101\60)", "A0"},                 // octal
      {R"(nul\0end)", std::string("nul\0end", 7)},
      {R"(\q)", "q"},                       // any other escaped character stands for itself
      {R"(\x3042)", Utf8ToCp932("あ")},
      {R"(C:\\jww\\\x56f3\x9762.jww)", Utf8ToCp932("C:\\jww\\図面.jww")},
      {R"(\xd83d\xde00)", "?"},             // a pair with no CP932 form
      {"図面", Utf8ToCp932("図面")},        // raw UTF-8 in the file
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    RegistryFile r = ParseWine({std::string("\"V\"=\"") + c.written + "\""});
    EXPECT_TRUE(r.warnings().empty());
    EXPECT_EQ(Text(r, "Software\\T", "V"), c.value);
  }
}

TEST(WineRegistry, RawCp932BytesWhenTheFileIsNotUtf8) {
  std::string cp = Utf8ToCp932("図面");
  RegistryFile r = ParseWine({"\"V\"=\"" + cp + "\""});
  EXPECT_EQ(Text(r, "Software\\T", "V"), cp);
}

TEST(WineRegistry, ValueForms) {
  RegistryFile r = ParseWine({
      R"("Unit_02"=dword:00000004)",
      R"("Small"=dword:a)",
      R"("Bin"=hex:01,02,ff)",
      R"("Long"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\)",
      R"(  16,17,\)",
      R"(  18)",
      R"("Empty"=hex:)",
      R"("Expand"=str(2):"%SystemRoot%\\x")",
      R"("Multi"=hex(7):41,00,00,00,00,00)",
      R"("Qword"=hex(b):01,00,00,00,00,00,00,00)",
      R"("Wide"=hex(2):41,00,42,00,00,00)",
      R"("AsDword"=hex(4):0a,00,00,01)",
      R"(@="default")",
      R"("Spaced" = "x")",
  });
  EXPECT_TRUE(r.warnings().empty()) << r.warnings()[0].message;
  const char* k = "Software\\T";
  EXPECT_EQ(r.value(k, "Unit_02"), RegValue::Dword(4));
  EXPECT_EQ(r.value(k, "Small"), RegValue::Dword(10));
  EXPECT_EQ(r.value(k, "Bin"), RegValue::Binary({1, 2, 0xFF}));
  std::vector<std::uint8_t> longBytes;
  for (int i = 0; i <= 0x18; ++i) longBytes.push_back(static_cast<std::uint8_t>(i));
  EXPECT_EQ(r.value(k, "Long"), RegValue::Binary(longBytes));
  EXPECT_EQ(r.value(k, "Empty"), RegValue::Binary({}));
  EXPECT_EQ(Text(r, k, "Expand"), "%SystemRoot%\\x");
  EXPECT_EQ(r.value(k, "Multi"), RegValue::Binary({0x41, 0, 0, 0, 0, 0}));
  EXPECT_EQ(r.value(k, "Qword"), RegValue::Binary({1, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Text(r, k, "Wide"), "AB");
  EXPECT_EQ(r.value(k, "AsDword"), RegValue::Dword(0x0100000A));
  EXPECT_EQ(Text(r, k, ""), "default");
  EXPECT_EQ(Text(r, k, "Spaced"), "x");
}

TEST(WineRegistry, KeysAndNamesIgnoreCaseAndParentsExist) {
  RegistryFile r = ParseWine({R"("Color01"="c0c000")"}, "Software\\\\Jw_cad\\\\jw_win\\\\Pen");
  EXPECT_TRUE(r.keyExists("Software\\Jw_cad\\jw_win\\Pen"));
  EXPECT_TRUE(r.keyExists("\\Software\\Jw_cad"));  // implied by its subkey, leading backslash ignored
  EXPECT_TRUE(r.keyExists("SOFTWARE\\JW_CAD\\JW_WIN\\PEN"));
  EXPECT_FALSE(r.keyExists("Software\\Jw_ca"));
  EXPECT_FALSE(r.keyExists("Software\\Jw_cad\\jw_win\\Line"));
  EXPECT_EQ(Text(r, "software\\jw_cad\\jw_win\\pen", "COLOR01"), "c0c000");
  EXPECT_EQ(r.value("Software\\Jw_cad\\jw_win\\Pen", "Color02"), std::nullopt);
  EXPECT_EQ(r.value("Software\\Jw_cad\\jw_win\\Line", "Color01"), std::nullopt);
}

TEST(WineRegistry, EscapedKeyNamesAndLaterValuesWin) {
  std::string text = test::WineRegText({
      {"Software\\\\A\\]B\\x3042", {R"("V"="1")"}},
      {"Software\\\\Dup", {R"("V"="first")"}},
      {"software\\\\dup", {R"("v"="second")"}},
  });
  RegistryFile r = ParseOk(Bytes(text));
  EXPECT_EQ(Text(r, ("Software\\A]B" + Utf8ToCp932("あ")).c_str(), "V"), "1");
  EXPECT_EQ(Text(r, "Software\\Dup", "V"), "second");
}

TEST(WineRegistry, MalformedLinesAreReportedWithTheirNumberAndSkipped) {
  struct Case {
    const char* line;
    const char* why;
  } cases[] = {
      {R"("V"="unterminated)", "unterminated string"},
      {R"("V"="x" trailing)", "text after the closing quote"},
      {R"("V"=dword:xyz)", "dword"},
      {R"("V"=dword:123456789)", "dword"},
      {R"("V"=hex:0g)", "hex"},
      {R"("V"=hex(zz):00)", "hex(N)"},
      {R"("V" "x")", "expected '='"},
      {R"("V"=something)", "unknown value data"},
      {R"("V)", "unterminated value name"},
      {R"(garbage)", "unrecognised line"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    // Lines: 1 header, 2 comment, 3 blank, 4 arch, 5 blank, 6 key, 7 #time, 8 good, 9 bad, 10 good.
    RegistryFile r = ParseWine({R"("Before"="1")", c.line, R"("After"="2")"});
    ASSERT_EQ(r.warnings().size(), 1u);
    EXPECT_EQ(r.warnings()[0].message.rfind("line 9: ", 0), 0u) << r.warnings()[0].message;
    EXPECT_NE(r.warnings()[0].message.find(c.why), std::string::npos) << r.warnings()[0].message;
    EXPECT_EQ(Text(r, "Software\\T", "Before"), "1");
    EXPECT_EQ(Text(r, "Software\\T", "After"), "2");
    EXPECT_EQ(r.value("Software\\T", "V"), std::nullopt);
  }
}

TEST(WineRegistry, ValuesUnderABrokenKeyOrOutsideAnyKeyAreHidden) {
  std::string text =
      "WINE REGISTRY Version 2\n"
      "\"Loose\"=\"x\"\n"
      "[Software\\\\Good] 1\n"
      "\"V\"=\"good\"\n"
      "[Software\\\\Broken 1\n"
      "\"V\"=\"hidden\"\n";
  RegistryFile r = ParseOk(Bytes(text));
  ASSERT_EQ(r.warnings().size(), 2u);
  EXPECT_EQ(r.warnings()[0].message, "line 2: value outside any key");
  EXPECT_EQ(r.warnings()[1].message, "line 5: key without closing ']'");
  EXPECT_EQ(Text(r, "Software\\Good", "V"), "good");
  EXPECT_FALSE(r.keyExists("Software\\Broken"));
}

TEST(RegistryText, NotARegistryFileIsFatal) {
  for (const char* text : {"", "hello\n", "WINE REGISTRY Version 1\n", "REGEDIT5\r\n"}) {
    SCOPED_TRACE(text);
    Result<RegistryFile> f = RegistryFile::Parse(Bytes(text), "x.reg");
    ASSERT_FALSE(f.ok());
    EXPECT_EQ(f.error().message.rfind("x.reg: line 1: not a registry file", 0), 0u) << f.error().message;
  }
  std::vector<std::uint8_t> odd = {0xFF, 0xFE, 'R', 0, 'E'};
  EXPECT_FALSE(RegistryFile::Parse(odd, "x.reg").ok());
}

TEST(RegeditFile, Version4IsCp932Bytes) {
  std::string cp = Utf8ToCp932("表示");  // 表 has 0x5C as its trail byte
  std::string text = test::RegeditText(false, {
      {"HKEY_CURRENT_USER\\Software\\Jw_cad\\jw_win\\Pen", {R"("Color01"="c0c000")", "\"Name\"=\"" + cp + "\"",
                                                            R"("Path"="C:\\jww\\a \"b\"")"}},
      {"HKEY_LOCAL_MACHINE\\Software\\Jw_cad", {R"("Machine"="1")"}},
      {"HKEY_CURRENT_USER\\Software\\" + cp, {R"("K"=dword:00000001)"}},
  });
  RegistryFile r = ParseOk(Bytes(text));
  EXPECT_EQ(r.format(), RegFormat::Regedit4);
  EXPECT_TRUE(r.warnings().empty());
  EXPECT_EQ(Text(r, "Software\\Jw_cad\\jw_win\\Pen", "Color01"), "c0c000");
  EXPECT_EQ(Text(r, "Software\\Jw_cad\\jw_win\\Pen", "Name"), cp);
  EXPECT_EQ(Text(r, "Software\\Jw_cad\\jw_win\\Pen", "Path"), "C:\\jww\\a \"b\"");
  EXPECT_EQ(r.value("Software\\Jw_cad", "Machine"), std::nullopt);  // another hive
  EXPECT_EQ(r.value(("Software\\" + cp).c_str(), "K"), RegValue::Dword(1));
}

TEST(RegeditFile, Version5IsUtf16WithBom) {
  std::string text = test::RegeditText(true, {
      {"HKEY_CURRENT_USER\\Software\\Jw_cad\\jw_win\\MOJI", {R"("SizeX01"="2.5")", R"("Font"="ＭＳ ゴシック")",
                                                             R"("Exp"=hex(2):25,00,41,00,25,00,00,00)",
                                                             R"("Bin"=hex:01,02,\)", "  03"}},
  });
  RegistryFile r = ParseOk(test::Utf16LeWithBom(text));
  EXPECT_EQ(r.format(), RegFormat::Regedit5);
  EXPECT_TRUE(r.warnings().empty());
  const char* k = "Software\\Jw_cad\\jw_win\\MOJI";
  EXPECT_EQ(Text(r, k, "SizeX01"), "2.5");
  EXPECT_EQ(Text(r, k, "Font"), Utf8ToCp932("ＭＳ ゴシック"));
  EXPECT_EQ(Text(r, k, "Exp"), "%A%");
  EXPECT_EQ(r.value(k, "Bin"), RegValue::Binary({1, 2, 3}));
  EXPECT_TRUE(r.keyExists("Software\\Jw_cad"));
}

TEST(RegeditFile, DeletionsRemoveValuesAndKeys) {
  std::string text = test::RegeditText(true, {
      {"HKEY_CURRENT_USER\\Software\\A", {R"("Gone"="1")", R"("Kept"="1")"}},
      {"HKEY_CURRENT_USER\\Software\\A", {R"("Gone"=-)"}},
      {"HKEY_CURRENT_USER\\Software\\B\\C", {R"("V"="1")"}},
      {"-HKEY_CURRENT_USER\\Software\\B", {}},
      {"HKEY_CURRENT_USER\\Software\\D", {R"("V"="old")"}},
      {"-HKEY_CURRENT_USER\\Software\\D", {}},
      {"HKEY_CURRENT_USER\\Software\\D", {R"("W"="new")"}},
  });
  RegistryFile r = ParseOk(test::Utf16LeWithBom(text));
  EXPECT_EQ(r.value("Software\\A", "Gone"), std::nullopt);
  EXPECT_EQ(Text(r, "Software\\A", "Kept"), "1");
  EXPECT_FALSE(r.keyExists("Software\\B"));
  EXPECT_FALSE(r.keyExists("Software\\B\\C"));
  EXPECT_EQ(r.value("Software\\B\\C", "V"), std::nullopt);
  EXPECT_TRUE(r.keyExists("Software\\D"));
  EXPECT_EQ(r.value("Software\\D", "V"), std::nullopt);
  EXPECT_EQ(Text(r, "Software\\D", "W"), "new");
}

}  // namespace
}  // namespace sw
