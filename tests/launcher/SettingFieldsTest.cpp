#include "launcher/SettingFields.h"

#include <gtest/gtest.h>

#include <set>

#include "FakeSettingsProbe.h"
#include "launcher/SettingChecks.h"
#include "launcher/SettingRules.h"

namespace kx {
namespace {

const std::string kProgramDir = "C:\\Tools\\Kaptorix";

// The message of the problem that setting `text` into `field` gives, after
// both the parse and the check; empty when the value is accepted.
std::string ProblemOf(SettingField field, std::string_view text) {
  test::FakeSettingsProbe probe;
  CaptureSettings settings = DefaultCaptureSettings(kProgramDir);
  if (auto problem = SetFieldText(settings, field, text)) return problem->message;
  if (auto problem = CheckSetting(settings, field, probe)) return problem->message;
  return {};
}

TEST(SettingFields, EveryFieldHasItsOwnNameAndLabel) {
  std::set<std::string_view> names, labels;
  for (const SettingField field : kAllSettingFields) {
    names.insert(CommandName(field));
    labels.insert(Label(field));
    EXPECT_EQ(FieldNamed(CommandName(field)), field);
  }
  EXPECT_EQ(names.size(), kAllSettingFields.size());
  EXPECT_EQ(labels.size(), kAllSettingFields.size());
  EXPECT_EQ(FieldNamed("Margin-LEFT"), SettingField::MarginLeft);
  EXPECT_EQ(FieldNamed("margin"), std::nullopt);
}

TEST(SettingFields, TextFormRoundTripsForEveryField) {
  test::FakeSettingsProbe probe;
  const CaptureSettings defaults = DefaultCaptureSettings(kProgramDir);
  EXPECT_EQ(CheckSettings(defaults, probe), std::nullopt);
  for (const SettingField field : kAllSettingFields) {
    SCOPED_TRACE(CommandName(field));
    CaptureSettings copy = DefaultCaptureSettings("elsewhere");
    EXPECT_EQ(SetFieldText(copy, field, FieldText(defaults, field)), std::nullopt);
    EXPECT_EQ(FieldText(copy, field), FieldText(defaults, field));
  }
  EXPECT_EQ(FieldText(defaults, SettingField::Extension), ".BMP");
  EXPECT_EQ(FieldText(defaults, SettingField::Key), "44");
}

TEST(SettingFields, NumbersMustBeWholeAndInRange) {
  const std::string percent = "「倍率」は1から100までの数値で指定して下さい";
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, "0"), percent);
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, "101"), percent);
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, "80%"), percent);
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, "5.5"), percent);
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, ""), percent);
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, "70000"), percent);
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, " 100 "), "");
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, "1"), "");

  const std::string digits = "「連番の桁数」は1から9までの数値で指定して下さい";
  EXPECT_EQ(ProblemOf(SettingField::SerialDigits, "0"), digits);
  EXPECT_EQ(ProblemOf(SettingField::SerialDigits, "10"), digits);
  EXPECT_EQ(ProblemOf(SettingField::SerialDigits, "9"), "");

  for (const SettingField margin : {SettingField::MarginLeft, SettingField::MarginRight,
                                    SettingField::MarginTop, SettingField::MarginBottom}) {
    EXPECT_EQ(ProblemOf(margin, "-1"),
              "「" + std::string(Label(margin)) + "」は0から99までの数値で指定して下さい");
    EXPECT_EQ(ProblemOf(margin, "100"), ProblemOf(margin, "-1"));
    EXPECT_EQ(ProblemOf(margin, "+-0"), ProblemOf(margin, "-1"));  // one sign at most
    EXPECT_EQ(ProblemOf(margin, "+7"), "");
    EXPECT_EQ(ProblemOf(margin, "0"), "");
    EXPECT_EQ(ProblemOf(margin, "99"), "");
  }
  EXPECT_EQ(ProblemOf(SettingField::Key, "255"),
            "「ホットキー」はキーの名前（Print Screen、Pause、F1～F24 など）か、1から254までの"
            "キーコードで指定して下さい");
}

TEST(SettingFields, ChoicesNameTheirValues) {
  EXPECT_EQ(
      ProblemOf(SettingField::Colors, "24"),
      "「色数」はフルカラー(0)、256色(256)、16色(16)、2色（白黒）(2)のいずれかで指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::Colors, "1"), "");  // also 256 colours
  EXPECT_EQ(ProblemOf(SettingField::Orientation, "0"),
            "「向き」は縦(1)、横(2)のいずれかで指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::PrintDate, "2"),
            "「日付と時刻を印刷する」は0、1のいずれかで指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::HeaderLayout, "3"),
            "「配置」は中央（日付は右端）(0)、右寄せ(1)、印刷しない(2)のいずれかで指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::Extension, "BMP"), "「拡張子」は.BMPか.bmpで指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::Extension, ".bmp"), "");
  EXPECT_EQ(ProblemOf(SettingField::Extension, ".Bmp"), "「拡張子」は.BMPか.bmpで指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::Screen, "4"),
            "「取り込む画面」はメイン画面(0)、ポインタのある画面(1)、手前のウィンドウの画面(2)、"
            "すべての画面(3)のいずれかで指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::FileFormat, "2"),
            "「ファイル形式」はBMP(0)、PNG(1)のいずれかで指定して下さい");
}

// The extension's setting is the letter case of every numbered file: PNG
// files show it as theirs, and their extensions set it.
TEST(SettingFields, TheExtensionIsShownAsTheFilesHaveIt) {
  CaptureSettings settings = DefaultCaptureSettings(kProgramDir);
  const std::pair<std::string_view, std::string_view> cases[] = {
      {".png", ".bmp"}, {".PNG", ".BMP"}, {".bmp", ".bmp"}};
  for (const auto& [text, stored] : cases) {
    EXPECT_EQ(SetFieldText(settings, SettingField::Extension, text), std::nullopt) << text;
    EXPECT_EQ(settings.extension, stored);
  }
  EXPECT_EQ(ShownText(settings, SettingField::Extension), ".bmp");
  settings.fileFormat = FileFormat::Png;
  EXPECT_EQ(ShownText(settings, SettingField::Extension), ".png");
  EXPECT_EQ(ProblemOf(SettingField::Extension, ".Png"), "「拡張子」は.BMPか.bmpで指定して下さい");
}

TEST(SettingFields, SaveFolderMustBeAnExistingFolderTheProgramCanFind) {
  CaptureSettings settings;
  EXPECT_EQ(SetFieldText(settings, SettingField::SaveDir, "D:\\Shots\\\\"), std::nullopt);
  EXPECT_EQ(settings.saveFolder, "D:\\Shots");
  EXPECT_EQ(ProblemOf(SettingField::SaveDir, "D:\\Shots\\"), "");
  EXPECT_EQ(ProblemOf(SettingField::SaveDir, ""), "「保存先フォルダ」を指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::SaveDir, "C:\\"),
            "「保存先フォルダ」にドライブのルートは指定できません。フォルダを指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::SaveDir, "Shots"),
            "「保存先フォルダ」はドライブ名から指定して下さい（例 C:\\Capture）");
  EXPECT_EQ(ProblemOf(SettingField::SaveDir, "D:\\Sh*"),
            "「保存先フォルダ」に * や ? は使えません");
  EXPECT_EQ(ProblemOf(SettingField::SaveDir, "D:\\Missing"),
            "「保存先フォルダ」がありません\r\nD:\\Missing");
  EXPECT_EQ(SetFieldText(settings, SettingField::SaveDir, " D:\\Shots \\ "), std::nullopt);
  EXPECT_EQ(settings.saveFolder, "D:\\Shots");
  EXPECT_EQ(ProblemOf(SettingField::SaveDir, "D:\\a \\Shots"),
            "「保存先フォルダ」のフォルダ名は空白やピリオドで終われません");
  const std::string tooLong = "が長すぎます（保存するファイルのパスが259文字を超えます）";
  EXPECT_EQ(ProblemOf(SettingField::SaveDir, "D:\\" + std::string(233, 'f')),
            "「保存先フォルダ」" + tooLong);  // 236 + 1 + the temporary file's 23
  EXPECT_EQ(ProblemOf(SettingField::FilePrefix, std::string(234, 'p')), "");  // 17+1+234+3+4
  EXPECT_EQ(ProblemOf(SettingField::FilePrefix, std::string(235, 'p')), "「先頭文字」" + tooLong);
  // Only a well-formed folder that is not there can be offered for creation.
  test::FakeSettingsProbe probe;
  settings = DefaultCaptureSettings(kProgramDir);
  settings.saveFolder = "D:\\Missing";
  EXPECT_TRUE(CheckSetting(settings, SettingField::SaveDir, probe)->folderMissing);
  settings.saveFolder = "Missing";
  EXPECT_FALSE(CheckSetting(settings, SettingField::SaveDir, probe)->folderMissing);
}

TEST(SettingFields, TextsMustStayOnOneLineAndInTheCodePage) {
  EXPECT_EQ(ProblemOf(SettingField::HeaderText, "two\r\nlines"),
            "「見出し」に改行などの制御文字は使えません");
  EXPECT_EQ(ProblemOf(SettingField::Printer, "tab\there"),
            "「プリンタ」に改行などの制御文字は使えません");
  EXPECT_EQ(ProblemOf(SettingField::HeaderText, "見出し 😀"),
            "「見出し」に、このパソコンの文字コードで保存できない文字があります");
  EXPECT_EQ(ProblemOf(SettingField::HeaderText, " 見出し / [PRNT] "), "");
  EXPECT_EQ(ProblemOf(SettingField::FilePrefix, "a:b"),
            "「先頭文字」に次の文字は使えません: \\ / : * ? \" < > |");
  EXPECT_EQ(ProblemOf(SettingField::FilePrefix, ""), "");
}

TEST(SettingFields, ValuesWithNamesAreShownAndTakenByName) {
  CaptureSettings settings = DefaultCaptureSettings(kProgramDir);
  const std::pair<std::string_view, std::int32_t> keys[] = {
      {"Print Screen", 44}, {"printscreen", 44}, {"PAUSE", 19},   {"scroll lock", 145},
      {"F1", 112},          {"f24", 135},        {"Page Up", 33}, {" 123 ", 123}};
  for (const auto& [text, code] : keys) {
    SCOPED_TRACE(text);
    EXPECT_EQ(SetFieldText(settings, SettingField::Key, text), std::nullopt);
    EXPECT_EQ(settings.hotKey, code);
  }
  EXPECT_EQ(ShownText(settings, SettingField::Key), "F12");
  settings.hotKey = 7;
  EXPECT_EQ(ShownText(settings, SettingField::Key), "7") << "a code without a name";
  EXPECT_EQ(ProblemOf(SettingField::Key, "F25"), ProblemOf(SettingField::Key, "0"));

  for (const SettingField field : kAllSettingFields) {
    for (const Choice& choice : NamedValues(field)) {
      SCOPED_TRACE(choice.label);
      CaptureSettings named = DefaultCaptureSettings(kProgramDir);
      ASSERT_EQ(SetFieldText(named, field, choice.label), std::nullopt);
      EXPECT_EQ(FieldText(named, field), choice.value);
      EXPECT_EQ(ShownText(named, field), choice.label);
      EXPECT_EQ(ProblemOf(field, choice.label), "") << "every named value is allowed";
    }
  }
}

TEST(SettingFields, KeysUsedForTypingAreNoHotKeys) {
  const std::string typing =
      "「ホットキー」に文字、数字、Space、Enter など普段の入力に使うキーは使えません"
      "（Print Screen、Pause、F1～F24 などを指定して下さい）";
  const std::string modifier =
      "「ホットキー」に Shift、Ctrl、Alt、Windows キーやマウスのボタンは使えません";
  const std::pair<const char*, const std::string*> cases[] = {
      {"65", &typing},    {"90", &typing},    {"48", &typing},     {"57", &typing},
      {"32", &typing},    {"13", &typing},    {"8", &typing},      {"9", &typing},
      {"27", &typing},    {"37", &typing},    {"96", &typing},     {"111", &typing},
      {"186", &typing},   {"222", &typing},   {"25", &typing},     {"243", &typing},
      {"Q", &typing},     {"z", &typing},     {" Space", &typing}, {"enter", &typing},
      {"1", &modifier},   {"16", &modifier},  {"18", &modifier},   {"91", &modifier},
      {"160", &modifier}, {"164", &modifier}, {"165", &modifier}};
  for (const auto& [code, message] : cases) {
    EXPECT_EQ(ProblemOf(SettingField::Key, code), *message) << code;
  }
  for (const char* code : {"44", "19", "145", "45", "46", "36", "35", "33", "34", "112", "135",
                           "144", "159", "166", "254"}) {
    EXPECT_EQ(ProblemOf(SettingField::Key, code), "") << code;
  }
}

}  // namespace
}  // namespace kx
