// The layout file on arbitrary bytes: decoding returns (never crashes, hangs
// or allocates without bound), and a layout that decodes and encodes gives
// bytes that decode and encode to the very same bytes (compared as bytes, so
// that a NaN stored in a field counts as itself).
#include <cstdint>
#include <cstdlib>

#include "layout/SwtFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sw::Result<sw::LayoutDocument> doc = sw::DecodeSwt({data, size});
  if (!doc) return 0;
  sw::Result<std::vector<std::uint8_t>> bytes = sw::EncodeSwt(doc.value(), doc.value().head.baseFile);
  if (!bytes) return 0;  // a layout the program would refuse to save
  sw::Result<sw::LayoutDocument> again = sw::DecodeSwt(bytes.value());
  if (!again) std::abort();
  sw::Result<std::vector<std::uint8_t>> bytesAgain = sw::EncodeSwt(again.value(), again.value().head.baseFile);
  if (!bytesAgain || bytesAgain.value() != bytes.value()) std::abort();
  return 0;
}
