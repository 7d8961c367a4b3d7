// Jw_cad's settings imported from an arbitrary registry text: the import
// returns and builds the style tables, whatever the values hold.
#include <cstdint>

#include "render/Styles.h"
#include "settings/JwcadSettings.h"
#include "settings/RegistryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sw::Result<sw::RegistryFile> reg = sw::RegistryFile::Parse({data, size}, "fuzz.reg");
  if (!reg) return 0;
  sw::StyleTables styles = sw::InitialStyleTables();
  sw::ImportStyleTables(styles, &reg.value(), nullptr);
  return 0;
}
