// The window-placement record stored under the program's "Window" key: 44
// bytes, little-endian, in the layout of the platform's placement record.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace sw {

inline constexpr std::size_t kPlacementBytes = 44;

// Show states of the record.
inline constexpr std::uint32_t kShowNormal = 1;
inline constexpr std::uint32_t kShowMinimized = 2;
inline constexpr std::uint32_t kShowMaximized = 3;

struct WindowPlacement {
  std::uint32_t length = kPlacementBytes;
  std::uint32_t flags = 0;
  std::uint32_t showCmd = kShowNormal;
  std::int32_t minX = -1, minY = -1;  // minimised position (unused here: -1)
  std::int32_t maxX = -1, maxY = -1;  // maximised position (unused here: -1)
  // The outer rectangle of the window in its normal state, screen pixels;
  // right and bottom are excluded.
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const WindowPlacement&) const = default;
};

std::vector<std::uint8_t> EncodePlacement(const WindowPlacement& p);
// nullopt unless `bytes` is a 44-byte record whose length field says 44 and
// whose normal rectangle is not empty.
std::optional<WindowPlacement> DecodePlacement(const std::vector<std::uint8_t>& bytes);

}  // namespace sw
