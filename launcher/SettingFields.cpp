#include "launcher/SettingFields.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <span>
#include <variant>

namespace kx {
namespace {

enum class Kind { Key, Range, Choice, Text, Folder, FileNamePart, Extension };

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
};

constexpr std::int32_t kColorChoices[] = {0, 256, 16, 2, 1};  // 1 also means 256 colours
constexpr std::int32_t kSwitchChoices[] = {0, 1};
constexpr std::int32_t kOrientationChoices[] = {1, 2};
constexpr std::int32_t kThreeChoices[] = {0, 1, 2};
constexpr std::int32_t kScreenChoices[] = {0, 1, 2, 3};
constexpr std::string_view kFileNameForbidden = "\\/:*?\"<>|";

using S = CaptureSettings;
const std::array<FieldRule, kAllSettingFields.size()> kRules{{
    {SettingField::Key, "key", "ホットキー", &S::hotKey, Kind::Key, 1, 254},
    {SettingField::SaveDir, "folder", "保存先フォルダ", &S::saveFolder, Kind::Folder},
    {SettingField::FilePrefix, "prefix", "先頭文字", &S::filePrefix, Kind::FileNamePart},
    {SettingField::SerialDigits, "digits", "連番の桁数", &S::serialDigits, Kind::Range, 1, 9},
    {SettingField::Extension, "extension", "拡張子", &S::extension, Kind::Extension},
    {SettingField::Colors, "colors", "色数", &S::colors, Kind::Choice, 0, 0, kColorChoices},
    {SettingField::AlwaysSave, "alwayssave", "Shiftなしでも保存する", &S::alwaysSave, Kind::Choice,
     0, 0, kSwitchChoices},
    {SettingField::Cursor, "pointer", "マウスポインタを写す", &S::cursor, Kind::Choice, 0, 0,
     kSwitchChoices},
    {SettingField::Invert, "invert", "色を反転する", &S::invert, Kind::Choice, 0, 0,
     kSwitchChoices},
    {SettingField::Printer, "printer", "プリンタ", &S::printer, Kind::Text},
    {SettingField::Orientation, "orientation", "向き", &S::orientation, Kind::Choice, 0, 0,
     kOrientationChoices},
    {SettingField::Quality, "quality", "品質", &S::quality, Kind::Choice, 0, 0, kThreeChoices},
    {SettingField::PrintPercent, "percent", "倍率", &S::printPercent, Kind::Range, 1, 100},
    {SettingField::MarginLeft, "margin-left", "余白 左", &S::marginLeft, Kind::Range, 0, 99},
    {SettingField::MarginRight, "margin-right", "余白 右", &S::marginRight, Kind::Range, 0, 99},
    {SettingField::MarginTop, "margin-top", "余白 上", &S::marginTop, Kind::Range, 0, 99},
    {SettingField::MarginBottom, "margin-bottom", "余白 下", &S::marginBottom, Kind::Range, 0, 99},
    {SettingField::HeaderText, "header", "見出し", &S::headerText, Kind::Text},
    {SettingField::HeaderLayout, "layout", "配置", &S::headerLayout, Kind::Choice, 0, 0,
     kThreeChoices},
    {SettingField::PrintDate, "date", "日付と時刻を印刷する", &S::printDate, Kind::Choice, 0, 0,
     kSwitchChoices},
    {SettingField::FileFormat, "format", "ファイル形式", &S::fileFormat, Kind::Choice, 0, 0,
     kSwitchChoices},
    {SettingField::Clipboard, "clipboard", "クリップボードにもコピーする", &S::clipboard,
     Kind::Choice, 0, 0, kSwitchChoices},
    {SettingField::Screen, "screen", "取り込む画面", &S::screen, Kind::Choice, 0, 0,
     kScreenChoices},
}};

std::vector<Choice> KeyNames() {
  std::vector<Choice> names = {
      {"Print Screen", "44"}, {"Pause", "19"},   {"Scroll Lock", "145"},
      {"Insert", "45"},       {"Delete", "46"},  {"Home", "36"},
      {"End", "35"},          {"Page Up", "33"}, {"Page Down", "34"},
  };
  for (int n = 1; n <= 24; ++n) {
    names.push_back({std::string("F").append(std::to_string(n)), std::to_string(111 + n)});
  }
  return names;
}

// Keys that a global hot key would take away from typing, and keys that are
// no hot key of their own.
bool IsTypingKey(std::int32_t code) {
  constexpr std::int32_t kTyping[] = {8,  9,  13, 20,  21,  25,  27,  28,  29,  32, 37,
                                      38, 39, 40, 226, 229, 240, 241, 242, 243, 244};
  return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') ||
         (code >= 96 && code <= 111) ||   // numeric keypad
         (code >= 186 && code <= 192) ||  // punctuation
         (code >= 219 && code <= 223) ||
         std::find(std::begin(kTyping), std::end(kTyping), code) != std::end(kTyping);
}

bool IsModifierOrMouseButton(std::int32_t code) {
  constexpr std::int32_t kOthers[] = {1, 2, 4, 5, 6, 16, 17, 18, 91, 92};
  return (code >= 160 && code <= 165) ||
         std::find(std::begin(kOthers), std::end(kOthers), code) != std::end(kOthers);
}

const FieldRule& RuleOf(SettingField field) {
  return *std::find_if(kRules.begin(), kRules.end(),
                       [&](const FieldRule& rule) { return rule.field == field; });
}

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

std::string NumberProblem(const FieldRule& rule) {
  if (rule.kind == Kind::Key) {
    return Problem(rule, "はキーの名前（Print Screen、Pause、F1～F24 など）か、" +
                             std::to_string(rule.min) + "から" + std::to_string(rule.max) +
                             "までのキーコードで指定して下さい");
  }
  if (rule.kind == Kind::Range) {
    return Problem(rule, "は" + std::to_string(rule.min) + "から" + std::to_string(rule.max) +
                             "までの数値で指定して下さい");
  }
  return Problem(rule, "は" + ChoicesShown(rule) + "のいずれかで指定して下さい");
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

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
  return std::nullopt;
}

std::optional<std::string> ValueProblem(const FieldRule& rule, const CaptureSettings& settings,
                                        SettingsProbe& probe) {
  switch (rule.kind) {
    case Kind::Key:
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
      const bool fits =
          rule.kind == Kind::Choice
              ? std::find(rule.choices.begin(), rule.choices.end(), value) != rule.choices.end()
              : value >= rule.min && value <= rule.max;
      if (!fits) return NumberProblem(rule);
      if (rule.kind == Kind::Key && IsTypingKey(value)) {
        return Problem(rule,
                       "に文字、数字、Space、Enter など普段の入力に使うキーは使えません"
                       "（Print Screen、Pause、F1～F24 などを指定して下さい）");
      }
      if (rule.kind == Kind::Key && IsModifierOrMouseButton(value)) {
        return Problem(rule, "に Shift、Ctrl、Alt、Windows キーやマウスのボタンは使えません");
      }
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

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

// "page up" names "Page Up"; so does "PageUp".
bool SameName(std::string_view typed, std::string_view name) {
  std::string a, b;
  for (const char c : typed)
    if (!IsBlank(c)) a.push_back(LowerAscii(c));
  for (const char c : name)
    if (!IsBlank(c)) b.push_back(LowerAscii(c));
  return !a.empty() && a == b;
}

// A letter, or the name of a key used for typing, as its key code.
std::optional<std::int32_t> TypingKeyCode(std::string_view name) {
  name = TrimBlanks(name);
  if (name.size() == 1 && LowerAscii(name[0]) >= 'a' && LowerAscii(name[0]) <= 'z') {
    return LowerAscii(name[0]) - 'a' + 'A';
  }
  constexpr std::pair<std::string_view, std::int32_t> kNamed[] = {
      {"Space", 32}, {"Enter", 13}, {"Tab", 9}, {"Backspace", 8}, {"Esc", 27}};
  for (const auto& [keyName, code] : kNamed) {
    if (SameName(name, keyName)) return code;
  }
  return std::nullopt;
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

const std::vector<Choice>& NamedValues(SettingField field) {
  static const std::vector<Choice> keys = KeyNames();
  static const std::vector<Choice> extensions = {{".BMP", ".BMP"}, {".bmp", ".bmp"}};
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

std::vector<Choice> ExtensionChoices(std::int16_t fileFormat) {
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
  if (rule.kind == Kind::Folder) {
    settings.saveFolder = WithoutTrailingSeparators(text);
    return std::nullopt;
  }
  if (rule.kind == Kind::Extension) {
    const std::vector<Choice> png = ExtensionChoices(1);
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
  const FieldRule& rule = RuleOf(field);
  if (auto message = ValueProblem(rule, settings, probe)) {
    return FieldProblem{field, std::move(*message)};
  }
  if (rule.kind == Kind::Folder && !probe.FolderExists(settings.saveFolder)) {
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
