// HKEY_CURRENT_USER itself (Windows only; defined in RegistryWin.cpp).
#pragma once

#include <memory>

#include "settings/Registry.h"

namespace sw {

// Keys are opened for each call and closed again; setValue writes at once,
// so flush() has nothing left to do.
std::unique_ptr<Registry> OpenCurrentUserRegistry();

}  // namespace sw
