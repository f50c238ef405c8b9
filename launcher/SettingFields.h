#pragma once
// The settings a user can change, one per value of the settings record, and
// their text form. Their rules are in SettingRules.h, their checks in
// SettingChecks.h.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/CaptureSettings.h"

namespace kx {

enum class SettingField {
  Key,
  SaveDir,
  FilePrefix,
  SerialDigits,
  Extension,
  Colors,
  AlwaysSave,
  Cursor,
  Invert,
  Printer,
  Orientation,
  Quality,
  PrintPercent,
  MarginLeft,
  MarginRight,
  MarginTop,
  MarginBottom,
  HeaderText,
  HeaderLayout,
  PrintDate,
  FileFormat,
  Clipboard,
  Screen,
  Tray,
  Region,
};

inline constexpr std::array<SettingField, 25> kAllSettingFields{
    SettingField::Key,          SettingField::SaveDir,      SettingField::FilePrefix,
    SettingField::SerialDigits, SettingField::Extension,    SettingField::Colors,
    SettingField::AlwaysSave,   SettingField::Cursor,       SettingField::Invert,
    SettingField::Printer,      SettingField::Orientation,  SettingField::Quality,
    SettingField::PrintPercent, SettingField::MarginLeft,   SettingField::MarginRight,
    SettingField::MarginTop,    SettingField::MarginBottom, SettingField::HeaderText,
    SettingField::HeaderLayout, SettingField::PrintDate,    SettingField::FileFormat,
    SettingField::Clipboard,    SettingField::Screen,       SettingField::Tray,
    SettingField::Region,
};

// The field's place in kAllSettingFields.
std::size_t IndexOf(SettingField field);

// A problem with one field, worded for the user.
struct FieldProblem {
  SettingField field;
  std::string message;
  bool folderMissing = false;  // the save folder is well formed but does not exist

  bool operator==(const FieldProblem&) const = default;
};

// One named value of a field: what the user sees and the field text it stands for.
struct Choice {
  std::string label;
  std::string value;

  bool operator==(const Choice&) const = default;
};

// The field's value as text: numbers in decimal, the extension as ".BMP" or
// ".bmp", texts unchanged.
std::string FieldText(const CaptureSettings& settings, SettingField field);

// The extension's values (".BMP", ".bmp", the letter case of every numbered
// file) named as the files of the file format are: ".PNG" and ".png" for PNG.
std::vector<Choice> ExtensionChoices(FileFormat fileFormat);

// FieldText with values that act alike made alike: colours 1 are 256,
// an orientation other than 1 is 2, an unknown quality is 1, an unknown
// heading layout is 2, a file format other than 1 and a screen other than
// 1 to 3 are 0.
std::string ActingText(const CaptureSettings& settings, SettingField field);

// The value as a user reads it: its name when it has one (the extension as
// the numbered files have it), else FieldText.
std::string ShownText(const CaptureSettings& settings, SettingField field);

// Puts the text form of a value into the record: the name of a value (ASCII
// case and blanks ignored) or its text; ".PNG" and ".png" stand for the
// extensions ".BMP" and ".bmp". A number must be a whole number; a
// save folder loses the blanks around it and trailing "\". Ranges are left to
// CheckSettings.
[[nodiscard]] std::optional<FieldProblem> SetFieldText(CaptureSettings& settings,
                                                       SettingField field, std::string_view text);

}  // namespace kx
