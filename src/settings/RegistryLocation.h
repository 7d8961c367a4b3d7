// Where the registries are: Jw_cad's settings (read only) and the program's
// own settings file. The environment is passed in, so callers (and tests)
// decide what it holds.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Result.h"
#include "settings/Registry.h"

namespace sw {

// The value of an environment variable, or nullopt when it is not set.
using EnvLookup = std::function<std::optional<std::string>(std::string_view name)>;
// The process environment; values as UTF-8 text (on Windows read as UTF-16).
EnvLookup ProcessEnvironment();

// The files that may hold Jw_cad's keys, in the order they are tried:
// $SHEETWRIGHT_JWCAD_REGISTRY, $WINEPREFIX/user.reg, $HOME/.wine/user.reg
// (each only when its variables are set and not empty).
std::vector<std::filesystem::path> JwcadRegistryCandidates(const EnvLookup& env);

// The Wine prefix that Jw_cad runs in: $WINEPREFIX, else $HOME/.wine (each
// only when set and not empty); empty when neither is set. Its drive links
// lead Windows drive paths to folders (layout/BasePath.h, DriveMap).
std::filesystem::path WinePrefix(const EnvLookup& env);

// The program's own settings file: $SHEETWRIGHT_CONFIG, else
// $XDG_CONFIG_HOME/Brackenfold/Sheetwright.reg, else
// $HOME/.config/Brackenfold/Sheetwright.reg. Empty when none can be formed.
std::filesystem::path OwnRegistryPath(const EnvLookup& env);

// Jw_cad's registry: the first candidate that can be read and holds
// "Software\Jw_cad". On Windows, without SHEETWRIGHT_JWCAD_REGISTRY, the
// current user's own registry. The error lists every file tried and why it
// was passed over.
Result<std::unique_ptr<Registry>> OpenJwcadRegistry(const EnvLookup& env);

// The program's own registry (on Windows, without SHEETWRIGHT_CONFIG, the
// current user's own registry). A missing file is fine (it is created on the
// first write); an unreadable one, or one that is not a registry file, fails.
Result<std::unique_ptr<Registry>> OpenOwnRegistry(const EnvLookup& env);

}  // namespace sw
