#include "launcher/SettingFields.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <type_traits>
#include <variant>

#include "base/Blanks.h"
#include "launcher/FolderPath.h"
#include "launcher/KeyNames.h"
#include "launcher/SettingChecks.h"
#include "launcher/SettingRules.h"
#include "launcher/TypedNames.h"

namespace kx {
namespace {

// The type of the numbers a member holds.
template <typename Value>
using NumberOf = typename std::conditional_t<std::is_enum_v<Value>, std::underlying_type<Value>,
                                             std::type_identity<Value>>::type;

// Digits after at most one sign, blanks around them.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::size_t IndexOf(SettingField field) {
  return static_cast<std::size_t>(
      std::find(kAllSettingFields.begin(), kAllSettingFields.end(), field) -
      kAllSettingFields.begin());
}

std::string FieldText(const CaptureSettings& settings, SettingField field) {
  return std::visit(
      [&](auto member) -> std::string {
        if constexpr (std::is_same_v<decltype(member), std::string CaptureSettings::*>) {
          return settings.*member;
        } else {
          return std::to_string(static_cast<std::int32_t>(settings.*member));
        }
      },
      RuleOf(field).member);
}

std::vector<Choice> ExtensionChoices(FileFormat fileFormat) {
  CaptureSettings settings;
  settings.fileFormat = fileFormat;
  std::vector<Choice> choices = NamedValues(SettingField::Extension);
  for (Choice& choice : choices) {
    settings.extension = choice.value;
    choice.label = NumberedExtension(settings);
  }
  return choices;
}

std::string ActingText(const CaptureSettings& settings, SettingField field) {
  const std::string text = FieldText(settings, field);
  switch (field) {
    case SettingField::Colors:
      if (text == "1") return "256";
      return text == "2" || text == "16" || text == "256" ? text : "0";
    case SettingField::Orientation:
      return text == "1" ? "1" : "2";
    case SettingField::Quality:
      return text == "0" || text == "2" ? text : "1";
    case SettingField::HeaderLayout:
      return text == "0" || text == "1" ? text : "2";
    case SettingField::FileFormat:
      return text == "1" ? text : "0";
    case SettingField::Screen:
      return text == "1" || text == "2" || text == "3" ? text : "0";
    default:
      return text;
  }
}

std::string ShownText(const CaptureSettings& settings, SettingField field) {
  if (field == SettingField::Extension) return std::string(NumberedExtension(settings));
  const std::vector<Choice>& names = NamedValues(field);
  const std::string acting = ActingText(settings, field);
  const auto named = std::find_if(names.begin(), names.end(),
                                  [&](const Choice& choice) { return choice.value == acting; });
  return named != names.end() ? named->label : FieldText(settings, field);
}

std::optional<FieldProblem> SetFieldText(CaptureSettings& settings, SettingField field,
                                         std::string_view text) {
  const FieldRule& rule = RuleOf(field);
  std::string code;
  if (HoldsNumber(field)) {  // the extension's names are its values, case and all
    const std::vector<Choice>& names = NamedValues(field);
    const auto named = std::find_if(names.begin(), names.end(), [&](const Choice& choice) {
      return SameName(text, choice.label);
    });
    if (named != names.end()) {
      text = named->value;
    } else if (field == SettingField::Key) {
      // Typing keys by name, so that the check can say why they are refused.
      if (const auto typing = TypingKeyCode(text)) code = std::to_string(*typing);
      if (!code.empty()) text = code;
    }
  }
  if (rule.kind == ValueKind::Folder) {
    settings.saveFolder = TrimmedFolder(text);
    return std::nullopt;
  }
  if (rule.kind == ValueKind::Extension) {
    const std::vector<Choice> png = ExtensionChoices(FileFormat::Png);
    const auto named = std::find_if(png.begin(), png.end(),
                                    [&](const Choice& choice) { return choice.label == text; });
    if (named != png.end()) {
      code = named->value;
      text = code;
    }
  }
  return std::visit(
      [&](auto member) -> std::optional<FieldProblem> {
        using Value = std::remove_reference_t<decltype(settings.*member)>;
        if constexpr (std::is_same_v<Value, std::string>) {
          settings.*member = std::string(text);
        } else {
          using Limits = std::numeric_limits<NumberOf<Value>>;  // a switch holds 0 and 1
          const std::optional<std::int32_t> number = ParseWholeNumber(text);
          if (!number || *number < Limits::min() || *number > Limits::max()) {
            return FieldProblem{field, NumberProblem(field)};
          }
          settings.*member = static_cast<Value>(*number);
        }
        return std::nullopt;
      },
      rule.member);
}

}  // namespace kx
