// A sheet written as a one-page vector PDF: landscape, the page of paper
// A<pageIndex>, no margins, 600 dpi, the sheet drawn with the print mapping
// at the source's output scale. The file is written next to its target and
// renamed over it only when complete.
#pragma once

#include <filesystem>
#include <string>

#include "core/Result.h"
#include "render/Redraw.h"

namespace sw {

inline constexpr int kPdfDpi = 600;

// `view` is the screen view the page is printed from (its window and scale
// are restored afterwards); `title` names the document inside the PDF.
Status WriteSheetPdf(const std::filesystem::path& target, int pageIndex, const std::string& title, ViewState& view,
                     const SheetSource& source, RedrawState& state);

}  // namespace sw
