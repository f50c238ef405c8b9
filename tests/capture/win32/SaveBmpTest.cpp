#include "capture/win32/SaveSurface.h"

#include <gtest/gtest.h>

#include <set>

#include "Win32TestSupport.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"
#include "capture/BmpEncoder.h"
#include "capture/win32/BitmapPixels.h"
#include "capture/win32/SurfaceColors.h"
#include "support/ReadSource.h"
#include "support/TempFolder.h"
#include "support/WindowsPath.h"

namespace kx::win {
namespace {

std::string Utf8(const std::filesystem::path& path) { return WideToUtf8(path.wstring()); }

std::set<std::string> Names(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(Utf8(entry.path().filename()));
  }
  return names;
}

class SaveSurfaceBmpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Rgb32Image image{7, 3, {}};
    for (std::uint32_t i = 0; i < 21; ++i) image.pixels.push_back(i * 0x0A0B0CU);
    surface_.SetPicture(test::ScreenPicture(image));
  }
  // The file as the picture's pixels read out make it.
  std::string Expected() const {
    const auto dib = ReadDib(surface_.GetPicture());
    auto file = BmpFile::Of(*ViewOf(*dib));
    const auto bytes = kx::test::ReadAll(*file);
    return {bytes.begin(), bytes.end()};
  }
  kx::test::TempFolder temp_;
  PictureSurface surface_;
};

TEST_F(SaveSurfaceBmpTest, WritesThePictureAtItsOwnDepth) {
  const auto file = temp_.path() / L"撮影001.BMP";
  EXPECT_EQ(SaveSurfaceBmp(surface_, Utf8(file), SaveMode::CreateNew), SaveResult::Saved);
  const std::string bytes = kx::test::ReadAll(file);
  EXPECT_EQ(bytes, Expected());
  EXPECT_EQ(bytes[28], 32);
  EXPECT_EQ(Names(temp_.path()), std::set<std::string>{"撮影001.BMP"});

  ReduceSurfaceColors(nullptr, surface_, 2);
  const auto reduced = temp_ / "mono.bmp";
  EXPECT_EQ(SaveSurfaceBmp(surface_, Utf8(reduced), SaveMode::CreateNew), SaveResult::Saved);
  const std::string mono = kx::test::ReadAll(reduced);
  EXPECT_EQ(mono, Expected());
  EXPECT_EQ(mono[28], 1);
  EXPECT_EQ(mono.size(), 62U + 4 * 3);
}

// A capture lies in a 32-bit bitmap section, which is written from its own
// rows: the same file, without the fourth bytes the section may hold.
TEST_F(SaveSurfaceBmpTest, ASectionIsWrittenFromItsRows) {
  DibSection section = CreateDibSection(7, 3, 32, {});
  ASSERT_TRUE(section.bitmap);
  std::string rows;  // the file's rows: bottom row first, fourth bytes 0
  for (std::int32_t y = 0; y < 3; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(section.rows.Row(y));
    for (std::uint32_t x = 0; x < 7; ++x)
      row[x] = 0xFF000000U | (0x0A0B0CU * (7U * std::uint32_t(y) + x));
  }
  for (std::int32_t y = 2; y >= 0; --y) {
    const std::uint8_t* row = section.rows.Row(y);
    for (std::size_t i = 0; i < 28; ++i) rows += static_cast<char>(i % 4 == 3 ? 0 : row[i]);
  }
  surface_.SetPicture(Picture(std::move(section), nullptr));
  const auto file = temp_ / "KX001.BMP";
  EXPECT_EQ(SaveSurfaceBmp(surface_, Utf8(file), SaveMode::CreateNew), SaveResult::Saved);
  const std::string bytes = kx::test::ReadAll(file);
  EXPECT_EQ(bytes, Expected());
  ASSERT_EQ(bytes.size(), 54U + rows.size());
  EXPECT_EQ(bytes.substr(54), rows);
}

TEST_F(SaveSurfaceBmpTest, CreateNewLeavesAnExistingFileAlone) {
  const auto file = temp_ / "KX001.BMP";
  kx::test::WriteAll(file, "older");
  EXPECT_EQ(SaveSurfaceBmp(surface_, Utf8(file), SaveMode::CreateNew), SaveResult::NameTaken);
  EXPECT_EQ(kx::test::ReadAll(file), "older");
  EXPECT_EQ(Names(temp_.path()), std::set<std::string>{"KX001.BMP"});
}

TEST_F(SaveSurfaceBmpTest, ReplaceExistingReplacesTheStoreFile) {
  const auto file = temp_ / "Dammy.bmp";
  kx::test::WriteAll(file, "older");
  EXPECT_EQ(SaveSurfaceBmp(surface_, Utf8(file), SaveMode::ReplaceExisting), SaveResult::Saved);
  EXPECT_EQ(kx::test::ReadAll(file), Expected());
  EXPECT_EQ(Names(temp_.path()), std::set<std::string>{"Dammy.bmp"});
}

TEST_F(SaveSurfaceBmpTest, AFileHeldOpenIsNeitherReplacedNorCreated) {
  const auto file = temp_ / "Dammy.bmp";
  kx::test::WriteAll(file, "older");
  {
    const FileHandle held(::CreateFileW(file.wstring().c_str(), GENERIC_READ, 0, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    EXPECT_EQ(SaveSurfaceBmp(surface_, Utf8(file), SaveMode::ReplaceExisting), SaveResult::Failed);
    EXPECT_EQ(SaveSurfaceBmp(surface_, Utf8(file), SaveMode::CreateNew), SaveResult::NameTaken);
  }
  EXPECT_EQ(kx::test::ReadAll(file), "older");
  EXPECT_EQ(Names(temp_.path()), std::set<std::string>{"Dammy.bmp"});
}

TEST_F(SaveSurfaceBmpTest, AMissingFolderFails) {
  const auto file = temp_ / "missing" / "KX001.BMP";
  for (const SaveMode mode : {SaveMode::CreateNew, SaveMode::ReplaceExisting}) {
    EXPECT_EQ(SaveSurfaceBmp(surface_, Utf8(file), mode), SaveResult::Failed);
  }
  EXPECT_TRUE(Names(temp_.path()).empty());
}

TEST_F(SaveSurfaceBmpTest, NoPictureWritesNothing) {
  PictureSurface empty;
  EXPECT_EQ(SaveSurfaceBmp(empty, Utf8(temp_ / "KX001.BMP"), SaveMode::CreateNew),
            SaveResult::Failed);
  EXPECT_TRUE(Names(temp_.path()).empty());
}

// The folder comes from the test fixture, which makes it immutable on the
// Linux side: nothing can be created in it, not even by root.
TEST_F(SaveSurfaceBmpTest, AReadOnlyFolderFails) {
  const std::string folder = kx::test::WindowsPathFromEnvironment("KX_CAPTURE_READONLY_DIR");
  const std::filesystem::path path = Utf8ToWide(folder);
  if (folder.empty() || !std::filesystem::is_directory(path)) {
    GTEST_SKIP() << "needs the read-only folder that ctest prepares where the file system can";
  }
  const std::set<std::string> before = Names(path);
  const FileHandle probe(::CreateFileW((path / L"probe.txt").wstring().c_str(), GENERIC_WRITE, 0,
                                       nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_FALSE(probe) << "the fixture's folder is writable";
  for (const SaveMode mode : {SaveMode::CreateNew, SaveMode::ReplaceExisting}) {
    EXPECT_EQ(SaveSurfaceBmp(surface_, folder + "\\KX001.BMP", mode), SaveResult::Failed);
  }
  EXPECT_EQ(Names(path), before);
}

}  // namespace
}  // namespace kx::win
