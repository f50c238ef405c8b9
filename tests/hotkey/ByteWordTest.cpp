#include "hotkey/ByteWord.h"

#include <gtest/gtest.h>

#include <limits>

#include "hotkey/OverflowError.h"

namespace kx {
namespace {

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

TEST(ByteWord, Bytes) {
  EXPECT_EQ(LOBYTE(0x1234), 0x34);
  EXPECT_EQ(LOBYTE(-1), 255);
  EXPECT_EQ(LOBYTE(kMin32), 0);
  EXPECT_EQ(HIBYTE(0x1234), 0x12);
  EXPECT_EQ(HIBYTE(0x12FF), 0x12);
  EXPECT_EQ(HIBYTE(-1), 255);
  EXPECT_EQ(HIBYTE(-256), 255);
  EXPECT_EQ(HIBYTE(65535), 255);
  EXPECT_EQ(HIBYTE(-65536), 0);
}

TEST(ByteWord, HighByteOfMoreThanAWordOverflows) {
  EXPECT_THROW(HIBYTE(65536), OverflowError);
  EXPECT_THROW(HIBYTE(-65537), OverflowError);
  EXPECT_THROW(HIBYTE(kMax32), OverflowError);
  EXPECT_THROW(HIBYTE(kMin32), OverflowError);
}

TEST(ByteWord, Words) {
  EXPECT_EQ(LOWORD(0x1FFFF), -1);
  EXPECT_EQ(LOWORD(0x8000), -32768);
  EXPECT_EQ(LOWORD(0x2C0004), 4);
  EXPECT_EQ(HIWORD(-65536), -1);
  EXPECT_EQ(HIWORD(0x2C0004), 44);
  EXPECT_EQ(HIWORD(kMax32), 32767);
  EXPECT_EQ(HIWORD(kMin32), -32768);
  EXPECT_EQ(HIWORD(0xFFFF), 0);
}

TEST(ByteWord, MakeWordIsSigned) {
  EXPECT_EQ(MAKEWORD(0x34, 0x12), 4660);
  EXPECT_EQ(MAKEWORD(0, 128), -32768);
  EXPECT_EQ(MAKEWORD(0xFF, 0x7F), 32767);
  EXPECT_EQ(MAKEWORD(0xFF, 0xFF), -1);
}

TEST(ByteWord, MakeLong) {
  EXPECT_EQ(MAKELONG(22136, 4660), 305419896);
  EXPECT_EQ(MAKELONG(-1, 0), 65535);
  EXPECT_EQ(MAKELONG(0x12345, -1), static_cast<std::int32_t>(0xFFFF2345U));
  EXPECT_EQ(MAKELONG(0, -32768), kMin32);
  EXPECT_EQ(MAKELONG(-1, 32767), kMax32);
  EXPECT_THROW(MAKELONG(0, 32768), OverflowError);
  EXPECT_THROW(MAKELONG(0, -32769), OverflowError);
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
