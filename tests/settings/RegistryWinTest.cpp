// The native registry backend on HKEY_CURRENT_USER (Windows only): values
// written and read back, and Jw_cad's settings imported by regedit.exe read
// exactly as the registry-file backend reads the same file.
#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include "core/File.h"
#include "settings/JwcadSettings.h"
#include "settings/RegDocument.h"
#include "settings/RegistryFile.h"
#include "settings/RegistryLocation.h"
#include "settings/RegistryWin.h"
#include "support/RunCommand.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

const char* kScratchKey = "Software\\Brackenfold\\Sheetwright\\RegistryWinTest";

// Removes a key of HKEY_CURRENT_USER with everything below it.
void DeleteTree(const char* key) {
  const std::string k(key);
  RegDeleteTreeW(HKEY_CURRENT_USER, std::wstring(k.begin(), k.end()).c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, std::wstring(k.begin(), k.end()).c_str());
}

TEST(RegistryWin, ValuesRoundTripThroughHkeyCurrentUser) {
  DeleteTree(kScratchKey);
  std::unique_ptr<Registry> reg = OpenCurrentUserRegistry();
  EXPECT_EQ(reg->source(), "HKEY_CURRENT_USER");
  EXPECT_FALSE(reg->keyExists(kScratchKey));
  const std::string sub = std::string(kScratchKey) + "\\\x90\x7D\x96\xCA";  // "図面": a CP932 key name
  struct Case {
    std::string key, name;
    RegValue v;
  } cases[] = {
      {kScratchKey, "Text", RegValue::String("\x93\xFA\x96\x7B abc")},  // "日本 abc"
      {kScratchKey, "Empty", RegValue::String("")},
      {kScratchKey, "", RegValue::String("default")},
      {kScratchKey, "Big", RegValue::Dword(0xFFFFFFFFu)},
      {kScratchKey, "Bytes", RegValue::Binary({0, 1, 0xFF, 0})},
      {kScratchKey, "NoBytes", RegValue::Binary({})},
      {sub, "\x96\xBC\x91\x4F", RegValue::Dword(7)},  // "名前"
  };
  for (const Case& c : cases) ASSERT_TRUE(reg->setValue(c.key, c.name, c.v).ok()) << c.name;
  ASSERT_TRUE(reg->flush().ok());
  // Read through a fresh backend; key and value names in another case find the same values.
  std::unique_ptr<Registry> again = OpenCurrentUserRegistry();
  for (const Case& c : cases) {
    EXPECT_EQ(again->value(c.key, c.name), c.v) << c.name;
    std::string upper = c.name;
    for (char& ch : upper) ch = ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 32) : ch;
    EXPECT_EQ(again->value("\\" + c.key, upper), c.v) << upper;
  }
  EXPECT_TRUE(again->keyExists(sub));
  EXPECT_EQ(again->value(kScratchKey, "Absent"), std::nullopt);
  EXPECT_EQ(again->value(std::string(kScratchKey) + "\\None", "Text"), std::nullopt);
  // A value changes type when set again.
  ASSERT_TRUE(again->setValue(kScratchKey, "Text", RegValue::Dword(3)).ok());
  EXPECT_EQ(reg->value(kScratchKey, "Text"), RegValue::Dword(3));
  DeleteTree(kScratchKey);
}

struct Item {
  std::string key, name;
  RegValue value;
};

// Every value of the document's HKEY_CURRENT_USER keys.
std::vector<Item> ValuesOf(const RegDocument& doc) {
  std::vector<Item> out;
  for (std::size_t s = 0; s < doc.sections.size(); ++s) {
    if (!doc.sections[s].visible) continue;
    for (const RegEntry& e : doc.entriesOf(s)) {
      Item it{std::string(doc.path(doc.sections[s])), {}, {}};
      if (e.kind == RegEntry::Kind::Value && ReadRegEntry(doc, e, &it.name, &it.value)) out.push_back(it);
    }
  }
  return out;
}

// The example (Wine's user.reg format, which regedit does not take) is
// written again as a regedit export, imported by regedit.exe, then read back
// through the native backend.
TEST(RegistryWin, ReadsJwcadSettingsAsRegeditImportedThem) {
  const fs::path example = fs::path(SW_SOURCE_DIR) / "examples" / "jwcad-settings.reg";
  Result<std::vector<std::uint8_t>> bytes = ReadWholeFile(example, kMaxRegistryFileBytes);
  ASSERT_TRUE(bytes.ok()) << bytes.error().message;
  RegWarnings warnings;
  Result<RegDocument> doc = ParseRegDocument(bytes.value(), warnings);
  ASSERT_TRUE(doc.ok());
  const std::vector<Item> items = ValuesOf(doc.value());
  ASSERT_GT(items.size(), 100u);

  test::TempDir dir;
  RegistryFile exported = RegistryFile::Empty(dir / "jwcad.reg", RegFormat::Regedit5);
  for (const Item& it : items) ASSERT_TRUE(exported.setValue(it.key, it.name, it.value).ok());
  ASSERT_TRUE(exported.flush().ok());
  DeleteTree(kJwcadRootKey);
  ASSERT_EQ(test::RunCommand({"regedit", "/s", (dir / "jwcad.reg").string()}).status, 0);

  Result<RegistryFile> file = RegistryFile::Open(example);
  ASSERT_TRUE(file.ok());
  Result<std::unique_ptr<Registry>> native = OpenJwcadRegistry([](std::string_view) { return std::nullopt; });
  ASSERT_TRUE(native.ok()) << native.error().message;
  EXPECT_EQ(native.value()->source(), "HKEY_CURRENT_USER");
  for (const Item& it : items) {
    EXPECT_EQ(native.value()->value(it.key, it.name), file->value(it.key, it.name)) << it.key << " " << it.name;
  }
  const JwcadSettings fromNative = ImportSettings(native.value().get(), nullptr);
  const JwcadSettings fromFile = ImportSettings(&file.value(), nullptr);
  EXPECT_EQ(fromNative.dialog, fromFile.dialog);
  EXPECT_EQ(fromNative.errors, fromFile.errors);
  EXPECT_EQ(fromNative.ScreenPenColor, fromFile.ScreenPenColor);
  EXPECT_EQ(fromNative.LineTypeBits, fromFile.LineTypeBits);
  EXPECT_EQ(fromNative.TextSizeX, fromFile.TextSizeX);
}

}  // namespace
}  // namespace sw
#endif
