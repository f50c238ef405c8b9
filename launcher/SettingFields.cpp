#include "launcher/SettingFields.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <span>
#include <variant>

namespace kx {
namespace {

enum class Kind { Range, Choice, Text, Folder, FileNamePart, Extension };

using Member = std::variant<std::int32_t CaptureSettings::*, std::int16_t CaptureSettings::*,
                            std::string CaptureSettings::*>;

struct FieldRule {
  SettingField field;
  std::string_view name;
  std::string_view label;
  Member member;
  Kind kind;
  std::int32_t min = 0;
  std::int32_t max = 0;
  std::span<const std::int32_t> choices = {};
  std::string_view choicesShown = {};  // as the user is told them
};

constexpr std::int32_t kColorChoices[] = {0, 2, 16, 256, 1};  // 1 also means 256 colours
constexpr std::int32_t kSwitchChoices[] = {0, 1};
constexpr std::int32_t kOrientationChoices[] = {1, 2};
constexpr std::int32_t kThreeChoices[] = {0, 1, 2};
constexpr std::string_view kFileNameForbidden = "\\/:*?\"<>|";

using S = CaptureSettings;
const std::array<FieldRule, kAllSettingFields.size()> kRules{{
    {SettingField::Key, "key", "ホットキー", &S::hotKey, Kind::Range, 1, 254},
    {SettingField::SaveDir, "folder", "保存先フォルダ", &S::saveFolder, Kind::Folder},
    {SettingField::FilePrefix, "prefix", "ファイル名の先頭", &S::filePrefix,
     Kind::FileNamePart},
    {SettingField::SerialDigits, "digits", "連番の桁数", &S::serialDigits, Kind::Range, 1, 9},
    {SettingField::Extension, "extension", "拡張子", &S::extension, Kind::Extension},
    {SettingField::Colors, "colors", "保存時の色数", &S::colors, Kind::Choice, 0, 0,
     kColorChoices, "0、2、16、256"},
    {SettingField::AlwaysSave, "alwayssave", "常に保存", &S::alwaysSave, Kind::Choice, 0, 0,
     kSwitchChoices, "0、1"},
    {SettingField::Cursor, "pointer", "マウスポインタ", &S::cursor, Kind::Choice, 0, 0,
     kSwitchChoices, "0、1"},
    {SettingField::Invert, "invert", "色の反転", &S::invert, Kind::Choice, 0, 0,
     kSwitchChoices, "0、1"},
    {SettingField::Printer, "printer", "プリンタ", &S::printer, Kind::Text},
    {SettingField::Orientation, "orientation", "印刷の向き", &S::orientation, Kind::Choice,
     0, 0, kOrientationChoices, "1、2"},
    {SettingField::Quality, "quality", "印刷品質", &S::quality, Kind::Choice, 0, 0,
     kThreeChoices, "0、1、2"},
    {SettingField::PrintPercent, "percent", "印刷倍率", &S::printPercent, Kind::Range, 1, 100},
    {SettingField::MarginLeft, "margin-left", "左余白", &S::marginLeft, Kind::Range, 0, 99},
    {SettingField::MarginRight, "margin-right", "右余白", &S::marginRight, Kind::Range, 0, 99},
    {SettingField::MarginTop, "margin-top", "上余白", &S::marginTop, Kind::Range, 0, 99},
    {SettingField::MarginBottom, "margin-bottom", "下余白", &S::marginBottom, Kind::Range, 0,
     99},
    {SettingField::HeaderText, "header", "見出し", &S::headerText, Kind::Text},
    {SettingField::HeaderLayout, "layout", "見出しの配置", &S::headerLayout, Kind::Choice, 0,
     0, kThreeChoices, "0、1、2"},
    {SettingField::PrintDate, "date", "日付の印刷", &S::printDate, Kind::Choice, 0, 0,
     kSwitchChoices, "0、1"},
}};

const FieldRule& RuleOf(SettingField field) {
  return *std::find_if(kRules.begin(), kRules.end(),
                       [&](const FieldRule& rule) { return rule.field == field; });
}

std::string Problem(const FieldRule& rule, std::string_view text) {
  return std::string(rule.label) + std::string(text);
}

std::string NumberProblem(const FieldRule& rule) {
  if (rule.kind == Kind::Range) {
    return Problem(rule, "は" + std::to_string(rule.min) + "から" + std::to_string(rule.max) +
                             "までの数値で指定して下さい");
  }
  return Problem(rule, "は" + std::string(rule.choicesShown) + "のいずれかで指定して下さい");
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

bool IsDriveRoot(std::string_view path) {
  return path.size() == 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
}

bool IsAbsolute(std::string_view path) {
  const bool drive = path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
  const bool share = path.size() >= 3 && path.substr(0, 2) == "\\\\";
  return drive || share;
}

std::string WithoutTrailingSeparators(std::string_view path) {
  while (path.size() > 1 && (path.back() == '\\' || path.back() == '/') && !IsDriveRoot(path)) {
    path.remove_suffix(1);
  }
  return std::string(path);
}

std::optional<std::string> TextProblem(const FieldRule& rule, const std::string& text,
                                       SettingsProbe& probe) {
  if (HasControlCharacter(text)) return Problem(rule, "に改行などの制御文字は使えません");
  if (!probe.FitsFileCodePage(text)) {
    return Problem(rule, "に、このパソコンの文字コードで保存できない文字があります");
  }
  return std::nullopt;
}

std::optional<std::string> FolderProblem(const FieldRule& rule, const std::string& path,
                                         SettingsProbe& probe) {
  if (path.empty()) return Problem(rule, "を指定して下さい");
  if (const auto problem = TextProblem(rule, path, probe)) return problem;
  if (path.find_first_of("*?") != std::string::npos) {
    return Problem(rule, "に * や ? は使えません");
  }
  if (IsDriveRoot(path)) {
    return Problem(rule, "にドライブのルートは指定できません。フォルダを指定して下さい");
  }
  if (!IsAbsolute(path)) {
    return Problem(rule, "はドライブ名から指定して下さい（例 C:\\Capture）");
  }
  if (!probe.FolderExists(path)) return Problem(rule, "がありません\r\n" + path);
  return std::nullopt;
}

std::optional<std::string> ValueProblem(const FieldRule& rule, const CaptureSettings& settings,
                                        SettingsProbe& probe) {
  switch (rule.kind) {
    case Kind::Range:
    case Kind::Choice: {
      const std::int32_t value = std::visit(
          [&](auto member) -> std::int32_t {
            if constexpr (std::is_same_v<decltype(member), std::string CaptureSettings::*>) {
              return 0;
            } else {
              return settings.*member;
            }
          },
          rule.member);
      const bool fits = rule.kind == Kind::Range
                            ? value >= rule.min && value <= rule.max
                            : std::find(rule.choices.begin(), rule.choices.end(), value) !=
                                  rule.choices.end();
      if (!fits) return NumberProblem(rule);
      return std::nullopt;
    }
    case Kind::Text:
      return TextProblem(rule, settings.*std::get<std::string CaptureSettings::*>(rule.member),
                         probe);
    case Kind::Folder:
      return FolderProblem(rule, settings.saveFolder, probe);
    case Kind::FileNamePart:
      if (settings.filePrefix.find_first_of(kFileNameForbidden) != std::string::npos) {
        return Problem(rule, "に次の文字は使えません: \\ / : * ? \" < > |");
      }
      return TextProblem(rule, settings.filePrefix, probe);
    case Kind::Extension:
      if (settings.extension != ".BMP" && settings.extension != ".bmp") {
        return Problem(rule, "は.BMPか.bmpで指定して下さい");
      }
      return std::nullopt;
  }
  return std::nullopt;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
           return lower(x) == lower(y);
         });
}

}  // namespace

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

std::string FieldText(const CaptureSettings& settings, SettingField field) {
  return std::visit(
      [&](auto member) -> std::string {
        if constexpr (std::is_same_v<decltype(member), std::string CaptureSettings::*>) {
          return settings.*member;
        } else {
          return std::to_string(settings.*member);
        }
      },
      RuleOf(field).member);
}

std::optional<FieldProblem> SetFieldText(CaptureSettings& settings, SettingField field,
                                         std::string_view text) {
  const FieldRule& rule = RuleOf(field);
  if (rule.kind == Kind::Folder) {
    settings.saveFolder = WithoutTrailingSeparators(text);
    return std::nullopt;
  }
  return std::visit(
      [&](auto member) -> std::optional<FieldProblem> {
        using Value = std::remove_reference_t<decltype(settings.*member)>;
        if constexpr (std::is_same_v<Value, std::string>) {
          settings.*member = std::string(text);
        } else {
          const std::optional<std::int32_t> number = ParseWholeNumber(text);
          if (!number || *number < std::numeric_limits<Value>::min() ||
              *number > std::numeric_limits<Value>::max()) {
            return FieldProblem{field, NumberProblem(rule)};
          }
          settings.*member = static_cast<Value>(*number);
        }
        return std::nullopt;
      },
      rule.member);
}

std::optional<FieldProblem> CheckSetting(const CaptureSettings& settings, SettingField field,
                                         SettingsProbe& probe) {
  if (auto message = ValueProblem(RuleOf(field), settings, probe)) {
    return FieldProblem{field, std::move(*message)};
  }
  return std::nullopt;
}

std::optional<FieldProblem> CheckSettings(const CaptureSettings& settings, SettingsProbe& probe) {
  for (const SettingField field : kAllSettingFields) {
    if (auto problem = CheckSetting(settings, field, probe)) return problem;
  }
  return std::nullopt;
}

}  // namespace kx
