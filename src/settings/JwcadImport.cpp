// The import done when the settings dialog is created, step by step.
#include <string>

#include "settings/JwcadSettings.h"
#include "settings/SettingsConvert.h"

namespace sw {
namespace {

// Reads the values of one key. Every failure is listed in the settings'
// errors and leaves the target untouched.
class KeyReader {
 public:
  KeyReader(const Registry& reg, const char* key, Origin origin, JwcadSettings& s)
      : reg_(reg), key_(key), origin_(origin), s_(s) {}

  // A colour string; `fields` (red, green, blue) show it when it converts.
  void colour(const std::string& name, Imported<std::uint32_t>& out, std::string* red,
              std::string* green, std::string* blue) {
    std::optional<RegValue> v = reg_.value(key_, name);
    std::optional<std::uint32_t> c;
    if (v && v->type == RegValue::Type::String) {
      c = ColorFromString(v->text);
      if (!c) fail(name, v->text);
    } else if (v && v->type == RegValue::Type::Dword) {
      c = v->dword;  // not how Jw_cad stores colours, but unambiguous
    } else {
      fail(name, v ? "(binary value)" : "(missing)");
    }
    if (!c) return;
    out = {*c, origin_};
    std::array<std::string, 3> f = ColorFields(*c);
    if (red) *red = f[0];
    if (green) *green = f[1];
    if (blue) *blue = f[2];
  }

  // An integer, stored as a dword or as decimal text; `field` shows it.
  void integer(const std::string& name, Imported<int>& out, std::string* field) {
    std::optional<RegValue> v = reg_.value(key_, name);
    std::optional<int> n;
    std::string shown;
    if (v && v->type == RegValue::Type::Dword) {
      n = static_cast<int>(static_cast<std::int32_t>(v->dword));
      shown = std::to_string(*n);
    } else if (v && v->type == RegValue::Type::String) {
      n = ParseDecimalInt(v->text);
      shown = v->text;
      if (!n) fail(name, v->text);
    } else {
      fail(name, v ? "(binary value)" : "(missing)");
    }
    if (field && v && v->type != RegValue::Type::Binary) *field = shown;
    if (n) out = {*n, origin_};
  }

  // A real stored as decimal text (or a dword); `field` shows it.
  void real(const std::string& name, Imported<double>& out, std::string* field) {
    std::optional<RegValue> v = reg_.value(key_, name);
    std::optional<double> x;
    if (v && v->type == RegValue::Type::String) {
      x = ParseDecimalReal(v->text);
      if (field) *field = v->text;
      if (!x) fail(name, v->text);
    } else if (v && v->type == RegValue::Type::Dword) {
      x = static_cast<double>(static_cast<std::int32_t>(v->dword));
      if (field) *field = std::to_string(static_cast<std::int32_t>(v->dword));
    } else {
      fail(name, v ? "(binary value)" : "(missing)");
    }
    if (x) out = {*x, origin_};
  }

  // Text read as it stands: empty when the value is absent.
  void text(const std::string& name, Imported<std::string>& out, std::string* field) {
    std::optional<RegValue> v = reg_.value(key_, name);
    if (!v) return;
    if (v->type == RegValue::Type::Binary) {
      fail(name, "(binary value)");
      return;
    }
    out = {v->type == RegValue::Type::String ? v->text : std::to_string(v->dword), origin_};
    if (field) *field = out.value;
  }

  // A line-type pattern as hexadecimal text; an absent value reads as "".
  std::string pattern(const std::string& name) {
    std::optional<RegValue> v = reg_.value(key_, name);
    if (!v) return {};
    if (v->type == RegValue::Type::String) return v->text;
    if (v->type == RegValue::Type::Dword) {
      static const char kHex[] = "0123456789ABCDEF";
      std::string out(8, '0');
      for (std::size_t i = 0; i < 8; ++i) out[i] = kHex[(v->dword >> (4 * (7 - i))) & 0xF];
      return out;
    }
    fail(name, "(binary value)");
    return {};
  }

 private:
  void fail(const std::string& name, std::string text) {
    s_.errors.push_back({key_, name, reg_.source(), std::move(text), kConversionError});
  }

  const Registry& reg_;
  std::string key_;
  Origin origin_;
  JwcadSettings& s_;
};

std::string Num(int n) { return std::to_string(n); }
// "Color0" + n for n < 10, "Color" + n otherwise (the names Jw_cad uses).
std::string Name2(const char* prefix0, const char* prefix, int n) {
  return n < 10 ? prefix0 + Num(n) : prefix + Num(n);
}

void ReadOwnWheel(const Registry* own, JwcadSettings& s) {
  s.MouseWheel = {s.dialog.rgpWheel, Origin::Initial};
  if (!own || !own->keyExists(kOwnSettingKey)) return;
  KeyReader r(*own, kOwnSettingKey, Origin::Own, s);
  Imported<int> wheel;
  r.integer("MouseWheel", wheel, nullptr);
  if (!wheel.imported()) return;
  if (wheel.value != 0 && wheel.value != 1) {
    s.errors.push_back({kOwnSettingKey, "MouseWheel", own->source(), Num(wheel.value), kConversionError});
    return;
  }
  s.MouseWheel = wheel;
  s.dialog.rgpWheel = wheel.value;
}

void ReadPen(const Registry& reg, JwcadSettings& s) {
  if (!reg.keyExists(kJwcadPenKey)) return;
  KeyReader r(reg, kJwcadPenKey, Origin::Jwcad, s);
  auto& lc = s.dialog.EdtLc;
  for (int n = 1; n <= 9; ++n)
    r.colour("Color0" + Num(n), s.ScreenPenColor[n], &lc[n][1], &lc[n][2], &lc[n][3]);
  for (int n = 1; n <= 9; ++n) r.integer("Width0" + Num(n), s.ScreenPenWidth[n], &lc[n][4]);
  for (int n = 1; n <= 8; ++n)
    r.colour("PrCol0" + Num(n), s.PrintPenColor[n], &lc[n][5], &lc[n][6], &lc[n][7]);
  for (int n = 1; n <= 8; ++n) r.integer("PrWid0" + Num(n), s.PrintPenWidth[n], &lc[n][8]);
  auto& g = s.dialog.EdtLcg;
  r.colour("Color12", s.GreyColor, &g[1], &g[2], &g[3]);
  r.colour("PrCol12", s.PrintGreyColor, &g[5], &g[6], &g[7]);
  auto& b = s.dialog.EdtCbg;
  r.colour("Color00", s.BackgroundColor, &b[1], &b[2], &b[3]);
  auto& z = s.dialog.EdtLcz;
  r.colour("ColorZl", s.ZoomFrameColor, &z[1], &z[2], &z[3]);
}

void ReadPoint(const Registry& reg, JwcadSettings& s) {
  if (!reg.keyExists(kJwcadPointKey)) return;
  KeyReader r(reg, kJwcadPointKey, Origin::Jwcad, s);
  for (int n = 1; n <= 8; ++n) r.real("Point" + Num(n), s.PointRadius[n], &s.dialog.EdtLc[n][9]);
}

void ReadOwnColours(const Registry* own, JwcadSettings& s) {
  if (own && own->keyExists(kOwnColorKey)) {
    KeyReader r(*own, kOwnColorKey, Origin::Own, s);
    r.colour("Lay", s.LayoutColor, nullptr, nullptr, nullptr);
    r.colour("Trans", s.TransformColor, nullptr, nullptr, nullptr);
  }
  // Shown whether read or default (0000FF and FFFF00).
  std::array<std::string, 3> f = ColorFields(s.LayoutColor.value);
  for (int i = 0; i < 3; ++i) s.dialog.EdtLcl[static_cast<std::size_t>(i) + 1] = f[static_cast<std::size_t>(i)];
  f = ColorFields(s.TransformColor.value);
  for (int i = 0; i < 3; ++i) s.dialog.EdtTcl[static_cast<std::size_t>(i) + 1] = f[static_cast<std::size_t>(i)];
}

void SetPattern(JwcadSettings& s, int t, const std::string& pattern, PatternStyle style,
                bool shown) {
  s.LineTypeBits[t] = {PatternToBits(pattern), Origin::Jwcad};
  s.LineTypeKind[t] = ClassifyLineBits(s.LineTypeBits[t].value);
  if (shown) s.dialog.EdtLtype[t] = PatternToText(pattern, style);
}

void ReadLine(const Registry& reg, JwcadSettings& s) {
  if (!reg.keyExists(kJwcadLineKey)) return;
  KeyReader r(reg, kJwcadLineKey, Origin::Jwcad, s);
  auto& d = s.dialog;
  for (int t = 1; t <= 9; ++t) {
    SetPattern(s, t, r.pattern("Type_0" + Num(t)), PatternStyle::Dash, true);
    r.integer("Unit_0" + Num(t), s.LineUnit[t], &d.EdtLUnit[t]);
    r.integer("Pitch0" + Num(t), s.ScreenPitch[t], &d.EdtLPit[t]);
    r.integer("PrPit0" + Num(t), s.PrintPitch[t], &d.EdtPrPit[t]);
  }
  for (int t = 11; t <= 15; ++t) {
    SetPattern(s, t, r.pattern("Type_" + Num(t)), PatternStyle::Random, true);
    r.integer("Pitch" + Num(t), s.ScreenPitch[t], &d.EdtLPit[t]);
    r.integer("PrRnd" + Num(t), s.PrintRandom[t], &d.EdtPrUnit[t]);
    r.integer("RandW" + Num(t), s.RandomWidth[t], &d.EdtLUnit[t]);
    r.integer("PrPit" + Num(t), s.PrintPitch[t], &d.EdtPrPit[t]);
  }
  for (int t = 16; t <= 19; ++t) {
    SetPattern(s, t, r.pattern("Type_" + Num(t)), PatternStyle::Dash, false);
    r.integer("Pitch" + Num(t), s.ScreenPitch[t], nullptr);
  }
}

void ReadMoji(const Registry& reg, JwcadSettings& s) {
  if (!reg.keyExists(kJwcadMojiKey)) return;
  KeyReader r(reg, kJwcadMojiKey, Origin::Jwcad, s);
  auto& d = s.dialog;
  for (int k = 0; k <= 10; ++k) {
    r.text(Name2("SizeX0", "SizeX", k), s.TextSizeX[k], &d.EdtMoX[k]);
    r.text(Name2("SizeY0", "SizeY", k), s.TextSizeY[k], &d.EdtMoY[k]);
    r.text(Name2("SizeD0", "SizeD", k), s.TextSizeD[k], &d.EdtMoD[k]);
    r.integer(Name2("Color0", "Color", k), s.TextPen[k], &d.EdtMoC[k]);
  }
}

// Text kinds 1..10 take the screen colour of their pen. A pen number outside
// 1..9 has no screen colour: the kind keeps its initial colour.
void DeriveTextColours(JwcadSettings& s) {
  for (int k = 1; k <= 10; ++k) {
    if (!s.TextPen[k].imported()) continue;
    int pen = s.TextPen[k].value;
    if (pen < 1 || pen > 9 || !s.ScreenPenColor[pen].imported()) continue;
    s.TextColor[k] = s.ScreenPenColor[pen];
  }
}

}  // namespace

LineBitsKind ClassifyLineBits(const std::string& bits) {
  bool one = bits.find('1') != std::string::npos;
  bool zero = bits.find('0') != std::string::npos;
  if (one && zero) return LineBitsKind::Dashed;
  if (one) return LineBitsKind::Solid;
  return LineBitsKind::NoPattern;
}

JwcadSettings ImportSettings(const Registry* jwcad, const Registry* own) {
  JwcadSettings s;
  s.LineTypeKind.fill(LineBitsKind::NoPattern);
  for (const Registry* reg : {jwcad, own}) {
    if (!reg) continue;
    for (const Error& w : reg->warnings()) s.registryWarnings.push_back(reg->source() + ": " + w.message);
    if (const std::uint64_t more = reg->warningsNotKept(); more > 0)
      s.registryWarnings.push_back(reg->source() + ": " + std::to_string(more) + " more lines passed over");
  }
  if (jwcad) s.jwcadSource = jwcad->source();
  if (own) s.ownSource = own->source();

  ReadOwnWheel(own, s);
  if (jwcad) ReadPen(*jwcad, s);
  if (jwcad) ReadPoint(*jwcad, s);
  ReadOwnColours(own, s);
  if (s.dialog.EdtLc[1][1].empty()) s.dialog.Label15 = s.dialog.Label29 = kLabelJwMissing;
  if (jwcad) ReadLine(*jwcad, s);
  if (jwcad) ReadMoji(*jwcad, s);
  DeriveTextColours(s);
  // Dash patterns are built from LineTypeBits, ScreenPitch and PrintPitch by
  // the style tables (only for LineBitsKind::Dashed).
  return s;
}

}  // namespace sw
