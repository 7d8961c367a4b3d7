// sheetwright-cli render IN OUT.png [--sheet N] [--size WxH] [--registry FILE]:
// the drawing area as the main window shows it at a paint box of W x H
// pixels once the paper is fitted: the middle third of the back buffer.
#include <QBuffer>
#include <QImage>

#include "cli/SheetInput.h"
#include "core/File.h"
#include "platform/QtCanvas.h"
#include "render/Redraw.h"

namespace sw::cli {

namespace {

constexpr int kMaxSide = 4096;

// "WxH" with both sides 1..kMaxSide.
std::optional<BoxSize> ParseSize(const std::string& text) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return std::nullopt;
  const auto w = ParseInteger(text.substr(0, x));
  const auto h = ParseInteger(text.substr(x + 1));
  if (!w || !h || *w < 1 || *h < 1 || *w > kMaxSide || *h > kMaxSide) return std::nullopt;
  return BoxSize{static_cast<std::int32_t>(*w), static_cast<std::int32_t>(*h)};
}

}  // namespace

int RunRender(const Args& args) {
  const char* usage = "render IN.(swt|jww) OUT.png [--sheet N] [--size WxH] [--registry FILE]";
  std::vector<std::string> pos;
  std::map<std::string, std::string> opt;
  if (!SplitArgs(args, {"--sheet", "--size", "--registry"}, pos, opt) || pos.size() != 2)
    return ReportUsage(usage);
  SheetRequest req{pos[0], std::nullopt, opt.count("--registry") ? opt["--registry"] : ""};
  if (opt.count("--sheet")) {
    const auto n = ParseInteger(opt["--sheet"]);
    if (!n || *n < 0 || *n > 1000000) return ReportUsage(usage);
    req.sheet = static_cast<int>(*n);
  }
  BoxSize box{1024, 768};
  if (opt.count("--size")) {
    const auto size = ParseSize(opt["--size"]);
    if (!size) return ReportUsage(usage);
    box = *size;
  }

  auto ws = std::make_unique<Workspace>();
  if (int rc = LoadSheetInput(req, *ws); rc != 0) return rc;
  if (int rc = CheckOutputPath(pos[1], req, *ws); rc != 0) return rc;
  ViewState& view = ws->view;
  FitViewToPaper(view, ws->document.PaperIndex, box);

  QImage buffer(3 * box.width, 3 * box.height, QImage::Format_RGB32);
  if (buffer.isNull()) return ReportBadInput(pos[1], Error{"not enough memory for the image", -1});
  {
    QtCanvas canvas(buffer);
    RedrawSheet(canvas, view, SheetSource{ws->drawing, ws->document, ws->styles, kScreenPrint, &ws->index}, ws->redraw);
  }
  const QImage shown = buffer.copy(box.width, box.height, box.width, box.height);
  QByteArray png;
  QBuffer out(&png);
  out.open(QIODevice::WriteOnly);
  if (!shown.save(&out, "PNG")) return ReportBadInput(pos[1], Error{"the PNG could not be encoded", -1});
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(png.constData());
  if (Status s = WriteFileAtomic(pos[1], {bytes, static_cast<std::size_t>(png.size())}); !s)
    return ReportBadInput(pos[1], s.error());
  return 0;
}

}  // namespace sw::cli
