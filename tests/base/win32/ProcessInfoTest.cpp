#include "base/win32/ProcessInfo.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "base/win32/Files.h"
#include "base/win32/Strconv.h"
#include "support/TempFolder.h"

namespace kx::win {
namespace {

TEST(CommandLineArguments, DropsTheProgramPathAndFollowingBlanks) {
  EXPECT_EQ(CommandLineArguments(L"\"C:\\Program Files\\Kx\\Kaptorix_Key.exe\"  Kaptorix /KIND=2"),
            "Kaptorix /KIND=2");
  EXPECT_EQ(CommandLineArguments(L"C:\\Kx\\Kaptorix_Key.exe Kaptorix_TEST"), "Kaptorix_TEST");
  EXPECT_EQ(CommandLineArguments(L"Kaptorix_Key.exe"), "");
  EXPECT_EQ(CommandLineArguments(L"\"Kaptorix_Key.exe\""), "");
  EXPECT_EQ(CommandLineArguments(L"x.exe Kaptorix /HTXT=日本語 "), "Kaptorix /HTXT=日本語 ");
}

TEST(ProgramDir, IsTheFolderOfTheRunningExe) {
  const std::string dir = ProgramDir();
  ASSERT_FALSE(dir.empty());
  EXPECT_NE(dir.back(), '\\');
  EXPECT_TRUE(std::filesystem::is_directory(Utf8ToWide(dir)));
}

TEST(PlainFileExists, CountsOnlyOrdinaryFiles) {
  test::TempFolder temp;
  test::WriteAll(temp / "plain.ini", "");
  test::WriteAll(temp / "hidden.ini", "");
  ::SetFileAttributesW((temp / "hidden.ini").c_str(), FILE_ATTRIBUTE_HIDDEN);
  std::filesystem::create_directory(temp / "folder.ini");
  EXPECT_TRUE(PlainFileExists(WideToUtf8((temp / "plain.ini").wstring())));
  EXPECT_FALSE(PlainFileExists(WideToUtf8((temp / "hidden.ini").wstring())));
  EXPECT_FALSE(PlainFileExists(WideToUtf8((temp / "folder.ini").wstring())));
  EXPECT_FALSE(PlainFileExists(WideToUtf8((temp / "missing.ini").wstring())));
}

TEST(ReadFileBytes, ReadsWholeFilesAndRefusesMissingOnes) {
  test::TempFolder temp;
  const std::string bytes("a\0b\r\nc", 6);
  test::WriteAll(temp / "data", bytes);
  EXPECT_EQ(ReadFileBytes(WideToUtf8((temp / "data").wstring()), 100), bytes);
  EXPECT_EQ(ReadFileBytes(WideToUtf8((temp / "data").wstring()), 6), bytes);
  EXPECT_FALSE(ReadFileBytes(WideToUtf8((temp / "data").wstring()), 5)) << "longer than allowed";
  test::WriteAll(temp / "empty", "");
  EXPECT_EQ(ReadFileBytes(WideToUtf8((temp / "empty").wstring()), 0), "");
  EXPECT_FALSE(ReadFileBytes(WideToUtf8((temp / "missing").wstring()), 100));
}

TEST(Strconv, RoundTripsThroughUtf16) {
  const std::string text = "Kaptorix 保存成功 ①";
  EXPECT_EQ(WideToUtf8(Utf8ToWide(text)), text);
  EXPECT_EQ(Utf8ToWide("保存"), L"保存");
  EXPECT_EQ(Utf8ToWide(""), L"");
}

TEST(Strconv, ConvertsTheAnsiCodePage) {
  EXPECT_EQ(AnsiToUtf8("[FILE]C:\\x"), "[FILE]C:\\x");
  if (::GetACP() == 932) {
    EXPECT_EQ(AnsiToUtf8("\x95\xdb\x91\xb6"), "保存");
    EXPECT_EQ(Utf8ToAnsi("保存"), "\x95\xdb\x91\xb6");
  } else if (::GetACP() == 1252) {
    EXPECT_EQ(AnsiToUtf8("\xe9"), "é");
  }
}

TEST(Strconv, JapaneseFitsCodePage932AndAnEmojiFitsNone) {
  if (::GetACP() == 932) {
    EXPECT_EQ(Utf8ToAnsiExact("見出し"), std::string("\x8c\xa9\x8f\x6f\x82\xb5"));
  } else {
    EXPECT_EQ(Utf8ToAnsiExact("見出し"), std::nullopt);
  }
  EXPECT_EQ(Utf8ToAnsiExact("plain"), std::string("plain"));
  EXPECT_EQ(Utf8ToAnsiExact(""), std::string());
  EXPECT_EQ(Utf8ToAnsiExact("a😀"), std::nullopt);
  EXPECT_EQ(Utf8ToAnsiExact("\xff\xfe"), std::nullopt);  // not UTF-8
}

}  // namespace
}  // namespace kx::win
