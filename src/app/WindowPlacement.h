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
// Flag: a minimised window comes back maximised.
inline constexpr std::uint32_t kRestoreToMaximized = 2;

struct WindowPlacement {
  std::uint32_t length = kPlacementBytes;
  std::uint32_t flags = 0;
  std::uint32_t showCmd = kShowNormal;
  // Top-left of the minimised window, screen pixels; -1, -1 when not known
  // (a minimised window has no position of its own here).
  std::int32_t minX = -1, minY = -1;
  // Top-left of the outer rectangle while maximised; -1, -1 when the window
  // is not maximised.
  std::int32_t maxX = -1, maxY = -1;
  // The outer rectangle of the window in its normal state, screen pixels;
  // right and bottom are excluded.
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const WindowPlacement&) const = default;
};

std::vector<std::uint8_t> EncodePlacement(const WindowPlacement& p);
// nullopt unless `bytes` is a 44-byte record whose length field says 44 and
// whose normal rectangle is not empty.
std::optional<WindowPlacement> DecodePlacement(const std::vector<std::uint8_t>& bytes);

// Whether a stored record brings the window back maximised: shown maximised,
// or minimised from the maximised state. A minimised window comes back in
// its normal state otherwise, never minimised.
inline bool RestoresMaximized(const WindowPlacement& p) {
  return p.showCmd == kShowMaximized || (p.showCmd == kShowMinimized && (p.flags & kRestoreToMaximized) != 0);
}

}  // namespace sw
