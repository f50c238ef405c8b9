#include "launcher/SettingFields.h"

#include <gtest/gtest.h>

#include <set>

#include "FakeSettingsProbe.h"

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
  const std::string percent = "印刷倍率は1から100までの数値で指定して下さい";
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, "0"), percent);
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, "101"), percent);
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, "80%"), percent);
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, "5.5"), percent);
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, ""), percent);
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, "70000"), percent);
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, " 100 "), "");
  EXPECT_EQ(ProblemOf(SettingField::PrintPercent, "1"), "");

  const std::string digits = "連番の桁数は1から9までの数値で指定して下さい";
  EXPECT_EQ(ProblemOf(SettingField::SerialDigits, "0"), digits);
  EXPECT_EQ(ProblemOf(SettingField::SerialDigits, "10"), digits);
  EXPECT_EQ(ProblemOf(SettingField::SerialDigits, "9"), "");

  for (const SettingField margin : {SettingField::MarginLeft, SettingField::MarginRight,
                                    SettingField::MarginTop, SettingField::MarginBottom}) {
    EXPECT_EQ(ProblemOf(margin, "-1"),
              std::string(Label(margin)) + "は0から99までの数値で指定して下さい");
    EXPECT_EQ(ProblemOf(margin, "100"), ProblemOf(margin, "-1"));
    EXPECT_EQ(ProblemOf(margin, "0"), "");
    EXPECT_EQ(ProblemOf(margin, "99"), "");
  }
  EXPECT_EQ(ProblemOf(SettingField::Key, "255"),
            "ホットキーは1から254までの数値で指定して下さい");
}

TEST(SettingFields, ChoicesNameTheirValues) {
  EXPECT_EQ(ProblemOf(SettingField::Colors, "24"),
            "保存時の色数は0、2、16、256のいずれかで指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::Colors, "1"), "");  // also 256 colours
  EXPECT_EQ(ProblemOf(SettingField::Orientation, "0"),
            "印刷の向きは1、2のいずれかで指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::PrintDate, "2"), "日付の印刷は0、1のいずれかで指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::HeaderLayout, "3"),
            "見出しの配置は0、1、2のいずれかで指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::Extension, "BMP"), "拡張子は.BMPか.bmpで指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::Extension, ".bmp"), "");
}

TEST(SettingFields, SaveFolderMustBeAnExistingFolderTheProgramCanFind) {
  CaptureSettings settings;
  EXPECT_EQ(SetFieldText(settings, SettingField::SaveDir, "D:\\Shots\\\\"), std::nullopt);
  EXPECT_EQ(settings.saveFolder, "D:\\Shots");
  EXPECT_EQ(ProblemOf(SettingField::SaveDir, "D:\\Shots\\"), "");
  EXPECT_EQ(ProblemOf(SettingField::SaveDir, ""), "保存先フォルダを指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::SaveDir, "C:\\"),
            "保存先フォルダにドライブのルートは指定できません。フォルダを指定して下さい");
  EXPECT_EQ(ProblemOf(SettingField::SaveDir, "Shots"),
            "保存先フォルダはドライブ名から指定して下さい（例 C:\\Capture）");
  EXPECT_EQ(ProblemOf(SettingField::SaveDir, "D:\\Sh*"), "保存先フォルダに * や ? は使えません");
  EXPECT_EQ(ProblemOf(SettingField::SaveDir, "D:\\Missing"),
            "保存先フォルダがありません\r\nD:\\Missing");
}

TEST(SettingFields, TextsMustStayOnOneLineAndInTheCodePage) {
  EXPECT_EQ(ProblemOf(SettingField::HeaderText, "two\r\nlines"),
            "見出しに改行などの制御文字は使えません");
  EXPECT_EQ(ProblemOf(SettingField::Printer, "tab\there"),
            "プリンタに改行などの制御文字は使えません");
  EXPECT_EQ(ProblemOf(SettingField::HeaderText, "見出し 😀"),
            "見出しに、このパソコンの文字コードで保存できない文字があります");
  EXPECT_EQ(ProblemOf(SettingField::HeaderText, " 見出し / [PRNT] "), "");
  EXPECT_EQ(ProblemOf(SettingField::FilePrefix, "a:b"),
            "ファイル名の先頭に次の文字は使えません: \\ / : * ? \" < > |");
  EXPECT_EQ(ProblemOf(SettingField::FilePrefix, ""), "");
}

}  // namespace
}  // namespace kx
