// The registry text formats (Wine's user.reg, regedit exports in UTF-16 or
// ANSI) on arbitrary bytes: parsing returns; an unchanged registry writes
// back byte for byte what it read; a value set reads back as set.
#include <cstdint>
#include <cstdlib>

#include "settings/RegistryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sw::Result<sw::RegistryFile> reg = sw::RegistryFile::Parse({data, size}, "fuzz.reg");
  if (!reg) return 0;
  if (reg.value().serialize() != std::vector<std::uint8_t>(data, data + size)) std::abort();
  const sw::RegValue v = sw::RegValue::String("fuzz");
  if (!reg.value().setValue("Software\\Jw_cad\\Fuzz", "Value", v)) return 0;
  if (reg.value().value("Software\\Jw_cad\\Fuzz", "Value") != v) std::abort();
  return 0;
}
