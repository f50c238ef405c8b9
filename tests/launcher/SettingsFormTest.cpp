#include "launcher/SettingsForm.h"

#include <gtest/gtest.h>

#include <map>

#include "FakeSettingsProbe.h"

namespace kx {
namespace {

const std::string kProgramDir = "C:\\Tools\\Kaptorix";
const std::vector<std::string> kPrinters = {"PDF", "Office"};

// Controls that show what the form set up, until a test changes them.
class FakeControls : public FormControls {
 public:
  explicit FakeControls(const SettingsForm& form) {
    for (const SettingField field : kAllSettingFields) {
      switch (KindOf(field)) {
        case ControlKind::Edit:
          texts[field] = form.InitialText(field);
          break;
        case ControlKind::Check:
          checks[field] = form.InitiallyChecked(field);
          break;
        case ControlKind::Choice:
          selections[field] = form.InitialSelection(field);
          break;
      }
    }
  }
  std::string Text(SettingField field) override { return texts.at(field); }
  bool Checked(SettingField field) override { return checks.at(field); }
  std::size_t Selection(SettingField field) override { return selections.at(field); }

  std::map<SettingField, std::string> texts;
  std::map<SettingField, bool> checks;
  std::map<SettingField, std::size_t> selections;
};

std::string SelectedLabel(const SettingsForm& form, SettingField field) {
  return form.Choices(field)[form.InitialSelection(field)].label;
}

TEST(SettingsForm, ValuesThatActAlikeShowAlike) {
  CaptureSettings loaded = DefaultCaptureSettings(kProgramDir);
  loaded.colors = ColorReduction::To256Too;
  loaded.quality = PrintQuality{7};
  loaded.headerLayout = HeaderLayout{-1};
  loaded.printDate = true;
  loaded.fileFormat = FileFormat::Png;
  loaded.extension = ".bmp";
  loaded.screen = Screen{9};
  const SettingsForm form(loaded, kPrinters);
  EXPECT_EQ(SelectedLabel(form, SettingField::Colors), "256色");
  EXPECT_EQ(SelectedLabel(form, SettingField::FileFormat), "PNG");
  EXPECT_EQ(SelectedLabel(form, SettingField::Extension), ".png");
  EXPECT_EQ(SelectedLabel(form, SettingField::Screen), "メイン画面");
  EXPECT_EQ(SelectedLabel(form, SettingField::Quality), "プリンタの設定のまま");
  EXPECT_EQ(SelectedLabel(form, SettingField::HeaderLayout), "印刷しない");
  EXPECT_TRUE(form.InitiallyChecked(SettingField::PrintDate));
}

TEST(SettingsForm, KeepsKeysAndPrintersItHasNoEntryFor) {
  CaptureSettings loaded = DefaultCaptureSettings(kProgramDir);
  loaded.hotKey = 123;  // F12
  loaded.printer = "Gone";
  SettingsForm form(loaded, kPrinters);
  EXPECT_EQ(SelectedLabel(form, SettingField::Key), "F12");
  EXPECT_EQ(SelectedLabel(form, SettingField::Printer), "Gone（見つかりません）");
  EXPECT_EQ(form.Choices(SettingField::Printer),
            (std::vector<Choice>{{"（通常使うプリンタ）", ""},
                                 {"PDF", "PDF"},
                                 {"Office", "Office"},
                                 {"Gone（見つかりません）", "Gone"}}));

  loaded.hotKey = 7;
  form = SettingsForm(loaded, kPrinters);
  EXPECT_EQ(SelectedLabel(form, SettingField::Key), "キーコード 7");
  test::FakeSettingsProbe probe;
  FakeControls controls(form);
  const auto result = form.Collect(controls, probe);
  ASSERT_TRUE(std::holds_alternative<CaptureSettings>(result));
  EXPECT_EQ(std::get<CaptureSettings>(result).hotKey, 7);
  EXPECT_EQ(std::get<CaptureSettings>(result).printer, "Gone");
}

TEST(SettingsForm, UntouchedControlsGiveTheLoadedSettings) {
  CaptureSettings loaded = DefaultCaptureSettings(kProgramDir);
  loaded.headerText = "月報";
  loaded.marginTop = 5;
  const SettingsForm form(loaded, kPrinters);
  test::FakeSettingsProbe probe;
  FakeControls controls(form);
  const auto result = form.Collect(controls, probe);
  ASSERT_TRUE(std::holds_alternative<CaptureSettings>(result));
  EXPECT_EQ(std::get<CaptureSettings>(result), loaded);
}

TEST(SettingsForm, CollectsEveryKindOfControl) {
  const SettingsForm form(DefaultCaptureSettings(kProgramDir), kPrinters);
  test::FakeSettingsProbe probe;
  FakeControls controls(form);
  controls.texts[SettingField::SaveDir] = "D:\\Shots\\";
  controls.texts[SettingField::MarginRight] = " 7";
  controls.checks[SettingField::AlwaysSave] = true;
  controls.selections[SettingField::Colors] = 3;   // 2 colours
  controls.selections[SettingField::Printer] = 1;  // PDF
  controls.selections[SettingField::Key] = 2;      // Scroll Lock
  const auto result = form.Collect(controls, probe);
  ASSERT_TRUE(std::holds_alternative<CaptureSettings>(result));
  const CaptureSettings& settings = std::get<CaptureSettings>(result);
  EXPECT_EQ(settings.saveFolder, "D:\\Shots");
  EXPECT_EQ(settings.marginRight, 7);
  EXPECT_TRUE(settings.alwaysSave);
  EXPECT_EQ(settings.colors, ColorReduction::To2);
  EXPECT_EQ(settings.printer, "PDF");
  EXPECT_EQ(settings.hotKey, 145);
}

TEST(SettingsForm, ReportsTheFirstBadControlInFieldOrder) {
  const SettingsForm form(DefaultCaptureSettings(kProgramDir), kPrinters);
  test::FakeSettingsProbe probe;
  FakeControls controls(form);
  controls.texts[SettingField::MarginTop] = "100";
  controls.texts[SettingField::PrintPercent] = "abc";
  controls.texts[SettingField::SaveDir] = "D:\\Missing";
  auto result = form.Collect(controls, probe);
  ASSERT_TRUE(std::holds_alternative<FieldProblem>(result));
  // A parse failure comes before any range or folder check.
  EXPECT_EQ(std::get<FieldProblem>(result).field, SettingField::PrintPercent);

  controls.texts[SettingField::PrintPercent] = "100";
  result = form.Collect(controls, probe);
  ASSERT_TRUE(std::holds_alternative<FieldProblem>(result));
  EXPECT_EQ(std::get<FieldProblem>(result).field, SettingField::SaveDir);

  controls.texts[SettingField::SaveDir] = "D:\\Shots";
  result = form.Collect(controls, probe);
  ASSERT_TRUE(std::holds_alternative<FieldProblem>(result));
  EXPECT_EQ(
      std::get<FieldProblem>(result),
      (FieldProblem{SettingField::MarginTop, "「余白 上」は0から99までの数値で指定して下さい"}));
}

}  // namespace
}  // namespace kx
