// Pens, colours and line types: the style tables the drawing code reads,
// how an entity's pen attributes become a drawing pen, and dash patterns.
// Colours are 0x00BBGGRR; pattern lengths are in units of the pen width.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "jww/Head.h"
#include "jww/Records.h"

namespace sw {

class Registry;
struct JwcadSettings;

using DashPattern = std::vector<double>;  // ink, gap, ink, gap, …

struct StyleTables {
  // Pens 1..9 (index 0 unused).
  std::array<std::uint32_t, 10> ScreenPenColor{};
  std::array<int, 10> ScreenPenWidth{};
  std::array<std::uint32_t, 10> PrintPenColor{};
  std::array<int, 10> PrintPenWidth{};
  std::array<double, 10> PointRadius{};  // pens 1..8
  std::array<std::uint32_t, 257> SxfColor{};  // pen colour c > 100 uses entry c - 100
  std::uint32_t GreyColor = 0;       // screen grey
  std::uint32_t PrintGreyColor = 0;  // printed grey ("PrCol12"), used in its place when printing
  std::uint32_t BackgroundColor = 0;
  std::uint32_t ZoomFrameColor = 0;
  std::uint32_t LayoutColor = 0;
  std::uint32_t TransformColor = 0;
  int MouseWheel = 0;
  // Line types 1..19: bit strings ('1' ink, '0' gap) and the length of one
  // bit in pixels, on screen and on the printer.
  std::array<std::string, 20> LineTypeBits{};
  std::array<double, 20> ScreenUnit{};
  std::array<double, 20> PrintUnit{};
  // Random lines 11..15: half height in pixels.
  std::array<double, 20> ScreenAmplitude{};
  std::array<double, 20> PrintAmplitude{};
  // Line types 1..64; an empty pattern draws solid.
  std::array<DashPattern, 65> ScreenPattern{};
  std::array<DashPattern, 65> PrintPattern{};
  // Text kinds 1..10: the colour of the kind's pen.
  std::array<std::uint32_t, 11> TextKindColor{};
  bool operator==(const StyleTables&) const = default;
};

// The tables before any import (see Styles.cpp for the values chosen).
StyleTables InitialStyleTables();

// Builds ScreenPattern[t] (or PrintPattern[t] when `printer`) from a bit
// string and the unit. A string without both a '1' and a '0' gives no
// pattern (the line type is drawn solid).
void BuildPattern(StyleTables& st, int t, const std::string& bits, double unit, bool printer);

// The Jw_cad and own settings imported by the settings module, over the
// initial values: entries that were not imported keep them.
void ApplyImportedSettings(StyleTables& st, const JwcadSettings& s);

// `st` made afresh from InitialStyleTables() and the settings imported from
// `jwcad` and `own` (either may be null: nothing is read from it); returns
// what was imported, with its sources, origins and errors. The drawing's own
// tables are a separate step (ApplyDrawingTables).
JwcadSettings ImportStyleTables(StyleTables& st, const Registry* jwcad, const Registry* own);

// The drawing's own tables: SXF colours (a colour equal to the background
// becomes its complement) and SXF line types 30..62.
void ApplyDrawingTables(StyleTables& st, const JWWHead& head);

// What is being drawn: the frame's layer state and the output.
struct PenContext {
  const StyleTables* styles = nullptr;
  const std::array<JWWLayerGroupState, 16>* groups = nullptr;  // the frame's layer state
  int currentFrame = 0;   // 0 = the base drawing
  bool backdrop = false;  // the grey backdrop pass
  bool printing = false;
};

// A drawing pen as the entity code selects it.
struct EntityPen {
  std::uint32_t color = 0;
  int width = 1;
  bool solid = true;
  bool operator==(const EntityPen&) const = default;
};

// Selects the pen for an entity into `pen` (which keeps its colour for pen
// colours 0 and 10..100, and its style for line types other than 1 and 31..62).
// Display-only layers and the backdrop take the grey, the printer's when
// printing.
void SelectEntityPen(const PenContext& ctx, const JWWEntityHead& head, EntityPen& pen);
// True for the base drawing; otherwise when the entity's group and layer are
// both shown in the frame being drawn.
bool IsEntityVisible(const PenContext& ctx, const JWWEntityHead& head);
// True when the entity's group or layer is display-only (state 1) in the frame.
bool IsGreyLayer(const PenContext& ctx, const JWWEntityHead& head);
// The colour of text colour number n (12 and the backdrop: the grey, the
// printer's when printing).
std::uint32_t TextColor(const PenContext& ctx, int n);

}  // namespace sw
