#include <gtest/gtest.h>

#include <set>
#include <string>

#include "notices/FontChoice.h"
#include "notices/NoticeDesigns.h"

namespace kx {
namespace {

TEST(PrintErrorText, NamesTheErrorLogBesideTheProgram) {
  EXPECT_EQ(PrintErrorText("C:\\Tools\\キャプチャ", "Kaptorix_Key"),
            "PrintPictureToFitPage Error\r\n"
            "以下にエラーログを出力しました\r\n"
            "C:\\Tools\\キャプチャ\\Kaptorix_Key.log");
}

TEST(ErrorLogPath, JoinsFolderAndTitleWithOneBackslash) {
  EXPECT_EQ(ErrorLogPath("D:\\a b\\c", "Kaptorix_Key"), "D:\\a b\\c\\Kaptorix_Key.log");
  EXPECT_EQ(ErrorLogPath("C:\\", "Kaptorix_Key"), "C:\\Kaptorix_Key.log");
  EXPECT_EQ(ErrorLogPath("\\\\server\\share", "X"), "\\\\server\\share\\X.log");
}

TEST(ChooseFontFace, TakesTheFirstInstalledFaceInOrder) {
  std::set<std::string, std::less<>> installed{"VL Gothic", "MS Gothic"};
  const auto isInstalled = [&](std::string_view face) { return installed.contains(face); };
  EXPECT_EQ(ChooseFontFace(kGothicFaces, isInstalled), "MS Gothic");
  installed.insert("ＭＳ ゴシック");
  EXPECT_EQ(ChooseFontFace(kGothicFaces, isInstalled), "ＭＳ ゴシック");
  EXPECT_EQ(ChooseFontFace(kProportionalGothicFaces, isInstalled), "");
  installed.insert("VL PGothic");
  EXPECT_EQ(ChooseFontFace(kProportionalGothicFaces, isInstalled), "VL PGothic");
}

TEST(FontHeightPixels, ConvertsPointsAtTheScreenResolution) {
  EXPECT_EQ(FontHeightPixels(24.0, 96), 32);
  EXPECT_EQ(FontHeightPixels(9.75, 96), 13);
  EXPECT_EQ(FontHeightPixels(9.0, 96), 12);
  EXPECT_EQ(FontHeightPixels(9.0, 144), 18);
  EXPECT_EQ(FontHeightPixels(9.75, 120), 16);  // 16.25
  EXPECT_EQ(FontHeightPixels(9.0, 100), 12);   // 12.5 to the even neighbour
  EXPECT_EQ(FontHeightPixels(9.0, 0), 12);
}

}  // namespace
}  // namespace kx
