#include "launcher/SettingRules.h"

#include <algorithm>
#include <array>

#include "base/ProductNames.h"
#include "launcher/KeyNames.h"
#include "launcher/TypedNames.h"

namespace kx {
namespace {

constexpr std::int32_t kColorChoices[] = {0, 256, 16, 2, 1};  // 1 also means 256 colours
constexpr std::int32_t kSwitchChoices[] = {0, 1};
constexpr std::int32_t kOrientationChoices[] = {1, 2};
constexpr std::int32_t kThreeChoices[] = {0, 1, 2};
constexpr std::int32_t kScreenChoices[] = {0, 1, 2, 3};

using S = CaptureSettings;
using K = ValueKind;
const std::array<FieldRule, kAllSettingFields.size()> kRules{{
    {SettingField::Key, "key", "ホットキー", &S::hotKey, K::Key, 1, 254},
    {SettingField::SaveDir, "folder", "保存先フォルダ", &S::saveFolder, K::Folder},
    {SettingField::FilePrefix, "prefix", "先頭文字", &S::filePrefix, K::FileNamePart},
    {SettingField::SerialDigits, "digits", "連番の桁数", &S::serialDigits, K::Range, 1, 9},
    {SettingField::Extension, "extension", "拡張子", &S::extension, K::Extension},
    {SettingField::Colors, "colors", "色数", &S::colors, K::Choice, 0, 0, kColorChoices},
    {SettingField::AlwaysSave, "alwayssave", "Shiftなしでも保存する", &S::alwaysSave, K::Choice, 0,
     0, kSwitchChoices},
    {SettingField::Cursor, "pointer", "マウスポインタを写す", &S::cursor, K::Choice, 0, 0,
     kSwitchChoices},
    {SettingField::Invert, "invert", "色を反転する", &S::invert, K::Choice, 0, 0, kSwitchChoices},
    {SettingField::Printer, "printer", "プリンタ", &S::printer, K::Text},
    {SettingField::Orientation, "orientation", "向き", &S::orientation, K::Choice, 0, 0,
     kOrientationChoices},
    {SettingField::Quality, "quality", "品質", &S::quality, K::Choice, 0, 0, kThreeChoices},
    {SettingField::PrintPercent, "percent", "倍率", &S::printPercent, K::Range, 1, 100},
    {SettingField::MarginLeft, "margin-left", "余白 左", &S::marginLeft, K::Range, 0, 99},
    {SettingField::MarginRight, "margin-right", "余白 右", &S::marginRight, K::Range, 0, 99},
    {SettingField::MarginTop, "margin-top", "余白 上", &S::marginTop, K::Range, 0, 99},
    {SettingField::MarginBottom, "margin-bottom", "余白 下", &S::marginBottom, K::Range, 0, 99},
    {SettingField::HeaderText, "header", "見出し", &S::headerText, K::Text},
    {SettingField::HeaderLayout, "layout", "配置", &S::headerLayout, K::Choice, 0, 0,
     kThreeChoices},
    {SettingField::PrintDate, "date", "日付と時刻を印刷する", &S::printDate, K::Choice, 0, 0,
     kSwitchChoices},
    {SettingField::FileFormat, "format", "ファイル形式", &S::fileFormat, K::Choice, 0, 0,
     kSwitchChoices},
    {SettingField::Clipboard, "clipboard", "クリップボードにもコピーする", &S::clipboard, K::Choice,
     0, 0, kSwitchChoices},
    {SettingField::Screen, "screen", "取り込む画面", &S::screen, K::Choice, 0, 0, kScreenChoices},
    {SettingField::Tray, "tray", "通知領域にアイコンを表示する", &S::tray, K::Choice, 0, 0,
     kSwitchChoices},
    {SettingField::Region, "region", "範囲を選んで取り込むキー (Ctrl)", &S::region, K::Choice, 0, 0,
     kSwitchChoices},
}};

}  // namespace

const FieldRule& RuleOf(SettingField field) {
  return *std::find_if(kRules.begin(), kRules.end(),
                       [&](const FieldRule& rule) { return rule.field == field; });
}

std::string_view CommandName(SettingField field) { return RuleOf(field).name; }
std::string_view Label(SettingField field) { return RuleOf(field).label; }

bool HoldsNumber(SettingField field) {
  return !std::holds_alternative<std::string CaptureSettings::*>(RuleOf(field).member);
}

std::optional<SettingField> FieldNamed(std::string_view name) {
  for (const FieldRule& rule : kRules) {
    if (EqualsIgnoringAsciiCase(rule.name, name)) return rule.field;
  }
  return std::nullopt;
}

const std::vector<Choice>& NamedValues(SettingField field) {
  static const std::vector<Choice> keys = HotKeyNames();
  static const std::vector<Choice> extensions = {
      {std::string(kUpperCaseExtension), std::string(kUpperCaseExtension)},
      {std::string(kLowerCaseExtension), std::string(kLowerCaseExtension)}};
  static const std::vector<Choice> colors = {
      {"フルカラー", "0"}, {"256色", "256"}, {"16色", "16"}, {"2色（白黒）", "2"}};
  static const std::vector<Choice> orientations = {{"縦", "1"}, {"横", "2"}};
  static const std::vector<Choice> qualities = {
      {"ドラフト", "0"}, {"プリンタの設定のまま", "1"}, {"高品質", "2"}};
  static const std::vector<Choice> layouts = {
      {"中央（日付は右端）", "0"}, {"右寄せ", "1"}, {"印刷しない", "2"}};
  static const std::vector<Choice> formats = {{"BMP", "0"}, {"PNG", "1"}};
  static const std::vector<Choice> screens = {{"メイン画面", "0"},
                                              {"ポインタのある画面", "1"},
                                              {"手前のウィンドウの画面", "2"},
                                              {"すべての画面", "3"}};
  static const std::vector<Choice> none;
  switch (field) {
    case SettingField::Key:
      return keys;
    case SettingField::Extension:
      return extensions;
    case SettingField::Colors:
      return colors;
    case SettingField::Orientation:
      return orientations;
    case SettingField::Quality:
      return qualities;
    case SettingField::HeaderLayout:
      return layouts;
    case SettingField::FileFormat:
      return formats;
    case SettingField::Screen:
      return screens;
    default:
      return none;
  }
}

}  // namespace kx
