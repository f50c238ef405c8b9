#include "actions/SerialNumbers.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(SerialNumbers, HighestNumberHasAsManyNinesAsDigits) {
  EXPECT_EQ(HighestSerial(0), 0);
  EXPECT_EQ(HighestSerial(-2), 0);
  EXPECT_EQ(HighestSerial(1), 9);
  EXPECT_EQ(HighestSerial(3), 999);
  EXPECT_EQ(HighestSerial(9), 999999999);
  EXPECT_FALSE(HighestSerial(10));
  EXPECT_FALSE(HighestSerial(32767));
}

TEST(SerialNumbers, NamesArePaddedToTheDigitCount) {
  EXPECT_EQ(NumberedFileName("C:\\Kx", "KX", 1, 3, ".BMP"), "C:\\Kx\\KX001.BMP");
  EXPECT_EQ(NumberedFileName("C:\\Kx", "KX", 999, 3, ".BMP"), "C:\\Kx\\KX999.BMP");
  EXPECT_EQ(NumberedFileName("D:\\A ", "", 7, 1, ".bmp"), "D:\\A \\7.bmp");
}

}  // namespace
}  // namespace kx
