// Sheets written as a vector PDF: landscape pages of paper A<pageIndex>, no
// margins, 600 dpi, each sheet drawn with the print mapping at the source's
// output scale. The file is written next to its target and renamed over it
// only when complete.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "core/Result.h"
#include "render/Redraw.h"

namespace sw {

inline constexpr int kPdfDpi = 600;

// The current sheet of the source's document on one page. `view` is the
// screen view the page is printed from (its window and scale are restored
// afterwards); `title` names the document inside the PDF.
Status WriteSheetPdf(const std::filesystem::path& target, int pageIndex, const std::string& title, ViewState& view,
                     const SheetSource& source, RedrawState& state);

// `pageCount` pages in one file. Before page k (0-based) is drawn,
// `preparePage(k)` makes that page's sheet current in the document the
// source refers to, with the redraw state to match; a failure there, or on
// any page, leaves no file.
Status WriteSheetsPdf(const std::filesystem::path& target, int pageIndex, const std::string& title,
                      ViewState& view, const SheetSource& source, RedrawState& state, int pageCount,
                      const std::function<Status(int)>& preparePage);

}  // namespace sw
