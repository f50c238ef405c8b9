#include "launcher/SettingChecks.h"

#include <algorithm>
#include <type_traits>
#include <variant>
#include <vector>

#include "base/AtomicSave.h"
#include "base/ProductNames.h"
#include "launcher/FolderPath.h"
#include "launcher/KeyNames.h"
#include "launcher/SettingRules.h"

namespace kx {
namespace {

constexpr std::string_view kFileNameForbidden = "\\/:*?\"<>|";

std::string Problem(const FieldRule& rule, std::string_view text) {
  return "「" + std::string(rule.label) + "」" + std::string(text);
}

// The choices as the user is told them: "縦(1)、横(2)", or "0、1" without names.
std::string ChoicesShown(const FieldRule& rule) {
  std::string shown;
  const std::vector<Choice>& names = NamedValues(rule.field);
  for (const std::int32_t value : rule.choices) {
    const std::string text = std::to_string(value);
    const auto named = std::find_if(names.begin(), names.end(),
                                    [&](const Choice& choice) { return choice.value == text; });
    if (names.empty()) {
      shown.append(shown.empty() ? "" : "、").append(text);
    } else if (named != names.end()) {
      shown.append(shown.empty() ? "" : "、").append(named->label).append("(" + text + ")");
    }
  }
  return shown;
}

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

std::optional<std::string> TextProblem(const FieldRule& rule, const std::string& text,
                                       SettingsProbe& probe) {
  if (HasControlCharacter(text)) return Problem(rule, "に改行などの制御文字は使えません");
  if (!probe.FitsFileCodePage(text)) {
    return Problem(rule, "に、このパソコンの文字コードで保存できない文字があります");
  }
  return std::nullopt;
}

// True when the numbered files' names, or the temporary files' beside them,
// are too long for the system's file calls.
bool SaveNamesTooLong(const CaptureSettings& settings) {
  const std::size_t digits = static_cast<std::size_t>(std::max<int>(settings.serialDigits, 1));
  return !FitsSaveNameLimit(settings.saveFolder + "\\" + settings.filePrefix +
                            std::string(digits, '0') + std::string(NumberedExtension(settings)));
}

std::string TooLongProblem(const FieldRule& rule) {
  return Problem(rule, "が長すぎます（保存するファイルのパスが" + std::to_string(kLongestFullName) +
                           "文字を超えます）");
}

// What makes a folder name unusable; whether the folder exists is asked apart.
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
  if (HasNameEndingInBlankOrDot(path)) {
    return Problem(rule, "のフォルダ名は空白やピリオドで終われません");
  }
  return std::nullopt;
}

std::optional<std::string> ValueProblem(const FieldRule& rule, const CaptureSettings& settings,
                                        SettingsProbe& probe) {
  switch (rule.kind) {
    case ValueKind::Key:
    case ValueKind::Range:
    case ValueKind::Choice: {
      const std::int32_t value = std::visit(
          [&](auto member) -> std::int32_t {
            if constexpr (std::is_same_v<decltype(member), std::string CaptureSettings::*>) {
              return 0;
            } else {
              return static_cast<std::int32_t>(settings.*member);
            }
          },
          rule.member);
      const bool fits =
          rule.kind == ValueKind::Choice
              ? std::find(rule.choices.begin(), rule.choices.end(), value) != rule.choices.end()
              : value >= rule.min && value <= rule.max;
      if (!fits) return NumberProblem(rule.field);
      if (rule.kind == ValueKind::Key && IsTypingKey(value)) {
        return Problem(rule,
                       "に文字、数字、Space、Enter など普段の入力に使うキーは使えません"
                       "（Print Screen、Pause、F1～F24 などを指定して下さい）");
      }
      if (rule.kind == ValueKind::Key && IsModifierOrMouseButton(value)) {
        return Problem(rule, "に Shift、Ctrl、Alt、Windows キーやマウスのボタンは使えません");
      }
      return std::nullopt;
    }
    case ValueKind::Text:
      return TextProblem(rule, settings.*std::get<std::string CaptureSettings::*>(rule.member),
                         probe);
    case ValueKind::Folder:
      if (auto problem = FolderProblem(rule, settings.saveFolder, probe)) return problem;
      if (SaveNamesTooLong(settings)) return TooLongProblem(rule);
      return std::nullopt;
    case ValueKind::FileNamePart:
      if (settings.filePrefix.find_first_of(kFileNameForbidden) != std::string::npos) {
        return Problem(rule, "に次の文字は使えません: \\ / : * ? \" < > |");
      }
      if (SaveNamesTooLong(settings)) return TooLongProblem(rule);
      return TextProblem(rule, settings.filePrefix, probe);
    case ValueKind::Extension:
      if (settings.extension != kUpperCaseExtension && settings.extension != kLowerCaseExtension) {
        return Problem(rule, "は.BMPか.bmpで指定して下さい");
      }
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

std::string NumberProblem(SettingField field) {
  const FieldRule& rule = RuleOf(field);
  if (rule.kind == ValueKind::Key) {
    return Problem(rule, "はキーの名前（Print Screen、Pause、F1～F24 など）か、" +
                             std::to_string(rule.min) + "から" + std::to_string(rule.max) +
                             "までのキーコードで指定して下さい");
  }
  if (rule.kind == ValueKind::Range) {
    return Problem(rule, "は" + std::to_string(rule.min) + "から" + std::to_string(rule.max) +
                             "までの数値で指定して下さい");
  }
  return Problem(rule, "は" + ChoicesShown(rule) + "のいずれかで指定して下さい");
}

std::optional<FieldProblem> CheckSetting(const CaptureSettings& settings, SettingField field,
                                         SettingsProbe& probe) {
  const FieldRule& rule = RuleOf(field);
  if (auto message = ValueProblem(rule, settings, probe)) {
    return FieldProblem{field, std::move(*message)};
  }
  if (rule.kind == ValueKind::Folder && !probe.FolderExists(settings.saveFolder)) {
    return FieldProblem{field, Problem(rule, "がありません\r\n" + settings.saveFolder), true};
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
