#pragma once
// The settings a user can change, one per value of the settings record: their
// names on the command line, their labels, their text form, the names of
// their values, and the checks that keep the file in the shape the capture
// program reads.

#include <array>
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
};

inline constexpr std::array<SettingField, 23> kAllSettingFields{
    SettingField::Key,          SettingField::SaveDir,      SettingField::FilePrefix,
    SettingField::SerialDigits, SettingField::Extension,    SettingField::Colors,
    SettingField::AlwaysSave,   SettingField::Cursor,       SettingField::Invert,
    SettingField::Printer,      SettingField::Orientation,  SettingField::Quality,
    SettingField::PrintPercent, SettingField::MarginLeft,   SettingField::MarginRight,
    SettingField::MarginTop,    SettingField::MarginBottom, SettingField::HeaderText,
    SettingField::HeaderLayout, SettingField::PrintDate,    SettingField::FileFormat,
    SettingField::Clipboard,    SettingField::Screen,
};

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

// What the checks need to know about the system.
class SettingsProbe {
 public:
  virtual ~SettingsProbe() = default;
  virtual bool FolderExists(const std::string& path) = 0;
  // True when the text survives the file's code page unchanged.
  virtual bool FitsFileCodePage(std::string_view text) = 0;
};

// The name on the command line ("key", "folder", ...) and the label of the
// field's control in the settings dialog ("ホットキー", ...), which messages
// use too.
std::string_view CommandName(SettingField field);
std::string_view Label(SettingField field);

// True for the fields that hold a whole number.
bool HoldsNumber(SettingField field);

// The field of a command-line name, compared without regard to ASCII case.
std::optional<SettingField> FieldNamed(std::string_view name);

// The field's value as text: numbers in decimal, the extension as ".BMP" or
// ".bmp", texts unchanged.
std::string FieldText(const CaptureSettings& settings, SettingField field);

// The named values of a field, as the settings dialog lists them: the keys
// by name, colours, orientations, qualities, heading layouts, extensions,
// file formats, screens. Empty for fields whose values have no names.
const std::vector<Choice>& NamedValues(SettingField field);

// The extension's values (".BMP", ".bmp", the letter case of every numbered
// file) named as the files of the file format are: ".PNG" and ".png" for PNG.
std::vector<Choice> ExtensionChoices(std::int16_t fileFormat);

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
// save folder loses trailing "\". Ranges are left to CheckSettings.
std::optional<FieldProblem> SetFieldText(CaptureSettings& settings, SettingField field,
                                         std::string_view text);

// A problem of one field's value, or nothing.
std::optional<FieldProblem> CheckSetting(const CaptureSettings& settings, SettingField field,
                                         SettingsProbe& probe);

// The first field, in kAllSettingFields order, that the capture program would
// misread or could not use.
std::optional<FieldProblem> CheckSettings(const CaptureSettings& settings, SettingsProbe& probe);

}  // namespace kx
