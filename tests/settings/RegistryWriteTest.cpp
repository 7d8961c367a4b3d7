// Writing registry text files: untouched lines stay byte for byte, set values
// read back, and the file is replaced atomically.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "core/Cp932.h"
#include "core/File.h"
#include "settings/RegistryFile.h"
#include "support/RegFiles.h"
#include "support/RunCommand.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

RegistryFile ParseOk(const std::vector<std::uint8_t>& bytes, fs::path path = "mem.reg") {
  Result<RegistryFile> f = RegistryFile::Parse(bytes, path);
  EXPECT_TRUE(f.ok()) << (f.ok() ? "" : f.error().message);
  return f.ok() ? std::move(f).value() : RegistryFile::Empty(path, RegFormat::Wine);
}

std::string AsText(const std::vector<std::uint8_t>& b) { return std::string(b.begin(), b.end()); }

std::vector<std::string> Lines(const std::string& s) {
  std::vector<std::string> out;
  std::istringstream in(s);
  for (std::string l; std::getline(in, l);) out.push_back(l);
  return out;
}

std::vector<std::uint8_t> ExampleBytes() {
  Result<std::vector<std::uint8_t>> b = ReadWholeFile(fs::path(SW_SOURCE_DIR) / "examples/jwcad-settings.reg", kMaxRegistryFileBytes);
  EXPECT_TRUE(b.ok());
  return b.ok() ? b.value() : std::vector<std::uint8_t>{};
}

// Text of a mixed file: comments, meta lines, escapes, continued hex data,
// odd spacing, no line end at the very end.
const char kMixedWine[] =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n"
    "\n"
    "#arch=win64\n"
    "\n"
    "[Software\\\\Brackenfold\\\\Sheetwright\\\\Color] 1700000000\n"
    "#time=1da1b2c3d4e5f60\n"
    "\"Lay\"=\"0000FF\"\n"
    "\"Note\"=\"\\x56f3 \\\"q\\\"\"\n"
    "\n"
    "[Software\\\\Brackenfold\\\\Sheetwright\\\\Window] 1700000000\n"
    "\"Placement\"=hex:2c,00,00,00,00,00,00,00,01,00,00,00,ff,ff,ff,ff,ff,ff,ff,ff,\\\n"
    "  ff,ff,ff,ff\n"
    "\"Odd\" = dword:0000000A\n"
    "\"Broken\"=dword:zz\n"
    "\n"
    "[Software\\\\Other] 1700000001\n"
    "@=\"default\"";

TEST(RegistryWrite, UnchangedFilesComeBackByteForByte) {
  std::vector<std::vector<std::uint8_t>> files = {
      ExampleBytes(),
      Bytes(kMixedWine),
      Bytes(test::RegeditText(false, {{"HKEY_CURRENT_USER\\Software\\A", {"\"V\"=\"" + Utf8ToCp932("表示") + "\""}},
                                      {"HKEY_LOCAL_MACHINE\\X", {"\"B\"=hex:01,\\", "    02"}}})),
      test::Utf16LeWithBom(test::RegeditText(true, {{"HKEY_CURRENT_USER\\Software\\A", {"\"V\"=\"ＭＳ 明朝\""}},
                                                    {"-HKEY_CURRENT_USER\\Software\\B", {}}})),
      // An unpaired surrogate in UTF-16 survives.
      {0xFF, 0xFE, 'R', 0, 'E', 0, 'G', 0, 'E', 0, 'D', 0, 'I', 0, 'T', 0, '4', 0, '\n', 0, ';', 0, 0x00, 0xD8, '\n', 0},
      Bytes(std::string("\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"V\"=\"x\"\r\n")),
  };
  for (std::size_t i = 0; i < files.size(); ++i) {
    SCOPED_TRACE(i);
    RegistryFile r = ParseOk(files[i]);
    EXPECT_EQ(r.serialize(), files[i]);
  }
}

TEST(RegistryWrite, SettingAValueRewritesOnlyItsLine) {
  RegistryFile r = ParseOk(Bytes(kMixedWine));
  ASSERT_EQ(r.warnings().size(), 1u);  // "Broken", kept as it was
  ASSERT_TRUE(r.setValue("Software\\Brackenfold\\Sheetwright\\Color", "lay", RegValue::String("FF")).ok());
  ASSERT_TRUE(r.setValue("Software\\Brackenfold\\Sheetwright\\Window", "Placement", RegValue::Binary({1, 2})).ok());
  std::vector<std::string> before = Lines(kMixedWine), after = Lines(AsText(r.serialize()));
  ASSERT_EQ(after.size(), before.size() - 1);  // two lines of hex became one
  for (std::size_t i = 0, j = 0; i < before.size(); ++i, ++j) {
    if (i == 7) {
      EXPECT_EQ(after[j], "\"Lay\"=\"FF\"");  // the stored spelling of the name stays
    } else if (i == 11) {
      EXPECT_EQ(after[j], "\"Placement\"=hex:01,02");
      ++i;  // its continuation line is gone
    } else {
      EXPECT_EQ(after[j], before[i]) << "line " << i + 1;
    }
  }
  RegistryFile back = ParseOk(r.serialize());
  EXPECT_EQ(back.value("Software\\Brackenfold\\Sheetwright\\Color", "Lay"), RegValue::String("FF"));
  EXPECT_EQ(back.value("Software\\Brackenfold\\Sheetwright\\Window", "Placement"), RegValue::Binary({1, 2}));
}

TEST(RegistryWrite, NewValuesAndKeysKeepTheRestAsItWas) {
  RegistryFile r = ParseOk(Bytes(kMixedWine));
  r.setClock([] { return std::int64_t{1234567890}; });
  std::string note = Utf8ToCp932("変形点\n\"色\"\\");
  ASSERT_TRUE(r.setValue("Software\\Brackenfold\\Sheetwright\\Color", "Trans", RegValue::String("FFFF00")).ok());
  ASSERT_TRUE(r.setValue("Software\\Brackenfold\\Sheetwright\\Setting", "MouseWheel", RegValue::Dword(1)).ok());
  ASSERT_TRUE(r.setValue("Software\\Other", "Note", RegValue::String(note)).ok());
  std::string out = AsText(r.serialize());
  // Every old line is still there, in its order.
  std::vector<std::string> before = Lines(kMixedWine), after = Lines(out);
  std::size_t j = 0;
  for (const std::string& l : before) {
    while (j < after.size() && after[j] != l) ++j;
    EXPECT_LT(j, after.size()) << "lost: " << l;
  }
  EXPECT_NE(out.find("\"Note\"=\"\\x56f3 \\\"q\\\"\"\n\"Trans\"=\"FFFF00\"\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\n[Software\\\\Brackenfold\\\\Sheetwright\\\\Setting] 1234567890\n\"MouseWheel\"=dword:00000001\n"),
            std::string::npos)
      << out;
  // The file stays ASCII: Japanese text and controls go out as escapes.
  for (char c : out) EXPECT_LT(static_cast<unsigned char>(c), 0x80u);

  RegistryFile back = ParseOk(r.serialize());
  EXPECT_TRUE(back.warnings().size() == 1u);
  EXPECT_EQ(back.value("Software\\Brackenfold\\Sheetwright\\Color", "Trans"), RegValue::String("FFFF00"));
  EXPECT_EQ(back.value("Software\\Brackenfold\\Sheetwright\\Setting", "MouseWheel"), RegValue::Dword(1));
  EXPECT_EQ(back.value("Software\\Other", "Note"), RegValue::String(note));
  EXPECT_EQ(back.value("Software\\Other", ""), RegValue::String("default"));
}

TEST(RegistryWrite, RegeditFilesKeepTheirEncoding) {
  std::string cp = Utf8ToCp932("レイアウト");
  for (bool v5 : {false, true}) {
    SCOPED_TRACE(v5);
    std::string text = test::RegeditText(v5, {{"HKEY_CURRENT_USER\\Software\\A", {"\"V\"=\"1\""}}});
    std::vector<std::uint8_t> bytes = v5 ? test::Utf16LeWithBom(text) : Bytes(text);
    RegistryFile r = ParseOk(bytes);
    ASSERT_TRUE(r.setValue("Software\\A", "Name", RegValue::String(cp)).ok());
    ASSERT_TRUE(r.setValue("Software\\A", "Lines", RegValue::String("a\r\nb")).ok());
    ASSERT_TRUE(r.setValue("Software\\B", "Blob", RegValue::Binary(std::vector<std::uint8_t>(40, 0xAB))).ok());
    std::vector<std::uint8_t> out = r.serialize();
    // Everything before the changes is unchanged.
    ASSERT_GE(out.size(), bytes.size() - (v5 ? 4 : 2));
    std::vector<std::uint8_t> expectedFile =
        v5 ? test::Utf16LeWithBom(text.substr(0, text.size() - 2)) : Bytes(text.substr(0, text.size() - 2));
    EXPECT_TRUE(std::equal(expectedFile.begin(), expectedFile.end(), out.begin()));
    if (v5) {
      EXPECT_EQ(out[0], 0xFF);
      EXPECT_EQ(out[1], 0xFE);
    } else {
      EXPECT_NE(AsText(out).find("\"Name\"=\"" + cp + "\"\r\n"), std::string::npos);
      EXPECT_NE(AsText(out).find("[HKEY_CURRENT_USER\\Software\\B]\r\n\"Blob\"=hex:ab,ab,"), std::string::npos);
    }
    RegistryFile back = ParseOk(out);
    EXPECT_TRUE(back.warnings().empty()) << back.warnings()[0].message;
    EXPECT_EQ(back.value("Software\\A", "V"), RegValue::String("1"));
    EXPECT_EQ(back.value("Software\\A", "Name"), RegValue::String(cp));
    EXPECT_EQ(back.value("Software\\A", "Lines"), RegValue::String("a\r\nb"));
    EXPECT_EQ(back.value("Software\\B", "Blob"), RegValue::Binary(std::vector<std::uint8_t>(40, 0xAB)));
  }
}

TEST(RegistryWrite, ValueSetAfterADeletedKeyIsAddedAgain) {
  std::string text = test::RegeditText(true, {{"HKEY_CURRENT_USER\\Software\\D", {"\"V\"=\"old\""}},
                                              {"-HKEY_CURRENT_USER\\Software\\D", {}}});
  RegistryFile r = ParseOk(test::Utf16LeWithBom(text));
  ASSERT_FALSE(r.keyExists("Software\\D"));
  ASSERT_TRUE(r.setValue("Software\\D", "V", RegValue::String("new")).ok());
  RegistryFile back = ParseOk(r.serialize());
  EXPECT_EQ(back.value("Software\\D", "V"), RegValue::String("new"));
}

TEST(RegistryWrite, FlushCreatesTheFolderAndWritesOnlyWhenChanged) {
  test::TempDir dir;
  fs::path p = dir / "cfg/Brackenfold/Sheetwright.reg";
  Result<RegistryFile> f = RegistryFile::OpenOrCreate(p);
  ASSERT_TRUE(f.ok());
  ASSERT_TRUE(f->flush().ok());
  EXPECT_FALSE(fs::exists(p));  // nothing set, nothing written
  ASSERT_TRUE(f->setValue("Software\\Brackenfold\\Sheetwright\\Color", "Lay", RegValue::String("FF")).ok());
  ASSERT_TRUE(f->flush().ok());
  ASSERT_TRUE(fs::exists(p));

  Result<RegistryFile> again = RegistryFile::Open(p);
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(again->format(), RegFormat::Wine);
  EXPECT_EQ(again->value("Software\\Brackenfold\\Sheetwright\\Color", "Lay"), RegValue::String("FF"));
  EXPECT_EQ(again->source(), p.string());
}

TEST(RegistryWrite, FailedFlushLeavesEverythingAsItWas) {
  test::TempDir dir;
  fs::path p = dir / "own.reg";
  ASSERT_TRUE(test::WriteBytes(p, Bytes(kMixedWine)));
  Result<RegistryFile> f = RegistryFile::Open(p);
  ASSERT_TRUE(f.ok());
  ASSERT_TRUE(f->setValue("Software\\Other", "X", RegValue::Dword(1)).ok());

  // The file turned into a folder meanwhile: the rename fails.
  fs::remove(p);
  fs::create_directories(p / "inside");
  Status st = f->flush();
  ASSERT_FALSE(st.ok());
  EXPECT_NE(st.error().message.find(p.string()), std::string::npos) << st.error().message;
  EXPECT_TRUE(fs::is_directory(p / "inside"));
  std::size_t files = 0;
  for (const auto& e : fs::recursive_directory_iterator(dir.path())) files += e.is_regular_file() ? 1 : 0;
  EXPECT_EQ(files, 0u);  // no temporary file left behind

  // Its folder cannot be made: a file stands in the way.
  ASSERT_TRUE(test::WriteBytes(dir / "plain", Bytes("x")));
  RegistryFile g = RegistryFile::Empty(dir / "plain" / "own.reg", RegFormat::Wine);
  ASSERT_TRUE(g.setValue("Software\\A", "V", RegValue::Dword(1)).ok());
  EXPECT_FALSE(g.flush().ok());
  EXPECT_EQ(ReadWholeFile(dir / "plain", kMaxRegistryFileBytes).value(), Bytes("x"));

  // Once the way is clear the pending change is written.
  fs::remove_all(p);
  ASSERT_TRUE(f->flush().ok());
  EXPECT_EQ(RegistryFile::Open(p)->value("Software\\Other", "X"), RegValue::Dword(1));
}

TEST(RegistryWrite, OpenErrorsNameTheFile) {
  test::TempDir dir;
  Result<RegistryFile> missing = RegistryFile::Open(dir / "none.reg");
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.error().message.find("none.reg"), std::string::npos);
  ASSERT_TRUE(test::WriteBytes(dir / "bad.reg", Bytes("not a registry\n")));
  Result<RegistryFile> bad = RegistryFile::OpenOrCreate(dir / "bad.reg");
  ASSERT_FALSE(bad.ok());
  EXPECT_NE(bad.error().message.find("bad.reg: line 1: "), std::string::npos) << bad.error().message;
}


// Damaged files: whatever parses comes back unchanged, and a value set in it
// reads back after a rewrite.
TEST(RegistryWrite, DamagedFilesRoundTrip) {
  const std::vector<std::uint8_t> base = ExampleBytes();
  const char kNoise[] = {'"', '\\', '\n', '[', ']', '=', ',', ':', 'x', '\r', '@', '-', '\0', '\x82'};
  std::mt19937 rng(20240611);
  for (int round = 0; round < 400; ++round) {
    std::vector<std::uint8_t> bytes = base;
    int edits = 1 + static_cast<int>(rng() % 8);
    for (int e = 0; e < edits; ++e) {
      std::size_t at = rng() % bytes.size();
      std::uint8_t c = static_cast<std::uint8_t>(kNoise[rng() % sizeof kNoise]);
      if (rng() % 2) {
        bytes[at] = c;
      } else {
        bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), c);
      }
    }
    Result<RegistryFile> f = RegistryFile::Parse(bytes, "x.reg");
    if (!f.ok()) continue;
    ASSERT_EQ(f->serialize(), bytes) << "round " << round;
    ASSERT_TRUE(f->setValue("Software\\Jw_cad\\jw_win\\Pen", "Color05", RegValue::String("123456")).ok());
    Result<RegistryFile> back = RegistryFile::Parse(f->serialize(), "x.reg");
    ASSERT_TRUE(back.ok()) << "round " << round;
    EXPECT_EQ(back->value("Software\\Jw_cad\\jw_win\\Pen", "Color05"), RegValue::String("123456"))
        << "round " << round;
  }
}

}  // namespace
}  // namespace sw
