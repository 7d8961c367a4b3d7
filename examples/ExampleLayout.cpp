// The example layout: two sheets of frames onto the example drawing, each
// frame with its own offset and layer state; and the writing of both files.
#include <algorithm>
#include <initializer_list>
#include <system_error>
#include <vector>

#include "core/Cp932.h"
#include "core/File.h"
#include "layout/Invariants.h"
#include "layout/Operations.h"
#include "layout/SwtFile.h"
#include "support/JwwWriter.h"

#include "examples/Example.h"

namespace sw::example {

namespace {

constexpr int kAll = -1;  // LayerSetting::layer for the group's own state

// One change to the layer state a frame copies from the drawing.
struct LayerSetting {
  int group;
  int layer;  // kAll: the group's state
  int state;  // 0 hidden, 1 display only, 2 shown
};

// A frame showing `region` of the drawing (drawing mm) with its lower left
// corner moved to `target` on the paper (paper mm).
struct FramePlan {
  const char* name;
  LineRect region;
  PaperPoint target;
  int writeGroup, writeLayer;
  std::vector<LayerSetting> layers;
};

// Hides every group but `keep` (the ones a frame is about).
std::vector<LayerSetting> OnlyGroups(std::initializer_list<int> keep) {
  std::vector<LayerSetting> out;
  for (int g = 0; g < 16; ++g)
    if (std::find(keep.begin(), keep.end(), g) == keep.end()) out.push_back({g, kAll, 0});
  return out;
}

std::vector<LayerSetting> Join(std::vector<LayerSetting> a, std::initializer_list<LayerSetting> b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

void ApplyLayers(CLayCount& f, const FramePlan& plan) {
  for (JWWLayerGroupState& g : f.groups) {
    if (g.state == 3) g.state = 2;
    for (JWWLayerState& l : g.layers)
      if (l.state == 3) l.state = 2;
  }
  for (const LayerSetting& s : plan.layers) {
    JWWLayerGroupState& g = f.groups[static_cast<std::size_t>(s.group)];
    if (s.layer == kAll) g.state = s.state;
    else g.layers[static_cast<std::size_t>(s.layer)].state = s.state;
  }
  // The write group and write layer are shown and editable.
  f.writeGroup = plan.writeGroup;
  JWWLayerGroupState& w = f.groups[static_cast<std::size_t>(plan.writeGroup)];
  w.state = 3;
  w.writeLayer = plan.writeLayer;
  w.layers[static_cast<std::size_t>(plan.writeLayer)].state = 3;
}

Status AddFrame(LayoutDocument& doc, const JWWDrawing& drawing, const FramePlan& plan) {
  // The rectangle is the part of the drawing the frame clips; the offset
  // moves it to the target.
  const PaperPoint first{plan.region.left, plan.region.bottom}, second{plan.region.right, plan.region.top};
  if (Status s = addFrame(doc, kFrameRect, Utf8ToCp932(plan.name), first, second); !s) return s;
  CLayMain& sheet = CurrentSheet(doc);
  const std::int32_t j = sheet.frameHigh;
  if (Status s = initFrameFromBase(doc, drawing, j); !s) return s;
  CLayCount& f = sheet.frames[static_cast<std::size_t>(j)];
  // Drawing point (x, y) shows at paper (x + dx, y - dy).
  f.dx = plan.target.x - plan.region.left;
  f.dy = plan.region.bottom - plan.target.y;
  ApplyLayers(f, plan);
  sheet.shown[static_cast<std::size_t>(j)] = true;
  return Status::Ok();
}

// Adds a sheet as the sheet tabs do: a copy of sheet 0 cut to its base
// entry; it becomes the current sheet.
void AddSheet(LayoutDocument& doc, const char* nameUtf8) {
  CLayMain sheet = doc.Sheets[0];
  sheet.frameHigh = sheet.selectedFrame = sheet.lineHigh = 0;
  sheet.frames.resize(1);
  sheet.circles.resize(1);
  sheet.rects.resize(1);
  sheet.plines.clear();
  sheet.lines.resize(1);
  sheet.shown.resize(1);
  doc.Sheets.push_back(std::move(sheet));
  doc.head.sheetNames.push_back(Utf8ToCp932(nameUtf8));
  doc.head.sheetHigh += 1;
  doc.head.currentSheet = doc.head.sheetHigh;
}

// Over the grey base drawing: the plan and the sheet frame in place, and
// three rooms repeated in the free middle of the right half.
std::vector<FramePlan> PlanSheetFrames() {
  return {
      {"平面図", kPlanArea, {kPlanArea.left, kPlanArea.bottom}, kPlan, kStructure,
       Join(OnlyGroups({kPlan}), {{kPlan, kFinish, 1}})},
      {"図枠", kSheetFrameArea, {kSheetFrameArea.left, kSheetFrameArea.bottom}, kSheetFrame, kTitleBlock,
       OnlyGroups({kSheetFrame})},
      {"便所・給湯室", kWetArea, {44, -92}, kPlan, kFixtures,
       Join(OnlyGroups({kPlan}), {{kPlan, kGrid, 0}, {kPlan, kFurniture, 0}, {kPlan, kDimensions, 0},
                                  {kPlan, kRoomNames, 1}})},
      {"会議室", kMeetingArea, {120, -92}, kPlan, kFurniture,
       Join(OnlyGroups({kPlan}), {{kPlan, kGrid, 0}, {kPlan, kPartition, 1}, {kPlan, kDimensions, 0},
                                  {kPlan, kFinish, 0}})},
      {"エントランス", kHallArea, {120, -30}, kPlan, kFittings,
       Join(OnlyGroups({kPlan}), {{kPlan, kFurniture, 0}, {kPlan, kFixtures, 0}, {kPlan, kGrid, 1}})},
  };
}

// Without the base drawing: rooms and details in columns, the legend and
// the sheet frame in place.
std::vector<FramePlan> DetailSheetFrames() {
  const std::vector<LayerSetting> rooms =
      Join(OnlyGroups({kPlan}), {{kPlan, kGrid, 0}, {kPlan, kDimensions, 0}});
  return {
      {"事務室", kOfficeArea, {-168, 18}, kPlan, kFurniture,
       Join(OnlyGroups({kPlan}), {{kPlan, kGrid, 1}, {kPlan, kFixtures, 0}, {kPlan, kDimensions, 0}})},
      {"エントランス", kHallArea, {-167, -50}, kPlan, kFittings, Join(rooms, {{kPlan, kFurniture, 0}})},
      {"机詳細", kDeskDetailArea, {-80, 25}, kDetail, kDetailLines,
       Join(OnlyGroups({kPlan, kDetail}),
            {{kPlan, kGrid, 0}, {kPlan, kStructure, 0}, {kPlan, kPartition, 0}, {kPlan, kFittings, 0},
             {kPlan, kFixtures, 0}, {kPlan, kRoomNames, 0}, {kPlan, kDimensions, 0}, {kPlan, kFinish, 0},
             {kDetail, kColumnDetail, 0}})},
      {"柱詳細", kColumnDetailArea, {-80, -40}, kDetail, kColumnDetail,
       Join(OnlyGroups({kPlan, kDetail}), {{kPlan, kAll, 1}, {kDetail, kDetailLines, 0}, {kDetail, kDetailDims, 1}})},
      {"便所・給湯室", kWetArea, {20, 68}, kPlan, kFixtures, Join(rooms, {{kPlan, kFurniture, 0}})},
      {"会議室", kMeetingArea, {20, 8}, kPlan, kFurniture, Join(rooms, {{kPlan, kPartition, 1}})},
      {"所長室", kManagerArea, {110, 69}, kPlan, kFurniture, Join(rooms, {{kPlan, kFinish, 0}})},
      {"凡例", kLegendArea, {kLegendArea.left, kLegendArea.bottom}, kLegend, kSymbols,
       Join(OnlyGroups({kPlan, kLegend}), {{kLegend, kLineTypes, 1}})},
      {"図枠", kSheetFrameArea, {kSheetFrameArea.left, kSheetFrameArea.bottom}, kSheetFrame, kTitleBlock,
       OnlyGroups({kSheetFrame})},
  };
}

}  // namespace

Status BuildExampleLayout(LayoutDocument& doc, JWWDrawing& drawing, const std::filesystem::path& drawingFile) {
  resetDocument(doc);
  if (Status s = openBaseDrawing(doc, drawing, drawingFile); !s) return s;
  doc.head.sheetNames[0] = Utf8ToCp932("平面図");
  for (const FramePlan& f : PlanSheetFrames())
    if (Status s = AddFrame(doc, drawing, f); !s) return s;
  addLine(doc, kAuxLineCode, {-100, -95}, {100, -95});  // top of the legend and title block

  AddSheet(doc, "詳細");
  doc.Sheets[1].shown[0] = false;  // the base drawing is not shown on this sheet
  for (const FramePlan& f : DetailSheetFrames())
    if (Status s = AddFrame(doc, drawing, f); !s) return s;
  addLine(doc, kAuxLineCode, {-200, 123}, {200, 123});  // top of the frames
  addLine(doc, kAuxLineCode, {20, -100}, {20, 100});     // left of the room frames

  doc.head.currentSheet = 0;
  return CheckInvariants(doc);
}

Status WriteExample(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) return MakeError("cannot create " + folder.string() + ": " + ec.message());
  const std::filesystem::path drawingFile = folder / kDrawingFile;
  if (Status s = WriteFileAtomic(drawingFile, test::WriteJww(MakeExampleDrawing())); !s) return s;
  LayoutDocument doc;
  JWWDrawing drawing;
  if (Status s = BuildExampleLayout(doc, drawing, drawingFile); !s) return s;
  return SaveLayout(doc, folder / kLayoutFile);
}

}  // namespace sw::example
