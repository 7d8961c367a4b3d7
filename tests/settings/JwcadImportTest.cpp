// The import of Jw_cad's settings and the program's own, and the OK path.
#include <gtest/gtest.h>

#include "settings/JwcadSettings.h"
#include "settings/RegistryFile.h"
#include "support/RegFiles.h"
#include "support/RunCommand.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using test::RegKeyText;

RegistryFile Wine(const std::vector<RegKeyText>& keys) {
  Result<RegistryFile> f = RegistryFile::Parse(test::Bytes(test::WineRegText(keys)), "test.reg");
  EXPECT_TRUE(f.ok());
  return std::move(f).value();
}

RegistryFile Example() {
  Result<RegistryFile> f = RegistryFile::Open(fs::path(SW_SOURCE_DIR) / "examples/jwcad-settings.reg");
  EXPECT_TRUE(f.ok()) << (f.ok() ? "" : f.error().message);
  EXPECT_TRUE(f->warnings().empty());
  return std::move(f).value();
}

std::vector<std::string> ErrorNames(const JwcadSettings& s) {
  std::vector<std::string> out;
  for (const SettingsError& e : s.errors) out.push_back(e.name);
  return out;
}

const char* kPen = "Software\\\\Jw_cad\\\\jw_win\\\\Pen";
const char* kLine = "Software\\\\Jw_cad\\\\jw_win\\\\Line";
const char* kMoji = "Software\\\\Jw_cad\\\\jw_win\\\\MOJI";
const char* kPoint = "Software\\\\Jw_cad\\\\jw_win\\\\Point";
const char* kColor = "Software\\\\Brackenfold\\\\Sheetwright\\\\Color";
const char* kSetting = "Software\\\\Brackenfold\\\\Sheetwright\\\\Setting";

// A complete Pen key with every colour "000000" and width "1" but for `changes`.
RegKeyText PenKey(const std::vector<std::string>& changes) {
  RegKeyText k{kPen, {}};
  for (int n = 1; n <= 9; ++n) k.lines.push_back("\"Color0" + std::to_string(n) + "\"=\"000000\"");
  for (int n = 1; n <= 9; ++n) k.lines.push_back("\"Width0" + std::to_string(n) + "\"=\"1\"");
  for (int n = 1; n <= 8; ++n) k.lines.push_back("\"PrCol0" + std::to_string(n) + "\"=\"000000\"");
  for (int n = 1; n <= 8; ++n) k.lines.push_back("\"PrWid0" + std::to_string(n) + "\"=\"1\"");
  for (const char* n : {"Color12", "PrCol12", "Color00", "ColorZl"}) k.lines.push_back("\"" + std::string(n) + "\"=\"000000\"");
  k.lines.insert(k.lines.end(), changes.begin(), changes.end());  // later lines win
  return k;
}

TEST(ImportSettings, CompleteExampleFile) {
  RegistryFile jw = Example();
  JwcadSettings s = ImportSettings(&jw, nullptr);
  EXPECT_TRUE(s.errors.empty()) << s.errors[0].name;
  EXPECT_TRUE(s.registryWarnings.empty());
  EXPECT_EQ(s.jwcadSource, jw.source());
  EXPECT_EQ(s.ownSource, "");
  const auto& d = s.dialog;
  EXPECT_EQ(d.Label15, kLabelJwRead);
  EXPECT_EQ(d.Label29, kLabelJwRead);

  // Pens: screen colour c0c000 is red 0, green 192, blue 192.
  EXPECT_EQ(s.ScreenPenColor[1], (Imported<std::uint32_t>{0xC0C000, Origin::Jwcad}));
  EXPECT_EQ(d.EdtLc[1][1], "0");
  EXPECT_EQ(d.EdtLc[1][2], "192");
  EXPECT_EQ(d.EdtLc[1][3], "192");
  EXPECT_EQ(s.ScreenPenColor[8].value, 0x0000FFu);
  EXPECT_EQ(d.EdtLc[8][1], "255");
  EXPECT_EQ(s.ScreenPenColor[9].value, 0x8080FFu);
  for (int n = 1; n <= 9; ++n) EXPECT_EQ(s.ScreenPenWidth[n], (Imported<int>{1, Origin::Jwcad}));
  EXPECT_EQ(d.EdtLc[4][4], "1");
  EXPECT_EQ(s.PrintPenWidth[8].value, 5);
  EXPECT_EQ(d.EdtLc[8][8], "5");
  EXPECT_EQ(s.PrintPenColor[5], (Imported<std::uint32_t>{0, Origin::Jwcad}));
  EXPECT_EQ(d.EdtLc[5][5], "0");
  EXPECT_FALSE(s.PrintPenColor[9].imported());  // the printer has pens 1..8
  EXPECT_EQ(d.EdtLc[9][5], "");
  EXPECT_EQ(s.GreyColor.value, 0xC0C0C0u);
  EXPECT_EQ(s.PrintGreyColor.value, 0xC0C0C0u);
  EXPECT_EQ(d.EdtLcg[1], "192");
  EXPECT_EQ(d.EdtLcg[7], "192");
  EXPECT_EQ(s.BackgroundColor.value, 0xFFFFFFu);
  EXPECT_EQ(d.EdtCbg[3], "255");
  EXPECT_EQ(s.ZoomFrameColor.value, 0xFF8000u);
  EXPECT_EQ((std::vector<std::string>{d.EdtLcz[1], d.EdtLcz[2], d.EdtLcz[3]}),
            (std::vector<std::string>{"0", "128", "255"}));

  // Points.
  EXPECT_EQ(s.PointRadius[3], (Imported<double>{0.6, Origin::Jwcad}));
  EXPECT_EQ(s.PointRadius[8].value, 1.2);
  EXPECT_EQ(d.EdtLc[8][9], "1.2");

  // Line types.
  EXPECT_EQ(s.LineTypeBits[1].value, std::string(32, '1'));
  EXPECT_EQ(s.LineTypeKind[1], LineBitsKind::Solid);
  EXPECT_EQ(s.LineTypeBits[3].value, "11110000111100001111000011110000");
  EXPECT_EQ(s.LineTypeKind[3], LineBitsKind::Dashed);
  EXPECT_EQ(d.EdtLtype[2], "--  --  --  --  --  --  --  --  ");
  EXPECT_EQ(d.EdtLtype[12], std::string(24, '~') + std::string(8, '_'));
  EXPECT_EQ(s.LineTypeBits[18].value, "11111100000011000000110000001100");
  EXPECT_EQ(d.EdtLtype.size(), 16u);  // 16..19 are not shown
  EXPECT_EQ(s.LineUnit[2].value, 1);
  EXPECT_EQ(d.EdtLUnit[2], "1");
  EXPECT_EQ(s.ScreenPitch[9].value, 4);
  EXPECT_EQ(d.EdtLPit[9], "4");
  EXPECT_EQ(s.PrintPitch[9].value, 24);
  EXPECT_EQ(d.EdtPrPit[9], "24");
  EXPECT_EQ(s.ScreenPitch[12].value, 5);
  EXPECT_EQ(s.PrintRandom[13].value, 9);
  EXPECT_EQ(d.EdtPrUnit[13], "9");
  EXPECT_EQ(s.RandomWidth[14].value, 4);
  EXPECT_EQ(d.EdtLUnit[14], "4");
  EXPECT_EQ(s.PrintPitch[15].value, 48);
  EXPECT_EQ(s.ScreenPitch[19].value, 2);
  EXPECT_FALSE(s.PrintPitch[16].imported());  // no printer pitch is read for 16..19
  EXPECT_FALSE(s.LineTypeBits[10].imported());

  // Texts: kind 9 uses pen 6 (blue), kind 10 pen 2.
  EXPECT_EQ(s.TextSizeX[10], (Imported<std::string>{"2.5", Origin::Jwcad}));
  EXPECT_EQ(d.EdtMoX[0], "2.0");
  EXPECT_EQ(d.EdtMoD[5], "0.5");
  EXPECT_EQ(s.TextPen[9].value, 6);
  EXPECT_EQ(d.EdtMoC[9], "6");
  EXPECT_EQ(s.TextColor[9], (Imported<std::uint32_t>{0xFF0000, Origin::Jwcad}));
  EXPECT_EQ(s.TextColor[10].value, s.ScreenPenColor[2].value);
  EXPECT_TRUE(s.TextColor[10].imported());
  EXPECT_FALSE(s.TextColor[0].imported());

  // No own registry: the defaults.
  EXPECT_EQ(s.LayoutColor, (Imported<std::uint32_t>{0x0000FF, Origin::Initial}));
  EXPECT_EQ(s.TransformColor.value, 0xFFFF00u);
  EXPECT_EQ((std::vector<std::string>{d.EdtLcl[1], d.EdtLcl[2], d.EdtLcl[3]}),
            (std::vector<std::string>{"255", "0", "0"}));
  EXPECT_EQ((std::vector<std::string>{d.EdtTcl[1], d.EdtTcl[2], d.EdtTcl[3]}),
            (std::vector<std::string>{"0", "255", "255"}));
  EXPECT_EQ(s.MouseWheel.value, 0);
  EXPECT_EQ(d.rgpWheel, 0);
}

TEST(ImportSettings, BadColourIsRecordedAndTheImportGoesOn) {
  RegistryFile jw = Wine({PenKey({R"("Color03"="zz")", R"("PrCol02"="")", R"("Color05"="0000ff")"}),
                          {kPoint, {R"("Point1"="0.5")", R"("Point2"="1")", R"("Point3"="1")", R"("Point4"="1")",
                                    R"("Point5"="1")", R"("Point6"="1")", R"("Point7"="1")", R"("Point8"="1")"}}});
  JwcadSettings s = ImportSettings(&jw, nullptr);
  ASSERT_EQ(ErrorNames(s), (std::vector<std::string>{"Color03", "PrCol02"}));
  EXPECT_EQ(s.errors[0], (SettingsError{"Software\\Jw_cad\\jw_win\\Pen", "Color03", "test.reg", "zz", kConversionError}));
  EXPECT_TRUE(s.conversionFailed());
  EXPECT_FALSE(s.ScreenPenColor[3].imported());
  EXPECT_EQ(s.dialog.EdtLc[3][1], "");
  EXPECT_FALSE(s.PrintPenColor[2].imported());
  // Everything after the bad values is still read.
  EXPECT_EQ(s.ScreenPenColor[5].value, 0xFFu);
  EXPECT_TRUE(s.ZoomFrameColor.imported());
  EXPECT_EQ(s.PointRadius[1].value, 0.5);
  EXPECT_EQ(s.dialog.Label15, kLabelJwRead);
}

TEST(ImportSettings, MissingPenKeyOrFirstColourChangesTheLabels) {
  RegistryFile noPen = Wine({{kLine, {R"("Type_02"="CC")"}}});
  JwcadSettings s = ImportSettings(&noPen, nullptr);
  EXPECT_EQ(s.dialog.Label15, kLabelJwMissing);
  EXPECT_EQ(s.dialog.Label29, kLabelJwMissing);
  EXPECT_FALSE(s.ScreenPenColor[1].imported());
  EXPECT_EQ(s.LineTypeBits[2].value, "11001100");

  RegistryFile badFirst = Wine({PenKey({R"("Color01"="-1")"})});
  s = ImportSettings(&badFirst, nullptr);
  EXPECT_EQ(s.dialog.Label15, kLabelJwMissing);
  EXPECT_EQ(ErrorNames(s), (std::vector<std::string>{"Color01"}));

  s = ImportSettings(nullptr, nullptr);
  EXPECT_EQ(s.dialog.Label15, kLabelJwMissing);
  EXPECT_TRUE(s.errors.empty());
}

TEST(ImportSettings, PartialKeysListWhatIsMissing) {
  RegistryFile jw = Wine({
      {kPen, {R"("Color01"="c0c000")", R"("Width01"=dword:00000002)", R"("Color02"=dword:00ff0000)"}},
      {kLine, {R"("Type_02"=dword:f0f0f0f0)", R"("Type_03"="0")", R"("Type_05"="G1")", R"("Pitch02"="3")",
               R"("Unit_02"=hex:01)"}},
      {kMoji, {R"("Color01"=dword:00000001)", R"("Color02"=dword:0000000c)", R"("SizeX01"="3")"}},
  });
  JwcadSettings s = ImportSettings(&jw, nullptr);
  // Values stored in another form than Jw_cad's are still taken.
  EXPECT_EQ(s.ScreenPenWidth[1].value, 2);
  EXPECT_EQ(s.dialog.EdtLc[1][4], "2");
  EXPECT_EQ(s.ScreenPenColor[2].value, 0xFF0000u);
  EXPECT_EQ(s.LineTypeBits[2].value, "11110000111100001111000011110000");
  EXPECT_EQ(s.ScreenPitch[2].value, 3);
  // Patterns without both bits, absent or not hexadecimal: no dash pattern.
  EXPECT_EQ(s.LineTypeKind[2], LineBitsKind::Dashed);
  EXPECT_EQ(s.LineTypeBits[3].value, "0");
  EXPECT_EQ(s.LineTypeKind[3], LineBitsKind::NoPattern);
  EXPECT_EQ(s.LineTypeBits[4].value, "");
  EXPECT_EQ(s.LineTypeKind[4], LineBitsKind::NoPattern);
  EXPECT_EQ(s.LineTypeBits[5].value, "");
  EXPECT_EQ(s.dialog.EdtLtype[5], "");
  // Texts: pen 12 has no screen colour, kind 3 no pen.
  EXPECT_EQ(s.TextColor[1].value, 0xC0C000u);
  EXPECT_FALSE(s.TextColor[2].imported());
  EXPECT_FALSE(s.TextColor[3].imported());
  EXPECT_EQ(s.dialog.EdtMoX[1], "3");
  EXPECT_EQ(s.dialog.EdtMoX[2], "");

  std::vector<std::string> names = ErrorNames(s);
  auto has = [&](const char* n) { return std::find(names.begin(), names.end(), n) != names.end(); };
  EXPECT_TRUE(has("Color03"));   // missing colour strings
  EXPECT_TRUE(has("PrWid08"));   // missing widths
  EXPECT_TRUE(has("Unit_02"));   // binary where a number belongs
  EXPECT_TRUE(has("Pitch19"));   // missing integers
  EXPECT_TRUE(has("Color10"));   // missing text pen
  EXPECT_FALSE(has("Type_04"));  // absent patterns read as empty
  EXPECT_FALSE(has("SizeX02"));  // shown-only texts read as empty
  EXPECT_FALSE(has("Point1"));   // no Point key: nothing read
  for (const SettingsError& e : s.errors) {
    if (e.name == "Unit_02") {
      EXPECT_EQ(e.text, "(binary value)");
    }
    if (e.name == "Color03") {
      EXPECT_EQ(e.text, "(missing)");
    }
  }
}

TEST(ImportSettings, OwnSettings) {
  RegistryFile jw = Example();
  struct Case {
    std::vector<RegKeyText> keys;
    std::uint32_t lay, trans;
    int wheel;
    std::vector<std::string> errors;
  } cases[] = {
      {{{kColor, {R"("Lay"="FF")", R"("Trans"="00ff00")"}}, {kSetting, {R"("MouseWheel"=dword:00000001)"}}},
       0x0000FF, 0x00FF00, 1, {}},
      {{{kColor, {R"("Lay"="nothex")"}}}, 0x0000FF, 0xFFFF00, 0, {"Lay", "Trans"}},
      {{{kSetting, {R"("MouseWheel"=dword:00000007)"}}}, 0x0000FF, 0xFFFF00, 0, {"MouseWheel"}},
      {{{kSetting, {R"("MouseWheel"="1")"}}}, 0x0000FF, 0xFFFF00, 1, {}},
      {{{"Software\\\\Other", {R"("x"="1")"}}}, 0x0000FF, 0xFFFF00, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys[0].lines[0]);
    RegistryFile own = Wine(c.keys);
    JwcadSettings s = ImportSettings(&jw, &own);
    EXPECT_EQ(s.LayoutColor.value, c.lay);
    EXPECT_EQ(s.TransformColor.value, c.trans);
    EXPECT_EQ(s.MouseWheel.value, c.wheel);
    EXPECT_EQ(s.dialog.rgpWheel, c.wheel);
    EXPECT_EQ(ErrorNames(s), c.errors);
    EXPECT_EQ(s.ownSource, "test.reg");
  }
  // "FF" is pure red, shown as 255, 0, 0.
  RegistryFile own = Wine({{kColor, {R"("Lay"="FF")"}}});
  JwcadSettings s = ImportSettings(&jw, &own);
  EXPECT_EQ((std::vector<std::string>{s.dialog.EdtLcl[1], s.dialog.EdtLcl[2], s.dialog.EdtLcl[3]}),
            (std::vector<std::string>{"255", "0", "0"}));
  EXPECT_EQ(s.LayoutColor.from, Origin::Own);
}

TEST(ImportSettings, MalformedLinesOfEitherFileAreListed) {
  Result<RegistryFile> jw = RegistryFile::Parse(
      test::Bytes("WINE REGISTRY Version 2\n[Software\\\\Jw_cad\\\\jw_win\\\\Point] 1\n\"Point1\"=\"1\n"), "jw.reg");
  ASSERT_TRUE(jw.ok());
  JwcadSettings s = ImportSettings(&jw.value(), nullptr);
  EXPECT_EQ(s.registryWarnings, (std::vector<std::string>{"jw.reg: line 3: unterminated string"}));
}

// A registry that refuses every write.
class ReadOnlyRegistry final : public Registry {
 public:
  bool keyExists(std::string_view) const override { return false; }
  std::optional<RegValue> value(std::string_view, std::string_view) const override { return std::nullopt; }
  Status setValue(std::string_view, std::string_view, const RegValue&) override { return MakeError("read-only"); }
  Status flush() override { return MakeError("read-only"); }
  std::string source() const override { return "ro"; }
};

TEST(ApplyOwnSettings, WritesColoursAndWheelThatReadBack) {
  RegistryFile jw = Example();
  sw::test::TempDir dir;
  RegistryFile own = RegistryFile::Empty((dir / "own.reg").string(), RegFormat::Wine);
  JwcadSettings s = ImportSettings(&jw, &own);
  SetLayoutColor(s, 0x123456);
  EXPECT_EQ(s.dialog.EdtLcl[1], "86");  // 0x56
  s.dialog.EdtTcl = {"", "1", "2", "3"};  // typed into the fields
  SetMouseWheel(s, 1);
  SetMouseWheel(s, 5);  // no such item
  EXPECT_EQ(s.MouseWheel.value, 1);
  ASSERT_TRUE(ApplyOwnSettings(s, own).ok());
  EXPECT_EQ(s.LayoutColor, (Imported<std::uint32_t>{0x123456, Origin::Dialog}));
  EXPECT_EQ(s.TransformColor.value, 0x030201u);
  EXPECT_EQ(own.value("Software\\Brackenfold\\Sheetwright\\Color", "Lay"), RegValue::String("123456"));
  EXPECT_EQ(own.value("Software\\Brackenfold\\Sheetwright\\Color", "Trans"), RegValue::String("030201"));
  EXPECT_EQ(own.value("Software\\Brackenfold\\Sheetwright\\Setting", "MouseWheel"), RegValue::Dword(1));

  JwcadSettings again = ImportSettings(&jw, &own);
  EXPECT_EQ(again.LayoutColor.value, 0x123456u);
  EXPECT_EQ(again.TransformColor.value, 0x030201u);
  EXPECT_EQ(again.MouseWheel.value, 1);
  EXPECT_TRUE(again.errors.empty());

  // Pure red is stored in two digits.
  SetLayoutColor(s, 0x0000FF);
  ASSERT_TRUE(ApplyOwnSettings(s, own).ok());
  EXPECT_EQ(own.value("Software\\Brackenfold\\Sheetwright\\Color", "Lay"), RegValue::String("FF"));
}

TEST(ApplyOwnSettings, BadFieldWritesNothing) {
  sw::test::TempDir dir;
  RegistryFile own = RegistryFile::Empty((dir / "own.reg").string(), RegFormat::Wine);
  JwcadSettings s = ImportSettings(nullptr, &own);
  for (const char* bad : {"", "256", "x"}) {
    SCOPED_TRACE(bad);
    s.dialog.EdtLcl[2] = bad;
    Status st = ApplyOwnSettings(s, own);
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().message, kConversionError);
    EXPECT_FALSE(own.keyExists("Software\\Brackenfold"));
    EXPECT_EQ(s.LayoutColor.from, Origin::Initial);
  }
}

TEST(ApplyOwnSettings, FailedWriteIsReported) {
  ReadOnlyRegistry ro;
  JwcadSettings s = ImportSettings(nullptr, &ro);
  s.dialog.EdtLcl = {"", "0", "255", "0"};
  Status st = ApplyOwnSettings(s, ro);
  ASSERT_FALSE(st.ok());
  EXPECT_EQ(st.error().message, "read-only");
  EXPECT_EQ(s.LayoutColor.value, 0x00FF00u);  // in effect until the program ends
}

}  // namespace
}  // namespace sw
