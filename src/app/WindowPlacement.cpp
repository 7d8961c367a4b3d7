#include "app/WindowPlacement.h"

namespace sw {

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint32_t Get(const std::vector<std::uint8_t>& in, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(in[at + i]) << (8 * i);
  return v;
}

}  // namespace

std::vector<std::uint8_t> EncodePlacement(const WindowPlacement& p) {
  std::vector<std::uint8_t> out;
  out.reserve(kPlacementBytes);
  for (std::uint32_t v : {p.length, p.flags, p.showCmd}) Put(out, v);
  for (std::int32_t v : {p.minX, p.minY, p.maxX, p.maxY, p.left, p.top, p.right, p.bottom})
    Put(out, static_cast<std::uint32_t>(v));
  return out;
}

std::optional<WindowPlacement> DecodePlacement(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() != kPlacementBytes) return std::nullopt;
  WindowPlacement p;
  p.length = Get(bytes, 0);
  p.flags = Get(bytes, 4);
  p.showCmd = Get(bytes, 8);
  std::int32_t* ints[] = {&p.minX, &p.minY, &p.maxX, &p.maxY, &p.left, &p.top, &p.right, &p.bottom};
  for (std::size_t i = 0; i < 8; ++i) *ints[i] = static_cast<std::int32_t>(Get(bytes, 12 + 4 * i));
  if (p.length != kPlacementBytes || p.right <= p.left || p.bottom <= p.top) return std::nullopt;
  return p;
}

}  // namespace sw
