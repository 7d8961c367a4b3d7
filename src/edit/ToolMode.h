// The values of `ToolMode`, the single integer that tells the pointer
// handlers what a click on the sheet means.
#pragma once

#include <cstdint>

namespace sw {

// Entry values set by the commands. The pointer handlers move on to further
// values (first point taken = entry + 100, commit in progress = waiting value
// + 1000, cancelled name = + 10000).
inline constexpr std::int32_t kModeIdle = 0;
inline constexpr std::int32_t kModeRect = 100;
inline constexpr std::int32_t kModeCircle = 110;
inline constexpr std::int32_t kModeAuxLine = 130;
inline constexpr std::int32_t kModeMove = 150;
inline constexpr std::int32_t kModeTransform = 170;
inline constexpr std::int32_t kModeDeleteLine = 300;
inline constexpr std::int32_t kModeRectCommit = 1200;
inline constexpr std::int32_t kModeCircleCommit = 1210;
inline constexpr std::int32_t kModeRenameFrame = 2000;
inline constexpr std::int32_t kModeRenameSheet = 3000;
inline constexpr std::int32_t kModeNameCancelled = 10000;  // added by a cancelled name dialog

// 170..174: waiting for a transform handle or holding one.
inline bool IsTransformState(std::int32_t mode) { return mode >= 170 && mode <= 174; }

// Result of the Save As dialog as the unsaved-changes question waits for it.
inline constexpr std::int32_t kSaveAsNone = 0;
inline constexpr std::int32_t kSaveAsSaved = 1;
inline constexpr std::int32_t kSaveAsClosed = 2;  // closed without a successful save

}  // namespace sw
