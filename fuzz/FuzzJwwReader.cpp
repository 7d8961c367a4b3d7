// The JWW reader on arbitrary bytes: it must return (never crash, hang or
// allocate without bound), and a failed read must leave no entities behind.
#include <cstdint>
#include <cstdlib>

#include "jww/Reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sw::JWWDrawing d;
  sw::Status s = sw::ReadJWW({data, size}, d);
  if (!s.ok() && (!d.JWWLines.empty() || !d.JWWTexts.empty() || !d.JWWBlocks.members().empty())) std::abort();
  return 0;
}
