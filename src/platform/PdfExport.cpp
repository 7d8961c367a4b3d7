#include "platform/PdfExport.h"

#include <QPageSize>
#include <QPdfWriter>

#include <system_error>

#include "core/Path.h"
#include "platform/PagePrint.h"
#include "platform/QtCanvas.h"

namespace sw {

namespace {

QPageSize::PageSizeId PageOfPaper(int paperIndex) {
  switch (paperIndex) {
    case 0: return QPageSize::A0;
    case 1: return QPageSize::A1;
    case 2: return QPageSize::A2;
    case 3: return QPageSize::A3;
    default: return QPageSize::A4;
  }
}

// Draws every page into `temp` and renames it over `target` when all went
// well; removes it otherwise.
template <typename DrawPages>
Status WritePdf(const std::filesystem::path& target, int pageIndex, const std::string& title,
                DrawPages drawPages) {
  std::filesystem::path temp = target;
  temp += ".part";
  Status drawn;
  {
    QPdfWriter writer(QString::fromStdString(Utf8FromPath(temp)));
    writer.setResolution(kPdfDpi);
    writer.setPageSize(QPageSize(PageOfPaper(pageIndex)));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator(QStringLiteral("Sheetwright"));
    drawn = drawPages(writer);
  }
  std::error_code ec;
  if (!drawn) {
    std::filesystem::remove(temp, ec);
    return drawn;
  }
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    return MakeError("cannot write " + Utf8FromPath(target) + ": " + ec.message());
  }
  return {};
}

}  // namespace

Status WriteSheetPdf(const std::filesystem::path& target, int pageIndex, const std::string& title, ViewState& view,
                     const SheetSource& source, RedrawState& state) {
  return WriteSheetsPdf(target, pageIndex, title, view, source, state, 1, [](int) { return Status{}; });
}

Status WriteSheetsPdf(const std::filesystem::path& target, int pageIndex, const std::string& title,
                      ViewState& view, const SheetSource& source, RedrawState& state, int pageCount,
                      const std::function<Status(int)>& preparePage) {
  return WritePdf(target, pageIndex, title, [&](QPdfWriter& writer) -> Status {
    // The pages go to the writer as they are drawn, one painter for all.
    QtCanvas canvas(writer, StrokeOrder::GroupedByPen);
    if (!canvas.IsActive()) return Error{"the page could not be drawn on", -1};
    for (int k = 0; k < pageCount; ++k) {
      if (k > 0 && !writer.newPage()) return Error{"a new page could not be begun", -1};
      if (Status s = preparePage(k); !s) return s;
      if (Status s = DrawSheetPage(canvas, writer, view, source, state); !s) return s;
    }
    if (!canvas.Finish()) return Error{"the page could not be drawn on", -1};
    return Status{};
  });
}

}  // namespace sw
