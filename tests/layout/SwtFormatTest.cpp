// The layout file image: an exact byte image, string forms, and every
// reason a file is refused.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "layout/SwtFormat.h"
#include "layout/LayoutTestSupport.h"

namespace sw {
namespace {

// Builds file images by hand, field by field, independent of the writer.
struct Img {
  std::vector<std::uint8_t> b;
  Img& raw(std::string_view s) {
    b.insert(b.end(), s.begin(), s.end());
    return *this;
  }
  Img& u8(unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    return *this;
  }
  Img& u16(unsigned v) { return u8(v & 0xFF).u8(v >> 8); }
  Img& i32(std::int64_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return u8(u & 0xFF).u8((u >> 8) & 0xFF).u8((u >> 16) & 0xFF).u8(u >> 24);
  }
  Img& f64(double v) {
    std::uint64_t u;
    std::memcpy(&u, &v, 8);
    for (int i = 0; i < 8; ++i) u8(static_cast<unsigned>((u >> (8 * i)) & 0xFF));
    return *this;
  }
  Img& str(std::string_view s) {
    if (s.size() < 255)
      u8(static_cast<unsigned>(s.size()));
    else
      u8(0xFF).u16(static_cast<unsigned>(s.size()));
    return raw(s);
  }
  // A frame whose 16 groups are zero except group 0's state and scale.
  Img& frame(std::int32_t kind, std::string_view name, double dx = 0, double dy = 0) {
    i32(kind).str(name).f64(dx).f64(dy).i32(0);
    for (int g = 0; g < 16; ++g) {
      i32(g == 0 ? 3 : 0).i32(0).f64(g == 0 ? 100 : 0).i32(0);
      for (int l = 0; l < 16; ++l) i32(0).i32(0);
    }
    return *this;
  }
  std::size_t size() const { return b.size(); }
};

// The parts of a one-sheet file, so that cases can replace any of them.
struct Parts {
  std::string signature = "SwtData.";
  std::string base = "";
  std::int64_t paper = 1, sheetHigh = 0;
  std::vector<std::string> names{"layout1"};
  std::int64_t current = 0, frameHigh = 1, selected = 1;
  std::string frameName = "F";
  std::string circleTag = "SWTEnko.", rectTag = "SWTShikaku", lineTag = "SWTSen";
  bool circleData = true, rectData = true, lineData = true;
  std::int64_t lineHigh = 1;
  std::int64_t secondShown = 7;  // not 1: not shown, and written back as 0
  std::int64_t terminator = 0;
  bool withTerminator = true;

  Img image() const {
    Img m;
    m.raw(signature).str(base).i32(paper).i32(sheetHigh);
    for (const auto& n : names) m.str(n);
    m.i32(current).i32(frameHigh).i32(selected);
    m.frame(0, "memo").frame(1, frameName, 2.5, -1.5);
    m.raw(circleTag);
    if (circleData) m.i32(0).f64(0).f64(0).f64(0).i32(0).f64(0).f64(0).f64(0);
    m.raw(rectTag);
    if (rectData) m.i32(0).f64(0).f64(0).f64(0).f64(0).i32(1200).f64(-10).f64(-5).f64(30).f64(20);
    m.raw(lineTag);
    if (lineData) m.i32(lineHigh).i32(0).f64(0).f64(0).f64(0).f64(0).i32(1230).f64(-1).f64(2).f64(3).f64(4);
    m.i32(1).i32(secondShown);
    if (withTerminator) m.u16(static_cast<unsigned>(terminator));
    return m;
  }
};

// Offsets in the image of a default Parts.
constexpr std::size_t kPaperAt = 9, kSheetHighAt = 13, kNameAt = 17, kCurrentAt = 25, kFrameHighAt = 29,
                      kSelectedAt = 33,
                      kFrame1At = 37 + 2397 + 4;  // name of frame 1 (after frame 0 with "memo")
constexpr std::size_t kLineHighAt = kFrame1At + 1 + 1 + 16 + 4 + 2368 + 8 + 56 + 10 + 72 + 6;
constexpr std::size_t kTerminatorAt = kLineHighAt + 4 + 72 + 8;

LayoutDocument ExpectedOfDefaultParts() {
  LayoutDocument d;
  d.PaperIndex = 1;
  CLayMain& sh = d.Sheets[0];
  sh.frameHigh = 1;
  sh.selectedFrame = 1;
  sh.frames.resize(2);
  sh.frames[0].name = "memo";
  sh.frames[1] = {1, "F", 2.5, -1.5, 0, {}};
  for (auto& f : sh.frames) {
    f.groups[0].state = 3;
    f.groups[0].scale = 100;
  }
  sh.circles.resize(2);
  sh.rects = {CLayRect{}, CLayRect{1200, -10, -5, 30, 20}};
  sh.lineHigh = 1;
  sh.lines = {CLayLine{}, CLayLine{1230, -1, 2, 3, 4}};
  sh.shown = {true, false};
  return d;
}

TEST(SwtImage, HandBuiltFileDecodesAndEncodesByteForByte) {
  const Img img = Parts{}.image();
  ASSERT_EQ(img.size(), kTerminatorAt + 2);
  const Result<LayoutDocument> d = DecodeSwt(img.b);
  ASSERT_TRUE(d.ok()) << Describe(d.error());
  LayoutDocument expected = ExpectedOfDefaultParts();
  EXPECT_EQ(d.value(), expected);
  SW_EXPECT_CONSISTENT(d.value());
  // Shown flags go out as 1 and 0, so the 7 becomes 0.
  Img canonical = img;
  canonical.b[kTerminatorAt - 4] = 0;
  const auto encoded = EncodeSwt(expected, "");
  ASSERT_TRUE(encoded.ok());
  EXPECT_EQ(encoded.value(), canonical.b);
}

TEST(SwtImage, StringFormsAtTheLengthBoundaries) {
  const struct {
    std::size_t length;
    std::vector<std::uint8_t> prefix;
  } cases[] = {
      {0, {0x00}},          {1, {0x01}},          {254, {0xFE}},
      {255, {0xFF, 0xFF, 0x00}}, {300, {0xFF, 0x2C, 0x01}}, {65535, {0xFF, 0xFF, 0xFF}},
  };
  for (const auto& c : cases) {
    const std::string path(c.length, 'p');
    const auto image = EncodeSwt(LayoutDocument{}, path);
    ASSERT_TRUE(image.ok()) << c.length;
    const std::vector<std::uint8_t> prefix(image.value().begin() + 8,
                                           image.value().begin() + 8 + static_cast<std::ptrdiff_t>(c.prefix.size()));
    EXPECT_EQ(prefix, c.prefix) << c.length;
    EXPECT_EQ(image.value().size(), EncodeSwt(LayoutDocument{}, "").value().size() + c.prefix.size() - 1 + c.length);
    const auto back = DecodeSwt(image.value());
    ASSERT_TRUE(back.ok()) << c.length;
    EXPECT_EQ(back.value().head.baseFile, path) << c.length;
  }
  // A short length may also be written in the long form.
  Parts p;
  Img m;
  m.raw("SwtData.").u8(0xFF).u16(3).raw("abc");
  Img rest = p.image();
  m.b.insert(m.b.end(), rest.b.begin() + 9, rest.b.end());
  const auto back = DecodeSwt(m.b);
  ASSERT_TRUE(back.ok()) << Describe(back.error());
  EXPECT_EQ(back.value().head.baseFile, "abc");
}

TEST(SwtImage, SaveRefusesStringsLongerThanAWord) {
  const std::string tooLong(65536, 'n');
  const struct {
    const char* what;
    std::function<void(LayoutDocument&, std::string&)> set;
    const char* mentions;
  } cases[] = {
      {"base path", [&](LayoutDocument&, std::string& base) { base = tooLong; }, "base path"},
      {"sheet name", [&](LayoutDocument& d, std::string&) { d.head.sheetNames[0] = tooLong; }, "sheet 0"},
      {"frame name", [&](LayoutDocument& d, std::string&) { d.Sheets[0].frames[1].name = tooLong; }, "frame 1"},
      {"memo", [&](LayoutDocument& d, std::string&) { d.Sheets[0].frames[0].name = tooLong; }, "frame 0"},
  };
  for (const auto& c : cases) {
    LayoutDocument d;
    ASSERT_TRUE(addFrame(d, kFrameRect, "f", {0, 0}, {1, 1}).ok());
    std::string base = "b.jww";
    c.set(d, base);
    const auto image = EncodeSwt(d, base);
    ASSERT_FALSE(image.ok()) << c.what;
    EXPECT_NE(image.error().message.find(c.mentions), std::string::npos) << image.error().message;
    EXPECT_NE(image.error().message.find("65536"), std::string::npos) << image.error().message;
  }
}

TEST(SwtImage, SaveRefusesAnInconsistentDocument) {
  LayoutDocument d;
  d.Sheets[0].shown.clear();
  const auto image = EncodeSwt(d, "");
  ASSERT_FALSE(image.ok());
  EXPECT_NE(image.error().message.find("shown"), std::string::npos) << image.error().message;
}

TEST(SwtImage, EveryRejectionNamesItsReasonAndOffset) {
  const struct {
    const char* what;
    std::function<void(Parts&)> change;
    std::int64_t offset;
    const char* mentions;
  } cases[] = {
      {"wrong signature", [](Parts& p) { p.signature = "SwtDatX."; }, 0, "signature"},
      {"JWW file", [](Parts& p) { p.signature = "JwwData."; }, 0, "signature"},
      {"negative sheet high", [](Parts& p) { p.sheetHigh = -1; }, kSheetHighAt, "below 0"},
      {"sheet high too big", [](Parts& p) { p.sheetHigh = 1000; }, kSheetHighAt, "claims 1001"},
      {"sheet high huge", [](Parts& p) { p.sheetHigh = 0x7FFFFFFF; }, kSheetHighAt, "claims"},
      {"current sheet 1 of 1", [](Parts& p) { p.current = 1; }, kCurrentAt, "currentSheet 1"},
      {"current sheet -1", [](Parts& p) { p.current = -1; }, kCurrentAt, "currentSheet -1"},
      {"negative frame high", [](Parts& p) { p.frameHigh = -1; }, kFrameHighAt, "below 0"},
      {"frame high too big", [](Parts& p) { p.frameHigh = 3; }, kFrameHighAt, "claims 4"},
      {"frame high huge", [](Parts& p) { p.frameHigh = 0x7FFFFFFF; }, kFrameHighAt, "claims"},
      {"selected frame 2 of 2", [](Parts& p) { p.selected = 2; }, kSelectedAt, "selectedFrame 2"},
      {"selected frame -1", [](Parts& p) { p.selected = -1; }, kSelectedAt, "selectedFrame -1"},
      {"negative line high", [](Parts& p) { p.lineHigh = -1; }, kLineHighAt, "below 0"},
      {"line high too big", [](Parts& p) { p.lineHigh = 2; }, kLineHighAt, "claims 3"},
      {"line high huge", [](Parts& p) { p.lineHigh = 0x7FFFFFFF; }, kLineHighAt, "claims"},
      {"terminator 1", [](Parts& p) { p.terminator = 1; }, kTerminatorAt, "terminator is 1"},
      {"terminator 0x100", [](Parts& p) { p.terminator = 0x100; }, kTerminatorAt, "terminator is 256"},
      // The last high's room check counts the terminator's two bytes.
      {"no terminator", [](Parts& p) { p.withTerminator = false; }, kLineHighAt, "claims 2"},
  };
  for (const auto& c : cases) {
    Parts p;
    c.change(p);
    const auto d = DecodeSwt(p.image().b);
    ASSERT_FALSE(d.ok()) << c.what;
    EXPECT_EQ(d.error().offset, c.offset) << c.what << ": " << Describe(d.error());
    EXPECT_NE(d.error().message.find(c.mentions), std::string::npos) << c.what << ": " << d.error().message;
  }
}

TEST(SwtImage, RejectsStringsRunningPastTheEnd) {
  const struct {
    const char* what;
    Img image;
  } cases[] = {
      {"short form", Img{}.raw("SwtData.").u8(200).raw("abc")},
      {"long form", Img{}.raw("SwtData.").u8(0xFF).u16(60000).raw("abc")},
      {"long form without its WORD", Img{}.raw("SwtData.").u8(0xFF).u8(1)},
  };
  for (const auto& c : cases) {
    const auto d = DecodeSwt(c.image.b);
    ASSERT_FALSE(d.ok()) << c.what;
    EXPECT_EQ(d.error().offset, 8) << c.what << ": " << Describe(d.error());
    EXPECT_NE(d.error().message.find("base path"), std::string::npos) << d.error().message;
  }
  for (const std::string_view start : {"", "SwtData"}) {
    const auto d = DecodeSwt(Img{}.raw(start).b);
    ASSERT_FALSE(d.ok());
    EXPECT_EQ(d.error().offset, 0);
    EXPECT_NE(d.error().message.find("signature"), std::string::npos) << d.error().message;
  }
}

// What the format holds, the program takes: names of any kind load as they
// are and save back byte for byte.
TEST(SwtImage, EmptyAndRepeatedNamesLoadAndSaveAsStored) {
  // Images the writer gives back byte for byte: shown flags 1 and 0.
  Parts sheets, plain, emptySheet, emptyFrame;
  for (Parts* p : {&sheets, &plain, &emptySheet, &emptyFrame}) p->secondShown = 0;
  sheets.sheetHigh = 1;
  sheets.names = {"a", "a"};
  Img twoSheets = sheets.image();
  // A copy of the sheet record, so that the count fits.
  const Img one = plain.image();
  twoSheets.b.resize(twoSheets.size() - 2);
  twoSheets.b.insert(twoSheets.b.end(), one.b.begin() + kFrameHighAt, one.b.end());

  Img frames;  // frames 1 and 2 both "F", shapes and the line all zero
  frames.raw("SwtData.").str("").i32(1).i32(0).str("s").i32(0).i32(2).i32(0);
  frames.frame(0, "m").frame(1, "F").frame(2, "F");
  frames.raw("SWTEnko.");
  for (int k = 0; k < 3; ++k) frames.i32(0).f64(0).f64(0).f64(0);
  frames.raw("SWTShikaku");
  for (int k = 0; k < 3; ++k) frames.i32(0).f64(0).f64(0).f64(0).f64(0);
  frames.raw("SWTSen").i32(0).i32(0).f64(0).f64(0).f64(0).f64(0);
  frames.i32(1).i32(1).i32(1).u16(0);

  emptySheet.names = {""};
  emptyFrame.frameName = "";
  const struct {
    const char* what;
    Img image;
  } cases[] = {
      {"repeated sheet names", twoSheets},
      {"repeated frame names", frames},
      {"empty sheet name", emptySheet.image()},
      {"empty frame name", emptyFrame.image()},
  };
  for (const auto& c : cases) {
    const auto d = DecodeSwt(c.image.b);
    ASSERT_TRUE(d.ok()) << c.what << ": " << Describe(d.error());
    const auto again = EncodeSwt(d.value(), "");
    ASSERT_TRUE(again.ok()) << c.what << ": " << again.error().message;
    EXPECT_EQ(again.value(), c.image.b) << c.what;
  }
}

// A paper the program has no sheet for opens on A1, and the load says which
// it was; the document then saves A1.
TEST(SwtImage, PaperOutsideA0ToA4BecomesA1AndIsNoted) {
  const struct {
    std::int64_t stored;
    std::int32_t paper;
    std::optional<std::int32_t> noted;
  } cases[] = {
      {0, 0, std::nullopt}, {4, 4, std::nullopt}, {5, 1, 5},          {7, 1, 7},
      {14, 1, 14},          {-1, 1, -1},          {0x7FFFFFFF, 1, 0x7FFFFFFF},
  };
  for (const auto& c : cases) {
    Parts p;
    p.paper = c.stored;
    SwtLoadNotes notes;
    notes.replacedPaper = 99;  // overwritten by every decode
    const auto d = DecodeSwt(p.image().b, &notes);
    ASSERT_TRUE(d.ok()) << c.stored << ": " << Describe(d.error());
    EXPECT_EQ(d.value().PaperIndex, c.paper) << c.stored;
    EXPECT_EQ(notes.replacedPaper, c.noted) << c.stored;
    LayoutDocument expected = ExpectedOfDefaultParts();
    expected.PaperIndex = c.paper;
    EXPECT_EQ(d.value(), expected) << c.stored;
  }
}

TEST(SwtImage, SectionWithAnotherTagIsSkippedAndItsListZeroed) {
  const struct {
    const char* what;
    std::function<void(Parts&)> change;
    std::function<void(CLayMain&)> expect;
  } cases[] = {
      {"circles",
       [](Parts& p) {
         p.circleTag = "SWTEnkoX";
         p.circleData = false;
       },
       [](CLayMain& sh) { sh.circles.assign(2, {}); }},
      {"rectangles",
       [](Parts& p) {
         p.rectTag = "SWTShikak_";
         p.rectData = false;
       },
       [](CLayMain& sh) { sh.rects.assign(2, {}); }},
      {"lines",
       [](Parts& p) {
         p.lineTag = "swtsen";
         p.lineData = false;
       },
       [](CLayMain& sh) {
         sh.lineHigh = 0;
         sh.lines.assign(1, {});
       }},
  };
  for (const auto& c : cases) {
    Parts p;
    c.change(p);
    const auto d = DecodeSwt(p.image().b);
    ASSERT_TRUE(d.ok()) << c.what << ": " << Describe(d.error());
    LayoutDocument expected = ExpectedOfDefaultParts();
    c.expect(expected.Sheets[0]);
    EXPECT_EQ(d.value(), expected) << c.what;
    SW_EXPECT_CONSISTENT(d.value());
  }
  // A wrong tag in front of its data: the data is read as the fields that
  // follow. Here the zeros make the other tags miss too and end in a
  // terminator 0, so the file loads with every section zeroed; whatever
  // such a file gives, the document keeps its rules.
  Parts p;
  p.circleTag = "SWTEnkoX";
  const auto d = DecodeSwt(p.image().b);
  ASSERT_TRUE(d.ok()) << Describe(d.error());
  SW_EXPECT_CONSISTENT(d.value());
  EXPECT_EQ(d.value().Sheets[0].rects, std::vector<CLayRect>(2));
  EXPECT_EQ(d.value().Sheets[0].shown, (std::vector<bool>{false, false}));
}

TEST(SwtImage, BytesAfterTheTerminatorAreIgnored) {
  Img img = Parts{}.image();
  img.raw("trailing garbage").i32(-1);
  const auto d = DecodeSwt(img.b);
  ASSERT_TRUE(d.ok()) << Describe(d.error());
  EXPECT_EQ(d.value(), ExpectedOfDefaultParts());
}

TEST(SwtImage, EveryTruncationIsRefused) {
  LayoutDocument doc;
  ASSERT_TRUE(addFrame(doc, kFrameRect, "plan", {0, 0}, {10, 10}).ok());
  addLine(doc, kAuxLineCode, {0, 0}, {1, 1});
  const auto image = EncodeSwt(doc, "base.jww");
  ASSERT_TRUE(image.ok());
  const std::vector<std::uint8_t>& full = image.value();
  ASSERT_TRUE(DecodeSwt(full).ok());
  for (std::size_t n = 0; n < full.size(); ++n) {
    const auto d = DecodeSwt(std::span(full.data(), n));
    ASSERT_FALSE(d.ok()) << "cut at " << n;
    EXPECT_GE(d.error().offset, 0) << "cut at " << n;
    EXPECT_LE(d.error().offset, static_cast<std::int64_t>(n)) << "cut at " << n;
  }
}

}  // namespace
}  // namespace sw
