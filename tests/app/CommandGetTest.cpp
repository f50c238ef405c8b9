#include "app/CommandGet.h"

#include <gtest/gtest.h>

#include "base/LenientNumber.h"

namespace kx {
namespace {

class RecordingReporter final : public FatalErrorReporter {
 public:
  void ShowAndExit(const MessageText& message) override { shown.push_back(message); }
  std::vector<MessageText> shown;
};

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

TEST(CommandGet, AbsentOptionalKeyIsEmptyAndSilent) {
  RecordingReporter reporter;
  EXPECT_EQ(CommandGet(0, "Kaptorix", "/KIND=", reporter), "");
  EXPECT_EQ(CommandGet(1, "", "/KIND=", reporter), "");
  EXPECT_TRUE(reporter.shown.empty());
}

TEST(CommandGet, RequiredKeyThatIsPresentIsSilent) {
  RecordingReporter reporter;
  EXPECT_EQ(CommandGet(kOptionRequired, "Kaptorix /PRNT= P1 ", "/PRNT=", reporter), " P1 ");
  EXPECT_TRUE(reporter.shown.empty());
}

TEST(CommandGet, AbsentRequiredKeyOnAnEmptyLineReportsNoArguments) {
  RecordingReporter reporter;
  CommandGet(kOptionRequired, "", "/KIND=", reporter);
  ASSERT_EQ(reporter.shown.size(), 1U);
  EXPECT_EQ(reporter.shown[0].title, "コマンドライン引数無し");
  EXPECT_EQ(reporter.shown[0].text, "コマンドラインの引数がありません\n引数を指定して下さい");
}

TEST(CommandGet, AbsentRequiredKeyNamesTheLineAndTheKey) {
  RecordingReporter reporter;
  CommandGet(kOptionRequired, "Kaptorix /TIME=3", "/KIND=", reporter);
  ASSERT_EQ(reporter.shown.size(), 1U);
  EXPECT_EQ(reporter.shown[0].title, "コマンドライン引数異常");
  EXPECT_EQ(reporter.shown[0].text,
            "コマンドラインのデータが異常です\n\nコマンド　　Kaptorix /TIME=3\n異常キー　/KIND=");
}

TEST(CommandGet, HandlesLinesBeyondSixteenBitPositions) {
  const std::string line = std::string(70000, 'x') + "/KIND=2";
  EXPECT_EQ(CommandGet(line, "/KIND="), "2");
}

}  // namespace
}  // namespace kx
