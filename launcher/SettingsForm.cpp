#include "launcher/SettingsForm.h"

#include <algorithm>
#include <iterator>

#include "launcher/SettingRules.h"

namespace kx {
namespace {

std::vector<Choice> PrinterChoices(const std::vector<std::string>& printers,
                                   const std::string& chosen) {
  std::vector<Choice> choices = {{"（通常使うプリンタ）", ""}};
  for (const std::string& name : printers) choices.push_back({name, name});
  // A printer named in the file but not installed stays selectable.
  if (!chosen.empty() && std::find(printers.begin(), printers.end(), chosen) == printers.end()) {
    choices.push_back({std::string(chosen).append("（見つかりません）"), chosen});
  }
  return choices;
}

}  // namespace

ControlKind KindOf(SettingField field) {
  switch (field) {
    case SettingField::Key:
    case SettingField::Extension:
    case SettingField::Colors:
    case SettingField::Printer:
    case SettingField::Orientation:
    case SettingField::Quality:
    case SettingField::HeaderLayout:
    case SettingField::FileFormat:
    case SettingField::Screen:
      return ControlKind::Choice;
    case SettingField::AlwaysSave:
    case SettingField::Cursor:
    case SettingField::Invert:
    case SettingField::PrintDate:
    case SettingField::Clipboard:
    case SettingField::Tray:
    case SettingField::Region:
      return ControlKind::Check;
    default:
      return ControlKind::Edit;
  }
}

SettingsForm::SettingsForm(CaptureSettings loaded, const std::vector<std::string>& printers)
    : loaded_(std::move(loaded)),
      choices_(kAllSettingFields.size()),
      selections_(kAllSettingFields.size(), 0) {
  for (const SettingField field : kAllSettingFields) {
    if (KindOf(field) != ControlKind::Choice) continue;
    std::vector<Choice>& choices = choices_[IndexOf(field)];
    if (field == SettingField::Printer) {
      choices = PrinterChoices(printers, loaded_.printer);
    } else if (field == SettingField::Extension) {
      choices = ExtensionChoices(loaded_.fileFormat);
    } else {
      choices = NamedValues(field);
    }
    const std::string shown = ActingText(loaded_, field);
    auto found = std::find_if(choices.begin(), choices.end(),
                              [&](const Choice& choice) { return choice.value == shown; });
    if (found == choices.end()) {  // a key code without a name
      choices.push_back({std::string("キーコード ").append(shown), shown});
      found = std::prev(choices.end());
    }
    selections_[IndexOf(field)] = static_cast<std::size_t>(found - choices.begin());
  }
}

std::string SettingsForm::InitialText(SettingField field) const {
  return FieldText(loaded_, field);
}

bool SettingsForm::InitiallyChecked(SettingField field) const {
  return FieldText(loaded_, field) == "1";
}

const std::vector<Choice>& SettingsForm::Choices(SettingField field) const {
  return choices_[IndexOf(field)];
}

std::size_t SettingsForm::InitialSelection(SettingField field) const {
  return selections_[IndexOf(field)];
}

std::variant<CaptureSettings, FieldProblem> SettingsForm::Collect(FormControls& controls,
                                                                  SettingsProbe& probe) const {
  CaptureSettings settings = loaded_;
  for (const SettingField field : kAllSettingFields) {
    std::string text;
    switch (KindOf(field)) {
      case ControlKind::Edit:
        text = controls.Text(field);
        break;
      case ControlKind::Check:
        text.assign(1, controls.Checked(field) ? '1' : '0');
        break;
      case ControlKind::Choice: {
        const std::vector<Choice>& choices = Choices(field);
        const std::size_t selected = controls.Selection(field);
        text = selected < choices.size() ? choices[selected].value
                                         : choices[InitialSelection(field)].value;
        break;
      }
    }
    if (auto problem = SetFieldText(settings, field, text)) return *std::move(problem);
  }
  if (auto problem = CheckSettings(settings, probe)) return *std::move(problem);
  return settings;
}

}  // namespace kx
