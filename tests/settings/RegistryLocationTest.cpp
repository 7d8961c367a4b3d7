// Where Jw_cad's registry and the program's own settings file are found.
#include <gtest/gtest.h>

#include <map>

#include "settings/JwcadSettings.h"
#include "settings/RegistryLocation.h"
#include "support/RegFiles.h"
#include "support/RunCommand.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

EnvLookup Env(std::map<std::string, std::string> vars) {
  return [vars = std::move(vars)](std::string_view name) -> std::optional<std::string> {
    auto it = vars.find(std::string(name));
    if (it == vars.end()) return std::nullopt;
    return it->second;
  };
}

const std::string kJwcadFile =
    test::WineRegText({{"Software\\\\Jw_cad\\\\jw_win\\\\Pen", {R"("Color01"="c0c000")"}}});
const std::string kOtherFile = test::WineRegText({{"Software\\\\Wine", {R"("V"="1")"}}});

TEST(RegistryLocation, CandidatesInOrder) {
  EXPECT_EQ(JwcadRegistryCandidates(Env({{"SHEETWRIGHT_JWCAD_REGISTRY", "/a/jw.reg"},
                                         {"WINEPREFIX", "/p"},
                                         {"HOME", "/h"}})),
            (std::vector<fs::path>{"/a/jw.reg", "/p/user.reg", "/h/.wine/user.reg"}));
  EXPECT_EQ(JwcadRegistryCandidates(Env({{"HOME", "/h"}, {"WINEPREFIX", ""}})),
            (std::vector<fs::path>{"/h/.wine/user.reg"}));
  EXPECT_TRUE(JwcadRegistryCandidates(Env({})).empty());
}

TEST(RegistryLocation, WinePrefix) {
  struct Case {
    std::map<std::string, std::string> env;
    fs::path prefix;
  } cases[] = {
      {{{"WINEPREFIX", "/p"}, {"HOME", "/h"}}, "/p"},
      {{{"WINEPREFIX", ""}, {"HOME", "/h"}}, "/h/.wine"},
      {{}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(WinePrefix(Env(c.env)), c.prefix) << c.prefix;
}

TEST(RegistryLocation, OwnSettingsFile) {
  struct Case {
    std::map<std::string, std::string> env;
    fs::path path;
  } cases[] = {
      {{{"SHEETWRIGHT_CONFIG", "/c/own.reg"}, {"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}}, "/c/own.reg"},
      {{{"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}}, "/x/Brackenfold/Sheetwright.reg"},
      {{{"XDG_CONFIG_HOME", ""}, {"HOME", "/h"}}, "/h/.config/Brackenfold/Sheetwright.reg"},
      {{}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.string());
    EXPECT_EQ(OwnRegistryPath(Env(c.env)), c.path);
  }
}

TEST(RegistryLocation, FirstFileHoldingJwcadIsUsed) {
  test::TempDir dir;
  fs::create_directories(dir / "prefix");
  fs::create_directories(dir / "home/.wine");
  ASSERT_TRUE(test::WriteBytes(dir / "prefix/user.reg", test::Bytes(kOtherFile)));
  ASSERT_TRUE(test::WriteBytes(dir / "home/.wine/user.reg", test::Bytes(kJwcadFile)));
  EnvLookup env = Env({{"SHEETWRIGHT_JWCAD_REGISTRY", (dir / "missing.reg").string()},
                       {"WINEPREFIX", (dir / "prefix").string()},
                       {"HOME", (dir / "home").string()}});
  Result<std::unique_ptr<Registry>> r = OpenJwcadRegistry(env);
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_EQ(r.value()->source(), (dir / "home" / ".wine" / "user.reg").string());
  EXPECT_TRUE(r.value()->keyExists(kJwcadRootKey));
}

TEST(RegistryLocation, NoJwcadKeyNamesEveryFileTried) {
  test::TempDir dir;
  ASSERT_TRUE(test::WriteBytes(dir / "other.reg", test::Bytes(kOtherFile)));
  ASSERT_TRUE(test::WriteBytes(dir / "user.reg", test::Bytes("garbage\n")));
  EnvLookup env = Env({{"SHEETWRIGHT_JWCAD_REGISTRY", (dir / "other.reg").string()},
                       {"WINEPREFIX", dir.path().string()},
                       {"HOME", (dir / "nohome").string()}});
  Result<std::unique_ptr<Registry>> r = OpenJwcadRegistry(env);
  ASSERT_FALSE(r.ok());
  const std::string& m = r.error().message;
  EXPECT_NE(m.find((dir / "other.reg").string() + " (no key Software\\Jw_cad)"), std::string::npos) << m;
  EXPECT_NE(m.find((dir / "user.reg").string() + ": line 1: not a registry file"), std::string::npos) << m;
  EXPECT_NE(m.find((dir / "nohome" / ".wine" / "user.reg").string() + " (not found)"), std::string::npos) << m;
#ifndef _WIN32
  // (On Windows no file is needed: the current user's registry is read.)
  EXPECT_FALSE(OpenJwcadRegistry(Env({})).ok());
#endif
}

TEST(RegistryLocation, OwnRegistryIsCreatedOnFirstWrite) {
  test::TempDir dir;
  const fs::path file = dir / "cfg" / "Brackenfold" / "Sheetwright.reg";
#ifdef _WIN32
  // On Windows only SHEETWRIGHT_CONFIG leads to a file.
  EnvLookup env = Env({{"SHEETWRIGHT_CONFIG", file.string()}});
#else
  EnvLookup env = Env({{"XDG_CONFIG_HOME", (dir / "cfg").string()}});
#endif
  Result<std::unique_ptr<Registry>> own = OpenOwnRegistry(env);
  ASSERT_TRUE(own.ok()) << own.error().message;
  EXPECT_FALSE(fs::exists(dir / "cfg"));
  ASSERT_TRUE(own.value()->setValue(kOwnSettingKey, "MouseWheel", RegValue::Dword(1)).ok());
  ASSERT_TRUE(own.value()->flush().ok());
  Result<std::unique_ptr<Registry>> again = OpenOwnRegistry(env);
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(again.value()->source(), file.string());
  EXPECT_EQ(again.value()->value(kOwnSettingKey, "MouseWheel"), RegValue::Dword(1));

  ASSERT_TRUE(test::WriteBytes(dir / "bad.reg", test::Bytes("x\n")));
  EXPECT_FALSE(OpenOwnRegistry(Env({{"SHEETWRIGHT_CONFIG", (dir / "bad.reg").string()}})).ok());
#ifdef _WIN32
  Result<std::unique_ptr<Registry>> native = OpenOwnRegistry(Env({}));
  ASSERT_TRUE(native.ok());
  EXPECT_EQ(native.value()->source(), "HKEY_CURRENT_USER");
#else
  EXPECT_FALSE(OpenOwnRegistry(Env({})).ok());
#endif
}

}  // namespace
}  // namespace sw
