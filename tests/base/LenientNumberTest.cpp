#include "base/LenientNumber.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace kx {
namespace {

TEST(ReadLenientNumber, TakesTheLongestLeadingNumber) {
  EXPECT_EQ(ReadLenientNumber("80"), 80);
  EXPECT_EQ(ReadLenientNumber("80%"), 80);
  EXPECT_EQ(ReadLenientNumber("2 followed by words"), 2);
  EXPECT_EQ(ReadLenientNumber("1.2.3"), 1.2);
  EXPECT_EQ(ReadLenientNumber("-7"), -7);
  EXPECT_EQ(ReadLenientNumber("+7"), 7);
  EXPECT_EQ(ReadLenientNumber(".5"), 0.5);
  EXPECT_EQ(ReadLenientNumber("-.5x"), -0.5);
  EXPECT_EQ(ReadLenientNumber("5."), 5);
}

TEST(ReadLenientNumber, IgnoresBlanksAnywhere) {
  EXPECT_EQ(ReadLenientNumber(" 80"), 80);
  EXPECT_EQ(ReadLenientNumber("1 2\t3"), 123);
  EXPECT_EQ(ReadLenientNumber("- 1 . 5"), -1.5);
  EXPECT_EQ(ReadLenientNumber("1 e 2"), 100);
}

TEST(ReadLenientNumber, ReadsExponentsOnlyWithDigits) {
  EXPECT_EQ(ReadLenientNumber("1e3"), 1000);
  EXPECT_EQ(ReadLenientNumber("25E-1"), 2.5);
  EXPECT_EQ(ReadLenientNumber("1e+2"), 100);
  EXPECT_EQ(ReadLenientNumber("3e"), 3);
  EXPECT_EQ(ReadLenientNumber("3e+"), 3);
  EXPECT_EQ(ReadLenientNumber("3ex"), 3);
}

TEST(ReadLenientNumber, TextWithoutANumberIsZero) {
  EXPECT_EQ(ReadLenientNumber(""), 0);
  EXPECT_EQ(ReadLenientNumber("abc"), 0);
  EXPECT_EQ(ReadLenientNumber("-"), 0);
  EXPECT_EQ(ReadLenientNumber("."), 0);
  EXPECT_EQ(ReadLenientNumber("e5"), 0);
  EXPECT_EQ(ReadLenientNumber("x12"), 0);
}

TEST(ReadLenientNumber, HugeNumbersStayOutOfEveryIntegerRange) {
  EXPECT_FALSE(RoundToInt16(ReadLenientNumber("1e999")));
  EXPECT_FALSE(RoundToInt32(ReadLenientNumber(std::string(400, '9'))));
  EXPECT_FALSE(RoundToInt16(ReadLenientNumber("0." + std::string(400, '0') + "1e800")));
  EXPECT_EQ(ReadLenientNumber("-1e999"), -std::numeric_limits<double>::infinity());
}

TEST(ReadLenientNumber, TinyNumbersReadAsZero) {
  const std::string zeros(400, '0');
  EXPECT_EQ(ReadLenientNumber("1e-999"), 0);
  EXPECT_EQ(ReadLenientNumber("0." + zeros + "1"), 0);
  EXPECT_EQ(ReadLenientNumber("." + zeros + "7e+5"), 0);
  EXPECT_EQ(ReadLenientNumber("1" + zeros + "e-999"), 0);
  EXPECT_EQ(ReadLenientNumber("-0." + zeros + "3"), 0);
}

TEST(ReadStrictNumber, AcceptsOnlyAWholeNumber) {
  EXPECT_EQ(ReadStrictNumber("55"), 55);
  EXPECT_EQ(ReadStrictNumber("  55 \t"), 55);
  EXPECT_EQ(ReadStrictNumber("-1.5e1"), -15);
  EXPECT_FALSE(ReadStrictNumber(""));
  EXPECT_FALSE(ReadStrictNumber("   "));
  EXPECT_FALSE(ReadStrictNumber("5 5"));
  EXPECT_FALSE(ReadStrictNumber("55x"));
  EXPECT_FALSE(ReadStrictNumber("abc"));
  EXPECT_FALSE(ReadStrictNumber("1e"));
  // A sign or a point alone is no number, not 0.
  for (const char* bare : {".", "-", "+", "-.", "+.", " . ", "e5", ".e1"}) {
    EXPECT_FALSE(ReadStrictNumber(bare)) << bare;
  }
  EXPECT_EQ(ReadStrictNumber(".5"), 0.5);
  EXPECT_EQ(ReadStrictNumber("5."), 5);
}

TEST(RoundToInt16, RoundsHalvesToEven) {
  EXPECT_EQ(RoundToInt16(2.5), 2);
  EXPECT_EQ(RoundToInt16(3.5), 4);
  EXPECT_EQ(RoundToInt16(-2.5), -2);
  EXPECT_EQ(RoundToInt16(-3.5), -4);
  EXPECT_EQ(RoundToInt16(2.4999), 2);
  EXPECT_EQ(RoundToInt16(2.5001), 3);
  EXPECT_EQ(RoundToInt16(0.5), 0);
  EXPECT_EQ(RoundToInt16(-0.5), 0);
}

TEST(RoundToInt16, RefusesValuesOutsideItsRange) {
  EXPECT_EQ(RoundToInt16(32767), 32767);
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_FALSE(RoundToInt16(32767.5));
  EXPECT_EQ(RoundToInt16(-32768.5), -32768);
  EXPECT_FALSE(RoundToInt16(-32768.6));
  EXPECT_FALSE(RoundToInt16(1e10));
}

TEST(RoundToInt32, CoversTheWholeRange) {
  EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
  EXPECT_FALSE(RoundToInt32(2147483647.5));
  EXPECT_EQ(RoundToInt32(-2147483648.0), -2147483647 - 1);
  EXPECT_FALSE(RoundToInt32(-2147483649.0));
}

}  // namespace
}  // namespace kx
