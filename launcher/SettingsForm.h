#pragma once
// The settings dialog without its windows: which control shows each setting,
// what the controls show at first, and the settings the controls describe.

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "launcher/SettingChecks.h"
#include "launcher/SettingFields.h"
#include "settings/CaptureSettings.h"

namespace kx {

enum class ControlKind { Edit, Check, Choice };

// The current state of the dialog's controls.
class FormControls {
 public:
  virtual ~FormControls() = default;
  virtual std::string Text(SettingField field) = 0;
  virtual bool Checked(SettingField field) = 0;
  virtual std::size_t Selection(SettingField field) = 0;
};

ControlKind KindOf(SettingField field);

class SettingsForm {
 public:
  // `loaded` as read from the file; `printers` the installed printers.
  SettingsForm(CaptureSettings loaded, const std::vector<std::string>& printers);

  std::string InitialText(SettingField field) const;
  bool InitiallyChecked(SettingField field) const;
  const std::vector<Choice>& Choices(SettingField field) const;
  std::size_t InitialSelection(SettingField field) const;

  // The settings the controls describe, or the first problem in field order.
  [[nodiscard]] std::variant<CaptureSettings, FieldProblem> Collect(FormControls& controls,
                                                                    SettingsProbe& probe) const;

 private:
  CaptureSettings loaded_;
  std::vector<std::vector<Choice>> choices_;  // by field, empty for other kinds
  std::vector<std::size_t> selections_;
};

}  // namespace kx
