#include "app/CommandGet.h"

#include <gtest/gtest.h>

#include "base/LenientNumber.h"

namespace kx {
namespace {

TEST(CommandGet, ValueRunsToTheNextSlashUnstripped) {
  const std::string line = "Kaptorix /KIND=2 /TIME=3";
  EXPECT_EQ(CommandGet(line, "/KIND="), "2 ");
  EXPECT_EQ(ReadLenientNumber(CommandGet(line, "/KIND=")), 2);
  EXPECT_EQ(CommandGet(line, "/TIME="), "3");
}

TEST(CommandGet, ValueRunsToTheEndWithoutAFurtherSlash) {
  const std::string line = "Kaptorix /TIME=3 Kaptorix_TEST";
  EXPECT_EQ(CommandGet(line, "/TIME="), "3 Kaptorix_TEST");
  EXPECT_EQ(ReadLenientNumber(CommandGet(line, "/TIME=")), 3);
}

TEST(CommandGet, AdjacentOptionsGiveAnEmptyValue) {
  EXPECT_EQ(CommandGet("Kaptorix /KIND=/TIME=3", "/KIND="), "");
  EXPECT_EQ(CommandGet("Kaptorix/KIND=1/TIME=3", "/TIME="), "3");
}

TEST(CommandGet, MatchesCaseSensitivelyAndTakesTheFirstOccurrence) {
  EXPECT_EQ(CommandGet("Kaptorix /kind=2", "/KIND="), "");
  EXPECT_EQ(CommandGet("Kaptorix /KIND=1 /KIND=2", "/KIND="), "1 ");
}

TEST(CommandGet, HandlesLinesBeyondSixteenBitPositions) {
  const std::string line = std::string(70000, 'x') + "/KIND=2";
  EXPECT_EQ(CommandGet(line, "/KIND="), "2");
}

}  // namespace
}  // namespace kx
