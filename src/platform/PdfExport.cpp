#include "platform/PdfExport.h"

#include <QPageSize>
#include <QPdfWriter>

#include <system_error>

#include "core/Path.h"
#include "platform/PagePrint.h"

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

}  // namespace

Status WriteSheetPdf(const std::filesystem::path& target, int pageIndex, const std::string& title, ViewState& view,
                     const SheetSource& source, RedrawState& state) {
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
    drawn = PrintSheetPage(writer, view, source, state);
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

}  // namespace sw
