#pragma once
// The checks that keep the settings file in the shape the capture program
// reads, with their messages.

#include <optional>
#include <string>
#include <string_view>

#include "launcher/SettingFields.h"
#include "settings/CaptureSettings.h"

namespace kx {

// What the checks need to know about the system.
class SettingsProbe {
 public:
  virtual ~SettingsProbe() = default;
  virtual bool FolderExists(const std::string& path) = 0;
  // True when the text survives the file's code page unchanged.
  virtual bool FitsFileCodePage(std::string_view text) = 0;
};

// What the user is told when a number field holds no value of its own: its
// range, or its choices by name.
std::string NumberProblem(SettingField field);

// A problem of one field's value, or nothing.
[[nodiscard]] std::optional<FieldProblem> CheckSetting(const CaptureSettings& settings,
                                                       SettingField field, SettingsProbe& probe);

// The first field, in kAllSettingFields order, that the capture program would
// misread or could not use.
[[nodiscard]] std::optional<FieldProblem> CheckSettings(const CaptureSettings& settings,
                                                        SettingsProbe& probe);

}  // namespace kx
