// Hints to the system about how memory will be used.
#pragma once

#include <cstddef>

namespace sw {

// Asks the system to back the whole pages within [p, p + bytes) with large
// pages where it can, so that filling a big array takes far fewer page
// faults. Only a hint: it changes no content, and does nothing where the
// platform has no such request or for a range smaller than a large page.
void HintLargePages(void* p, std::size_t bytes);

}  // namespace sw
