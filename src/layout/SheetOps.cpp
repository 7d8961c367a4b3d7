// The operations on the sheets and the paper of the document.
#include <algorithm>
#include <utility>

#include "layout/Operations.h"
#include "layout/OpsCheck.h"

namespace sw {

namespace {

bool NameTaken(const LayoutDocument& doc, const std::string& name) {
  return std::find(doc.head.sheetNames.begin(), doc.head.sheetNames.end(), name) != doc.head.sheetNames.end();
}

// The first of prefix + 1, prefix + 2, ... (as `form` spells it) that no
// sheet has.
template <class Form>
std::string FreeName(const LayoutDocument& doc, Form form) {
  for (long long k = 1;; ++k)
    if (std::string name = form(k); !NameTaken(doc, name)) return name;
}

std::int32_t Append(LayoutDocument& doc, std::string name, CLayMain sheet) {
  doc.Sheets.push_back(std::move(sheet));
  doc.head.sheetNames.push_back(std::move(name));
  doc.head.sheetHigh += 1;
  doc.head.currentSheet = doc.head.sheetHigh;
  return doc.head.sheetHigh;
}

}  // namespace

Status selectSheet(LayoutDocument& doc, std::int32_t index) {
  if (Status s = CheckIndex("sheet", index, 0, doc.head.sheetHigh); !s) return s;
  doc.head.currentSheet = index;
  return Status::Ok();
}

std::int32_t addSheet(LayoutDocument& doc) {
  const CLayMain& first = doc.Sheets.front();
  CLayMain sheet = MakeEmptySheet();
  sheet.frames[0] = first.frames[0];
  sheet.circles[0] = first.circles[0];
  sheet.rects[0] = first.rects[0];
  sheet.shown[0] = BaseShown(first);
  if (!first.plines.empty()) sheet.plines.assign(1, first.plines[0]);
  std::string name = FreeName(doc, [](long long k) { return "layout" + std::to_string(k); });
  return Append(doc, std::move(name), std::move(sheet));
}

std::int32_t copySheet(LayoutDocument& doc) {
  const std::string source = doc.head.sheetNames[static_cast<std::size_t>(doc.head.currentSheet)];
  CLayMain sheet = CurrentSheet(doc);
  std::string name = FreeName(doc, [&](long long k) { return source + "(" + std::to_string(k) + ")"; });
  return Append(doc, std::move(name), std::move(sheet));
}

Status deleteSheet(LayoutDocument& doc, std::int32_t index) {
  if (Status s = CheckIndex("sheet", index, 0, doc.head.sheetHigh); !s) return s;
  if (doc.head.sheetHigh == 0) return MakeError("the only sheet cannot be removed");
  doc.Sheets.erase(doc.Sheets.begin() + index);
  doc.head.sheetNames.erase(doc.head.sheetNames.begin() + index);
  doc.head.sheetHigh -= 1;
  doc.head.currentSheet = std::min(index, doc.head.sheetHigh);
  return Status::Ok();
}

Status renameSheet(LayoutDocument& doc, std::int32_t index, const std::string& name) {
  if (Status s = CheckIndex("sheet", index, 0, doc.head.sheetHigh); !s) return s;
  if (name.empty()) return MakeError("a sheet needs a name");
  for (std::int32_t k = 0; k <= doc.head.sheetHigh; ++k)
    if (k != index && doc.head.sheetNames[static_cast<std::size_t>(k)] == name)
      return MakeError("sheet " + std::to_string(k) + " already has this name");
  doc.head.sheetNames[static_cast<std::size_t>(index)] = name;
  return Status::Ok();
}

Status moveSheet(LayoutDocument& doc, std::int32_t from, std::int32_t to) {
  if (Status s = CheckIndex("sheet", from, 0, doc.head.sheetHigh); !s) return s;
  if (Status s = CheckIndex("sheet", to, 0, doc.head.sheetHigh); !s) return s;
  auto shift = [from, to](auto& v) {
    auto a = v.begin() + from;
    auto b = v.begin() + to;
    if (from < to)
      std::rotate(a, a + 1, b + 1);
    else
      std::rotate(b, a, a + 1);
  };
  shift(doc.Sheets);
  shift(doc.head.sheetNames);
  std::int32_t& cur = doc.head.currentSheet;
  if (cur == from)
    cur = to;
  else if (from < cur && cur <= to)
    cur -= 1;
  else if (to <= cur && cur < from)
    cur += 1;
  return Status::Ok();
}

Status setPaper(LayoutDocument& doc, std::int32_t paperIndex) {
  if (Status s = CheckIndex("paper", paperIndex, 0, 4); !s) return s;
  doc.PaperIndex = paperIndex;
  return Status::Ok();
}

}  // namespace sw
