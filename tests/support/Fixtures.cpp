#include "support/Fixtures.h"

namespace sw::test {

std::optional<std::filesystem::path> FixtureDir() {
  std::filesystem::path dir = std::filesystem::path(SW_SHARED_DIR) / "fixtures" / "jww";
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) return std::nullopt;
  return dir;
}

}  // namespace sw::test
