// The fixed tags of the layout file (ASCII, no terminator) and the smallest
// sizes of its records, in bytes.
#pragma once

#include <cstdint>
#include <string_view>

namespace sw {

inline constexpr std::string_view kSwtSignature = "SwtData.";
inline constexpr std::string_view kSwtCircleTag = "SWTEnko.";
inline constexpr std::string_view kSwtRectTag = "SWTShikaku";
inline constexpr std::string_view kSwtLineTag = "SWTSen";

inline constexpr std::int64_t kSwtGroupBytes = 148;
// kind, a name of length 0, dx, dy, writeGroup, 16 groups.
inline constexpr std::int64_t kSwtMinFrameBytes = 4 + 1 + 16 + 4 + 16 * kSwtGroupBytes;
inline constexpr std::int64_t kSwtCircleBytes = 4 + 3 * 8;
inline constexpr std::int64_t kSwtRectBytes = 4 + 4 * 8;
inline constexpr std::int64_t kSwtLineBytes = 4 + 4 * 8;
inline constexpr std::int64_t kSwtFlagBytes = 4;
inline constexpr std::int64_t kSwtTagBytes =
    static_cast<std::int64_t>(kSwtCircleTag.size() + kSwtRectTag.size() + kSwtLineTag.size());
// A sheet with one frame whose sections are all skipped.
inline constexpr std::int64_t kSwtMinSheetBytes = 8 + kSwtMinFrameBytes + kSwtTagBytes + kSwtFlagBytes;
inline constexpr std::int64_t kSwtTerminatorBytes = 2;

}  // namespace sw
