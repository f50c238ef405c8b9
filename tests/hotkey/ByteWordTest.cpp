#include "hotkey/ByteWord.h"

#include <gtest/gtest.h>

#include <limits>

#include "hotkey/OverflowError.h"

namespace kx {
namespace {

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

TEST(ByteWord, Bytes) {
  EXPECT_EQ(LowByte(0x1234), 0x34);
  EXPECT_EQ(LowByte(-1), 255);
  EXPECT_EQ(LowByte(kMin32), 0);
  EXPECT_EQ(HighByte(0x1234), 0x12);
  EXPECT_EQ(HighByte(0x12FF), 0x12);
  EXPECT_EQ(HighByte(-1), 255);
  EXPECT_EQ(HighByte(-256), 255);
  EXPECT_EQ(HighByte(65535), 255);
  EXPECT_EQ(HighByte(-65536), 0);
}

TEST(ByteWord, HighByteOfMoreThanAWordOverflows) {
  EXPECT_THROW(HighByte(65536), OverflowError);
  EXPECT_THROW(HighByte(-65537), OverflowError);
  EXPECT_THROW(HighByte(kMax32), OverflowError);
  EXPECT_THROW(HighByte(kMin32), OverflowError);
}

TEST(ByteWord, Words) {
  EXPECT_EQ(LowWord(0x1FFFF), -1);
  EXPECT_EQ(LowWord(0x8000), -32768);
  EXPECT_EQ(LowWord(0x2C0004), 4);
  EXPECT_EQ(HighWord(-65536), -1);
  EXPECT_EQ(HighWord(0x2C0004), 44);
  EXPECT_EQ(HighWord(kMax32), 32767);
  EXPECT_EQ(HighWord(kMin32), -32768);
  EXPECT_EQ(HighWord(0xFFFF), 0);
}

TEST(ByteWord, MakeWordIsSigned) {
  EXPECT_EQ(MakeWord(0x34, 0x12), 4660);
  EXPECT_EQ(MakeWord(0, 128), -32768);
  EXPECT_EQ(MakeWord(0xFF, 0x7F), 32767);
  EXPECT_EQ(MakeWord(0xFF, 0xFF), -1);
}

TEST(ByteWord, MakeLong) {
  EXPECT_EQ(MakeLong(22136, 4660), 305419896);
  EXPECT_EQ(MakeLong(-1, 0), 65535);
  EXPECT_EQ(MakeLong(0x12345, -1), static_cast<std::int32_t>(0xFFFF2345U));
  EXPECT_EQ(MakeLong(0, -32768), kMin32);
  EXPECT_EQ(MakeLong(-1, 32767), kMax32);
  EXPECT_THROW(MakeLong(0, 32768), OverflowError);
  EXPECT_THROW(MakeLong(0, -32769), OverflowError);
}

TEST(ByteWord, ToInt16KeepsOnlyValuesThatFit) {
  EXPECT_EQ(ToInt16(-32768), -32768);
  EXPECT_EQ(ToInt16(32767), 32767);
  EXPECT_EQ(ToInt16(-16093), -16093);
  EXPECT_THROW(ToInt16(32768), OverflowError);
  EXPECT_THROW(ToInt16(-32769), OverflowError);
  EXPECT_THROW(ToInt16(0xC123), OverflowError);
}

}  // namespace
}  // namespace kx
