#include "core/ByteReader.h"

#include <gtest/gtest.h>

#include "core/ByteWriter.h"

namespace sw {
namespace {

TEST(ByteReader, ReadsLittleEndianValuesWrittenByTheWriter) {
  ByteWriter w;
  w.u8(0xAB);
  w.u16(0x1234);
  w.u32(0xDEADBEEF);
  w.i32(-5);
  w.f64(-1.25);
  w.bytes("xyz");
  ByteReader r(w.data());
  EXPECT_EQ(r.u8(), 0xAB);
  EXPECT_EQ(r.u16(), 0x1234);
  EXPECT_EQ(r.u32(), 0xDEADBEEFu);
  EXPECT_EQ(r.i32(), -5);
  EXPECT_EQ(r.f64(), -1.25);
  std::string s;
  EXPECT_TRUE(r.bytes(3, s));
  EXPECT_EQ(s, "xyz");
  EXPECT_TRUE(r.atEnd());
  EXPECT_FALSE(r.failed());
  EXPECT_EQ(w.data()[1], 0x34);  // low byte first
}

TEST(ByteReader, ReadPastTheEndFailsAtItsOffsetAndStaysFailed) {
  const std::vector<std::uint8_t> data = {1, 2, 3, 4, 5};
  ByteReader r(data);
  EXPECT_EQ(r.u16(), 0x0201);
  EXPECT_EQ(r.u32(), 0u);  // 3 bytes left
  ASSERT_TRUE(r.failed());
  EXPECT_EQ(r.error().offset, 2);
  EXPECT_EQ(r.offset(), 2u);  // a failed read does not advance
  EXPECT_EQ(r.u8(), 0);       // later reads fail too, even where bytes remain
  EXPECT_EQ(r.error().offset, 2);
  EXPECT_NE(r.error().message.find("4 bytes needed, 3 left"), std::string::npos);
}

TEST(ByteReader, HugeLengthsFailWithoutAllocating) {
  const std::vector<std::uint8_t> data(16, 0);
  ByteReader r(data);
  std::string s;
  EXPECT_FALSE(r.bytes(std::size_t{1} << 40, s));
  EXPECT_TRUE(r.failed());
  EXPECT_TRUE(s.empty());
  ByteReader r2(data);
  EXPECT_FALSE(r2.skip(17));
  EXPECT_EQ(r2.error().offset, 0);
  ByteReader r3(data);
  EXPECT_EQ(r3.take(4).size(), 4u);
  EXPECT_TRUE(r3.take(std::size_t{1} << 40).empty());
  EXPECT_EQ(r3.error().offset, 4);
}

TEST(ByteReader, TagComparesAndConsumes) {
  ByteWriter w;
  w.bytes("SWTSenSWTEnk");
  ByteReader r(w.data());
  EXPECT_TRUE(r.tag("SWTSen"));
  EXPECT_FALSE(r.tag("SWTSen"));
  EXPECT_EQ(r.offset(), 12u);
  EXPECT_FALSE(r.tag("x"));
  EXPECT_TRUE(r.failed());
}

TEST(Error, DescribeNamesTheOffsetWhenKnown) {
  EXPECT_EQ(Describe(MakeError("bad", 12)), "byte 12: bad");
  EXPECT_EQ(Describe(MakeError("file not found")), "file not found");
}

}  // namespace
}  // namespace sw
