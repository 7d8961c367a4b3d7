#include "RedrawScene.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "core/Cp932.h"
#include "support/JwwWriter.h"

namespace sw::bench {

namespace {

using Rng = std::mt19937;
constexpr double kPi = std::numbers::pi;

// Where the drawing lies: most of an A1 sheet (841 x 594 mm).
constexpr double kHalfW = 400, kHalfH = 280;

double Uniform(Rng& rng, double lo, double hi) {
  return std::uniform_real_distribution<double>(lo, hi)(rng);
}
int Pick(Rng& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
bool Chance(Rng& rng, double p) { return Uniform(rng, 0, 1) < p; }
// Log-uniform: as many short as long ones per octave, as in a real plan.
double LogUniform(Rng& rng, double lo, double hi) {
  return std::exp(Uniform(rng, std::log(lo), std::log(hi)));
}

// Group 0 holds half the entities, groups 1..3 the rest; any layer.
JWWEntityHead RandomHead(Rng& rng, int penColor, int penStyle) {
  const double g = Uniform(rng, 0, 1);
  const int group = g < 0.5 ? 0 : g < 0.75 ? 1 : g < 0.9 ? 2 : 3;
  return test::MakeHead(group, Pick(rng, 0, 15), penColor, penStyle);
}

// Pens 1..8 about evenly, pen 9 (auxiliary) now and then.
int RandomPen(Rng& rng) { return Chance(rng, 0.03) ? 9 : Pick(rng, 1, 8); }

// Solid 72 %, dashed 2..9 24 %, random 11..15 2 %, double-length 16..19 2 %.
int RandomLineType(Rng& rng) {
  const double u = Uniform(rng, 0, 1);
  if (u < 0.72) return 1;
  if (u < 0.96) return Pick(rng, 2, 9);
  if (u < 0.98) return Pick(rng, 11, 15);
  return Pick(rng, 16, 19);
}

CDataSen RandomLine(Rng& rng) {
  CDataSen l;
  l.head = RandomHead(rng, RandomPen(rng), RandomLineType(rng));
  l.x1 = Uniform(rng, -kHalfW, kHalfW);
  l.y1 = Uniform(rng, -kHalfH, kHalfH);
  if (Chance(rng, 0.35)) {  // walls and grid lines: long and axis-parallel
    const double len = LogUniform(rng, 5, 300) * (Chance(rng, 0.5) ? 1 : -1);
    if (Chance(rng, 0.5)) {
      l.x2 = l.x1 + len;
      l.y2 = l.y1;
    } else {
      l.x2 = l.x1;
      l.y2 = l.y1 + len;
    }
  } else {
    const double len = LogUniform(rng, 1, 80), a = Uniform(rng, 0, 2 * kPi);
    l.x2 = l.x1 + len * std::cos(a);
    l.y2 = l.y1 + len * std::sin(a);
  }
  return l;
}

CDataEnko RandomArc(Rng& rng, double halfW, double halfH, double maxRadius) {
  CDataEnko a;
  a.head = RandomHead(rng, RandomPen(rng), Chance(rng, 0.85) ? 1 : Pick(rng, 2, 9));
  a.cx = Uniform(rng, -halfW, halfW);
  a.cy = Uniform(rng, -halfH, halfH);
  a.radius = LogUniform(rng, 0.5, maxRadius);
  a.flatness = 1;
  const double u = Uniform(rng, 0, 1);
  if (u < 0.5) {  // circle
    a.fullCircle = 1;
    a.arcAngle = 2 * kPi;
  } else if (u < 0.95) {  // arc (door swings, fillets)
    a.startAngle = Uniform(rng, 0, 2 * kPi);
    a.arcAngle = Uniform(rng, 0.2, kPi);
  } else {  // ellipse or elliptic arc, tilted
    a.flatness = Uniform(rng, 0.3, 0.9);
    a.tiltAngle = Uniform(rng, 0, kPi);
    a.fullCircle = Chance(rng, 0.5) ? 1 : 0;
    a.startAngle = a.fullCircle ? 0 : Uniform(rng, 0, 2 * kPi);
    a.arcAngle = a.fullCircle ? 2 * kPi : Uniform(rng, 0.5, 2 * kPi);
  }
  return a;
}

const std::vector<std::string>& JapaneseWords() {
  static const std::vector<std::string> words = [] {
    const char* utf8[] = {"居室", "寝室", "浴室", "洗面所", "玄関", "収納", "廊下", "台所",
                          "階段", "物入", "バルコニー", "和室", "洋室", "便所", "ホール",
                          "吹抜", "押入", "床の間", "納戸", "機械室", "倉庫", "事務室",
                          "会議室", "屋上", "仕上表", "平面図", "断面図", "立面図"};
    std::vector<std::string> out;
    for (const char* w : utf8) out.push_back(Utf8ToCp932(w));
    return out;
  }();
  return words;
}

// A label as a plan carries it: Japanese room names with a size ("洋室 ６帖"),
// or ASCII marks and measures ("W900", "GL+150", "X3").
std::string RandomLabel(Rng& rng) {
  static const std::string tatami = Utf8ToCp932("帖");
  static const char* const kDigits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  const auto& words = JapaneseWords();
  if (Chance(rng, 0.5)) {
    std::string s = words[static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(words.size()) - 1))];
    if (Chance(rng, 0.4)) {
      s += " ";
      s += Utf8ToCp932(kDigits[Pick(rng, 3, 9)]);
      s += tatami;
    } else if (Chance(rng, 0.3)) {
      s += words[static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(words.size()) - 1))];
    }
    return s;
  }
  auto mark = [](std::string prefix, int n) { return prefix.append(std::to_string(n)); };
  switch (Pick(rng, 0, 5)) {
    case 0: return mark("W", Pick(rng, 6, 36) * 50);
    case 1: return mark("D=", Pick(rng, 3, 20) * 50);
    case 2: return mark("GL+", Pick(rng, 0, 40) * 25);
    case 3: return mark("X", Pick(rng, 1, 12));
    case 4: return mark("CH", Pick(rng, 22, 30) * 100);
    default: return mark("A-", Pick(rng, 1, 99));
  }
}

// Length of `text` along its baseline: half the width per byte plus the
// spacing after every character but the last.
double TextLength(const std::string& text, double width, double spacing) {
  const int chars = CharCount(text);
  return static_cast<double>(text.size()) * width / 2 + (chars > 1 ? (chars - 1) * spacing : 0);
}

CDataMoji MakeText(const JWWEntityHead& head, double x, double y, double size, double spacing,
                   double angleDeg, std::string text) {
  static const std::string face = Utf8ToCp932("ＭＳ ゴシック");
  CDataMoji t;
  t.head = head;
  t.x1 = x;
  t.y1 = y;
  t.sizeX = t.sizeY = size;
  t.spacing = spacing;
  t.angle = angleDeg;
  t.textType = 1;
  const double len = TextLength(text, size, spacing), a = angleDeg * kPi / 180;
  t.x2 = x + len * std::cos(a);
  t.y2 = y + len * std::sin(a);
  t.fontName = face;
  t.text = std::move(text);
  return t;
}

CDataMoji RandomText(Rng& rng) {
  // Jw_cad's text kinds run from 2 to 10 mm; most notes are 2.5 to 5 mm.
  const double u = Uniform(rng, 0, 1);
  const double size = u < 0.3 ? 2.5 : u < 0.65 ? 3.5 : u < 0.85 ? 5 : u < 0.95 ? 7 : 10;
  const double v = Uniform(rng, 0, 1);
  const double angle = v < 0.85 ? 0 : v < 0.95 ? 90 : Uniform(rng, -60, 60);
  const double spacing = Chance(rng, 0.5) ? 0 : 0.5;
  return MakeText(RandomHead(rng, Pick(rng, 1, 8), 1), Uniform(rng, -kHalfW, kHalfW - 40),
                  Uniform(rng, -kHalfH, kHalfH - 10), size, spacing, angle, RandomLabel(rng));
}

CDataSunpou RandomDimension(Rng& rng) {
  CDataSunpou d;
  d.head = RandomHead(rng, Pick(rng, 1, 8), 1);
  const double len = LogUniform(rng, 10, 300);
  const double u = Uniform(rng, 0, 1);
  const double a = u < 0.45 ? 0 : u < 0.9 ? kPi / 2 : Uniform(rng, 0, kPi);
  d.line.head = d.head;
  d.line.x1 = Uniform(rng, -kHalfW, kHalfW - len * std::cos(a));
  d.line.y1 = Uniform(rng, -kHalfH, kHalfH - len * std::sin(a));
  d.line.x2 = d.line.x1 + len * std::cos(a);
  d.line.y2 = d.line.y1 + len * std::sin(a);
  // At 1:100 the measure is the paper length times 100 in mm.
  const std::string label = std::to_string(static_cast<int>(std::lround(len * 100 / 5) * 5));
  const double size = Chance(rng, 0.6) ? 2.5 : 3.5;
  const double textLen = TextLength(label, size, 0);
  const double mx = (d.line.x1 + d.line.x2) / 2, my = (d.line.y1 + d.line.y2) / 2;
  // Centred over the line, 0.5 mm above it.
  const double tx = mx - textLen / 2 * std::cos(a) - 0.5 * std::sin(a);
  const double ty = my - textLen / 2 * std::sin(a) + 0.5 * std::cos(a);
  d.text = MakeText(d.head, tx, ty, size, 0, a * 180 / kPi, label);
  return d;
}

// Definition k: a furniture-like symbol about its origin, within +-15 mm:
// 80 % lines, 16 % arcs, the rest texts.
void AddBlock(Rng& rng, TJWWBlockList& blocks, int number, int members) {
  CDataList def;
  def.number = number;
  def.name = std::string("BLK").append(std::to_string(number));
  def.memberCount = members;
  blocks.addDefinition(def);
  const int arcs = members * 16 / 100, texts = std::max(members / 25, 1);
  const int lines = members - arcs - texts;
  for (int i = 0; i < lines; ++i) {
    CDataSen l;
    l.head = test::MakeHead(0, Pick(rng, 0, 3), Pick(rng, 1, 8), Chance(rng, 0.85) ? 1 : 2);
    l.x1 = Uniform(rng, -15, 15);
    l.y1 = Uniform(rng, -15, 15);
    l.x2 = std::clamp(l.x1 + Uniform(rng, -12, 12), -15.0, 15.0);
    l.y2 = Chance(rng, 0.5) ? l.y1 : std::clamp(l.y1 + Uniform(rng, -12, 12), -15.0, 15.0);
    blocks.addLine(l);
  }
  for (int i = 0; i < arcs; ++i) blocks.addArc(RandomArc(rng, 10, 10, 6));
  for (int i = 0; i < texts; ++i)
    blocks.addText(MakeText(test::MakeHead(0, 0, 2, 1), Uniform(rng, -12, 0), Uniform(rng, -12, 8),
                            2.5, 0, 0, i % 2 ? "WC" : Utf8ToCp932("冷蔵庫")));
}

CDataBlock RandomInsert(Rng& rng, int blocks) {
  CDataBlock b;
  b.head = RandomHead(rng, 1, 1);
  b.x = Uniform(rng, -kHalfW + 20, kHalfW - 20);
  b.y = Uniform(rng, -kHalfH + 20, kHalfH - 20);
  const double s = Chance(rng, 0.8) ? 1.0 : Uniform(rng, 0.5, 2);
  b.scaleX = b.scaleY = s;
  b.angle = Chance(rng, 0.7) ? 0 : Pick(rng, 1, 3) * kPi / 2;
  b.blockNumber = Pick(rng, 1, blocks);
  return b;
}

// Frame layer states, from the drawing's own.
using Groups = std::array<JWWLayerGroupState, 16>;
Groups AllShown(const Groups& head) { return head; }
Groups UpperLayersHidden(Groups g) {
  for (auto& group : g)
    for (int l = 8; l < 16; ++l) group.layers[static_cast<std::size_t>(l)].state = 0;
  return g;
}
Groups MixedGreyHidden(Groups g) {
  g[1].state = 0;  // hidden
  g[2].state = 1;  // display only: grey
  for (auto& group : g)
    for (int l = 4; l < 8; ++l) group.layers[static_cast<std::size_t>(l)].state = 1;
  return g;
}
Groups OnlyGroupZero(Groups g) {
  for (std::size_t k = 1; k < 16; ++k) g[k].state = 0;
  for (int l = 4; l < 16; ++l) g[0].layers[static_cast<std::size_t>(l)].state = 0;
  return g;
}

void AddFrame(CLayMain& sheet, const std::string& name, double x1, double y1, double x2, double y2,
              double dx, double dy, const Groups& groups) {
  CLayCount f;
  f.kind = kFrameRect;
  f.name = name;
  f.dx = dx;
  f.dy = dy;
  f.groups = groups;
  sheet.frames.push_back(f);
  sheet.circles.push_back(CLayCircle{});
  sheet.rects.push_back(CLayRect{kRectCode, x1, y1, x2, y2});
  sheet.shown.push_back(true);
  sheet.frameHigh = static_cast<std::int32_t>(sheet.frames.size()) - 1;
}

LayoutDocument MakeDocument(const JWWDrawing& d) {
  LayoutDocument doc;
  doc.head.baseFile = "/generated/bench-sheet.jww";
  doc.PaperIndex = 1;
  CLayMain& sheet = doc.Sheets[0];
  sheet.frames[0].name = d.head.memo;
  sheet.frames[0].groups = d.head.groups;
  sheet.shown[0] = true;  // base drawing ticked: the grey backdrop is on
  const Groups& g = d.head.groups;
  // Four quarters of the plan, the last one a detail placed bottom right;
  // rectangles in drawing mm, offsets in paper mm (dy positive moves down).
  AddFrame(sheet, "plan NW", -400, 20, -20, 280, 0, 0, AllShown(g));
  AddFrame(sheet, "plan NE", 20, 20, 400, 280, -10, 5, UpperLayersHidden(g));
  AddFrame(sheet, "plan SW", -400, -280, -20, -20, 15, -10, MixedGreyHidden(g));
  AddFrame(sheet, "detail", -60, -60, 60, 60, 260, 150, OnlyGroupZero(g));
  // Two auxiliary lines (entry 0 stays the placeholder).
  sheet.lines.push_back(CLayLine{kAuxLineCode, -420.5, 0, 420.5, 0});
  sheet.lines.push_back(CLayLine{kAuxLineCode, 0, -297, 0, 297});
  sheet.lineHigh = 2;
  return doc;
}

}  // namespace

SceneCounts OnlyKind(const SceneCounts& all, SceneKind kind) {
  SceneCounts c = all;
  if (kind == SceneKind::All) return c;
  if (kind != SceneKind::Lines) c.lines = 0;
  if (kind != SceneKind::Arcs) c.arcs = 0;
  if (kind != SceneKind::Texts) c.texts = 0;
  if (kind != SceneKind::Dims) c.dims = 0;
  if (kind != SceneKind::Inserts) c.inserts = 0;
  return c;
}

const char* KindName(SceneKind kind) {
  switch (kind) {
    case SceneKind::All: return "all";
    case SceneKind::Lines: return "lines";
    case SceneKind::Arcs: return "arcs";
    case SceneKind::Texts: return "texts";
    case SceneKind::Dims: return "dims";
    case SceneKind::Inserts: return "inserts";
    case SceneKind::Empty: return "empty";
  }
  return "?";
}

Scene MakeScene(const SceneCounts& c, std::uint32_t seed) {
  Scene s;
  JWWDrawing& d = s.drawing;
  d = test::MakeDrawing(700);
  d.head.paperSize = 1;
  d.head.memo = "bench sheet";
  // One generator per kind: the entities of a kind do not depend on the
  // counts of the others.
  Rng lineRng(seed + 1), arcRng(seed + 2), textRng(seed + 3), dimRng(seed + 4),
      blockRng(seed + 5), insertRng(seed + 6);
  d.JWWLines.reserve(static_cast<std::size_t>(c.lines));
  for (int i = 0; i < c.lines; ++i) d.JWWLines.push_back(RandomLine(lineRng));
  for (int i = 0; i < c.arcs; ++i) d.JWWArcs.push_back(RandomArc(arcRng, kHalfW, kHalfH, 60));
  for (int i = 0; i < c.texts; ++i) d.JWWTexts.push_back(RandomText(textRng));
  for (int i = 0; i < c.dims; ++i) d.JWWDims.push_back(RandomDimension(dimRng));
  if (c.inserts > 0) {
    for (int k = 1; k <= c.blocks; ++k) AddBlock(blockRng, d.JWWBlocks, k, c.blockMembers);
    for (int i = 0; i < c.inserts; ++i) d.JWWInserts.push_back(RandomInsert(insertRng, c.blocks));
  }
  s.document = MakeDocument(d);
  s.styles = InitialStyleTables();
  ApplyDrawingTables(s.styles, d.head);
  return s;
}

ViewState MakeSheetView(double zoom) {
  ViewState v;
  std::int32_t paperIndex = 1;
  SetPaperSize(v, 1, paperIndex);
  v.ViewScale = 0;
  FitView(v, BoxSize{1024, 768});
  v.ViewScale *= zoom;
  ResetViewWindow(v);
  v.ViewReady = true;
  return v;
}

}  // namespace sw::bench
