#include "settings/RegistryLocation.h"

#include <cstdlib>
#include <system_error>

#include "core/Path.h"
#include "settings/JwcadSettings.h"
#include "settings/RegistryFile.h"

#ifdef _WIN32
#include "settings/RegistryWin.h"
#endif

namespace sw {
namespace fs = std::filesystem;
namespace {

std::optional<std::string> NonEmpty(const EnvLookup& env, std::string_view name) {
  std::optional<std::string> v = env(name);
  if (v && v->empty()) return std::nullopt;
  return v;
}

}  // namespace

// Values are UTF-8 text (on Windows read as UTF-16 and converted), as paths
// are everywhere in the program.
EnvLookup ProcessEnvironment() {
  return [](std::string_view name) -> std::optional<std::string> {
#ifdef _WIN32
    const std::wstring wname(name.begin(), name.end());  // variable names are ASCII
    const wchar_t* v = _wgetenv(wname.c_str());
    if (!v) return std::nullopt;
    const std::u8string u = fs::path(v).u8string();
    return std::string(u.begin(), u.end());
#else
    const char* v = std::getenv(std::string(name).c_str());
    if (!v) return std::nullopt;
    return std::string(v);
#endif
  };
}

std::vector<fs::path> JwcadRegistryCandidates(const EnvLookup& env) {
  std::vector<fs::path> out;
  if (auto f = NonEmpty(env, "SHEETWRIGHT_JWCAD_REGISTRY")) out.push_back(PathFromUtf8(*f));
  if (auto p = NonEmpty(env, "WINEPREFIX")) out.push_back(PathFromUtf8(*p) / "user.reg");
  if (auto h = NonEmpty(env, "HOME")) out.push_back(PathFromUtf8(*h) / ".wine" / "user.reg");
  return out;
}

fs::path WinePrefix(const EnvLookup& env) {
  if (auto p = NonEmpty(env, "WINEPREFIX")) return PathFromUtf8(*p);
  if (auto h = NonEmpty(env, "HOME")) return PathFromUtf8(*h) / ".wine";
  return {};
}

fs::path OwnRegistryPath(const EnvLookup& env) {
  if (auto f = NonEmpty(env, "SHEETWRIGHT_CONFIG")) return PathFromUtf8(*f);
  fs::path base;
  if (auto x = NonEmpty(env, "XDG_CONFIG_HOME")) {
    base = PathFromUtf8(*x);
  } else if (auto h = NonEmpty(env, "HOME")) {
    base = PathFromUtf8(*h) / ".config";
  } else {
    return {};
  }
  return base / "Brackenfold" / "Sheetwright.reg";
}

Result<std::unique_ptr<Registry>> OpenJwcadRegistry(const EnvLookup& env) {
#ifdef _WIN32
  if (!NonEmpty(env, "SHEETWRIGHT_JWCAD_REGISTRY")) {
    std::unique_ptr<Registry> reg = OpenCurrentUserRegistry();
    if (!reg->keyExists(kJwcadRootKey)) return MakeError("HKEY_CURRENT_USER has no key Software\\Jw_cad");
    return Result<std::unique_ptr<Registry>>(std::move(reg));
  }
#endif
  std::vector<fs::path> candidates = JwcadRegistryCandidates(env);
  std::string tried;
  for (const fs::path& p : candidates) {
    std::error_code ec;
    std::string why;
    if (!fs::exists(p, ec)) {
      why = Utf8FromPath(p) + " (not found)";
    } else {
      Result<RegistryFile> f = RegistryFile::Open(p);
      if (!f) {
        why = f.error().message;
      } else if (!f->keyExists(kJwcadRootKey)) {
        why = Utf8FromPath(p) + " (no key Software\\Jw_cad)";
      } else {
        return std::unique_ptr<Registry>(std::make_unique<RegistryFile>(std::move(f).value()));
      }
    }
    tried += (tried.empty() ? "" : "; ") + why;
  }
  if (candidates.empty())
    return MakeError("no registry file to read Jw_cad's settings from: set SHEETWRIGHT_JWCAD_REGISTRY, "
                     "WINEPREFIX or HOME");
  return MakeError("Jw_cad's settings (Software\\Jw_cad) not found in: " + tried);
}

Result<std::unique_ptr<Registry>> OpenOwnRegistry(const EnvLookup& env) {
#ifdef _WIN32
  if (!NonEmpty(env, "SHEETWRIGHT_CONFIG")) return OpenCurrentUserRegistry();
#endif
  fs::path p = OwnRegistryPath(env);
  if (p.empty())
    return MakeError("no place for the settings file: set SHEETWRIGHT_CONFIG, XDG_CONFIG_HOME or HOME");
  Result<RegistryFile> f = RegistryFile::OpenOrCreate(p);
  if (!f) return f.error();
  return std::unique_ptr<Registry>(std::make_unique<RegistryFile>(std::move(f).value()));
}

}  // namespace sw
