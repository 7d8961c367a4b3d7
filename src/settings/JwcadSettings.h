// Jw_cad's settings and the program's own settings, as imported from the
// registry when the settings dialog is created, and the OK path that stores
// the program's own settings.
//
// The model holds two views of the same import:
//  - typed values (colours, widths, pitches, bit strings…) that the style
//    tables are built from, each with the registry it came from;
//  - the texts of the settings dialog's fields, by their component names.
//
// Numbered tables are indexed by the pen, line-type or text-kind number
// itself; entries that are never read stay at their initial value with
// `from == Origin::Initial` (value 0 or empty, except the own colours, which
// start at their defaults); a style-table builder keeps its own initial value
// for an entry that is not imported. Colours are 0x00BBGGRR. Dialog texts
// made here are ASCII, the labels UTF-8; texts shown as read from the
// registry (widths, radii, pitches and text sizes stored as strings) are CP932.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Result.h"
#include "settings/Registry.h"

namespace sw {

// Keys read and written (relative to HKEY_CURRENT_USER).
inline constexpr const char* kJwcadRootKey = "Software\\Jw_cad";
inline constexpr const char* kJwcadPenKey = "Software\\Jw_cad\\jw_win\\Pen";
inline constexpr const char* kJwcadPointKey = "Software\\Jw_cad\\jw_win\\Point";
inline constexpr const char* kJwcadLineKey = "Software\\Jw_cad\\jw_win\\Line";
inline constexpr const char* kJwcadMojiKey = "Software\\Jw_cad\\jw_win\\MOJI";
inline constexpr const char* kOwnSettingKey = "Software\\Brackenfold\\Sheetwright\\Setting";
inline constexpr const char* kOwnColorKey = "Software\\Brackenfold\\Sheetwright\\Color";

// The failed number conversion, shown to the user as it stands (UTF-8).
inline constexpr const char* kConversionError = "変換できません";
// Label15 / Label29 before and after a failed import (UTF-8).
inline constexpr const char* kLabelJwRead = "JWの設定を読み込み";
inline constexpr const char* kLabelJwMissing = "JW設定が見つかりません。";

// Where a value came from.
enum class Origin : std::uint8_t {
  Initial,  // never read: the initial value
  Jwcad,    // Jw_cad's registry (JwcadSettings::jwcadSource)
  Own,      // the program's own registry (JwcadSettings::ownSource)
  Dialog,   // set in the dialog (colour button, radio group, OK)
};

template <class T>
struct Imported {
  T value{};
  Origin from = Origin::Initial;
  bool imported() const { return from != Origin::Initial; }
  bool operator==(const Imported&) const = default;
};

// What a line type's bit string means for drawing. A string with both bits
// gives a dash pattern; the others must not be turned into one (the rotation
// would never end) and are drawn solid.
enum class LineBitsKind : std::uint8_t {
  Dashed,     // holds at least one '1' and one '0'
  Solid,      // only '1's: a solid line
  NoPattern,  // empty (absent or unconvertible value) or only '0's: drawn solid
};
LineBitsKind ClassifyLineBits(const std::string& bits);

// A value that could not be converted during the import. The import goes on
// and the entry keeps its initial value; the user is shown kConversionError
// once, however many entries there are.
struct SettingsError {
  std::string key;      // registry key, e.g. "Software\\Jw_cad\\jw_win\\Pen"
  std::string name;     // value name, e.g. "Color03"
  std::string source;   // Registry::source() of the registry read
  std::string text;     // the offending text (CP932), or a note on its type
  std::string message;  // kConversionError
  bool operator==(const SettingsError&) const = default;
};

// The settings dialog's fields (TPagesDlg), as texts. Arrays are indexed by
// the number in the component's name: EdtLc[pen][column] is "EdtLc<pen><column>".
struct SettingsDialogFields {
  // Page "色･画面". EdtLc<pen 1..9><column 1..9>: 1..3 screen red, green,
  // blue; 4 screen width; 5..7 printer red, green, blue; 8 printer width;
  // 9 point radius. Pen 9 has no printer columns nor point radius.
  std::array<std::array<std::string, 10>, 10> EdtLc{};
  std::array<std::string, 8> EdtLcg{};  // 1..3 screen grey, 5..7 printer grey
  std::array<std::string, 4> EdtCbg{};  // 1..3 background
  std::array<std::string, 4> EdtLcz{};  // 1..3 zoom frame
  std::array<std::string, 4> EdtLcl{{"", "255", "0", "0"}};  // 1..3 layout colour
  std::array<std::string, 4> EdtTcl{{"", "0", "255", "255"}};  // 1..3 transform colour
  std::string Label15 = kLabelJwRead;
  std::string Label29 = kLabelJwRead;

  // Page "線種", indexed by line type 1..9 and 11..15. For 1..9: EdtLUnit =
  // "Unit_0n", EdtLPit = "Pitch0n", EdtPrPit = "PrPit0n", EdtPrUnit unused.
  // For the random lines 11..15: EdtLUnit = "RandW", EdtLPit = "Pitch",
  // EdtPrUnit = "PrRnd", EdtPrPit = "PrPit".
  std::array<std::string, 16> EdtLtype{};  // pattern as "-"/" " or "~"/"_"
  std::array<std::string, 16> EdtLUnit{};
  std::array<std::string, 16> EdtLPit{};
  std::array<std::string, 16> EdtPrPit{};
  std::array<std::string, 16> EdtPrUnit{};

  // Text kinds 0..10: sizes (CP932 as stored) and pen numbers.
  std::array<std::string, 11> EdtMoX{};
  std::array<std::string, 11> EdtMoY{};
  std::array<std::string, 11> EdtMoD{};
  std::array<std::string, 11> EdtMoC{};

  // Page "一般": 0 = "＋", 1 = "－".
  int rgpWheel = 0;

  bool operator==(const SettingsDialogFields&) const = default;
};

struct JwcadSettings {
  std::string jwcadSource;  // Registry::source() of Jw_cad's registry, or empty
  std::string ownSource;    // Registry::source() of the program's registry, or empty

  // Key "Pen".
  std::array<Imported<std::uint32_t>, 10> ScreenPenColor{};  // pens 1..9 ("Color0n")
  std::array<Imported<int>, 10> ScreenPenWidth{};            // pens 1..9 ("Width0n")
  std::array<Imported<std::uint32_t>, 10> PrintPenColor{};   // pens 1..8 ("PrCol0n")
  std::array<Imported<int>, 10> PrintPenWidth{};             // pens 1..8 ("PrWid0n")
  Imported<std::uint32_t> GreyColor{};                       // "Color12"
  Imported<std::uint32_t> PrintGreyColor{};                  // "PrCol12"
  Imported<std::uint32_t> BackgroundColor{};                 // "Color00"
  Imported<std::uint32_t> ZoomFrameColor{};                  // "ColorZl"

  // Key "Point": point radius of pens 1..8 ("Pointn").
  std::array<Imported<double>, 9> PointRadius{};

  // Key "Line", indexed by line type 1..9 and 11..19 (0 and 10 unused).
  std::array<Imported<std::string>, 20> LineTypeBits{};  // "Type_0n"/"Type_n" as '1'/'0'
  std::array<LineBitsKind, 20> LineTypeKind{};            // from LineTypeBits
  std::array<Imported<int>, 20> LineUnit{};         // "Unit_0n", 1..9, shown only
  std::array<Imported<int>, 20> ScreenPitch{};      // "Pitch0n"/"Pitchn", 1..9, 11..19
  std::array<Imported<int>, 20> PrintPitch{};       // "PrPit0n"/"PrPitn", 1..9, 11..15
  std::array<Imported<int>, 20> RandomWidth{};      // "RandWn", 11..15
  std::array<Imported<int>, 20> PrintRandom{};      // "PrRndn", 11..15

  // Key "MOJI", text kinds 0..10.
  std::array<Imported<std::string>, 11> TextSizeX{};  // "SizeX0n", "SizeX10" (CP932)
  std::array<Imported<std::string>, 11> TextSizeY{};
  std::array<Imported<std::string>, 11> TextSizeD{};
  std::array<Imported<int>, 11> TextPen{};            // "Color0n", "Color10"
  // Text kinds 1..10: the screen colour of the kind's pen (pens 1..9 only).
  std::array<Imported<std::uint32_t>, 11> TextColor{};

  // The program's own settings.
  Imported<int> MouseWheel{};                                 // "Setting"/"MouseWheel"
  Imported<std::uint32_t> LayoutColor{0x0000FF, Origin::Initial};       // "Color"/"Lay"
  Imported<std::uint32_t> TransformColor{0xFFFF00, Origin::Initial};    // "Color"/"Trans"

  SettingsDialogFields dialog;
  std::vector<SettingsError> errors;  // conversions that failed, in import order
  // Lines of the registry files that were passed over, as "FILE: line N: …".
  std::vector<std::string> registryWarnings;

  // True when the user must be told kConversionError (once).
  bool conversionFailed() const { return !errors.empty(); }
};

// The import done when the settings dialog is created. Either registry may be
// null (not available). Never fails: what cannot be read keeps its initial
// value and what cannot be converted is listed in `errors`.
JwcadSettings ImportSettings(const Registry* jwcad, const Registry* own);

// The colour buttons: the layout (transform) colour takes `colour` and its
// three fields show it.
void SetLayoutColor(JwcadSettings& s, std::uint32_t colour);
void SetTransformColor(JwcadSettings& s, std::uint32_t colour);
// The radio group: item 0 or 1 becomes the wheel setting.
void SetMouseWheel(JwcadSettings& s, int item);

// OK: rebuilds the layout and transform colours from their fields, writes
// "Lay", "Trans" and "MouseWheel" under the own keys and flushes `own`.
// A field that is not a number 0..255 fails with the message kConversionError
// and then nothing changes and nothing is written. A failed write leaves the
// new colours and wheel setting in effect and returns the registry's error.
Status ApplyOwnSettings(JwcadSettings& s, Registry& own);

}  // namespace sw
