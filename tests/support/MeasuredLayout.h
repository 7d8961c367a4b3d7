// A layout made to measure prints by: a drawing with a 100 mm line (pen 1)
// along the x axis through the origin and a block that inserts itself, and
// a one-sheet A4 layout of it whose one shown frame is the 200 × 100 mm
// rectangle around the line, with the backdrop off.
#pragma once

#include <filesystem>

namespace sw::test {

// Writes m.jww and m.swt into `folder`; returns the layout's path, or an
// empty path when a file could not be written.
std::filesystem::path WriteMeasuredLayout(const std::filesystem::path& folder);

}  // namespace sw::test
