#include "launcher/SettingsForm.h"

#include <algorithm>
#include <iterator>

namespace kx {
namespace {

std::size_t IndexOf(SettingField field) {
  return static_cast<std::size_t>(
      std::find(kAllSettingFields.begin(), kAllSettingFields.end(), field) -
      kAllSettingFields.begin());
}

std::vector<Choice> KeyChoices() {
  std::vector<Choice> choices = {
      {"Print Screen", "44"}, {"Pause", "19"},   {"Scroll Lock", "145"}, {"Insert", "45"},
      {"Delete", "46"},       {"Home", "36"},    {"End", "35"},          {"Page Up", "33"},
      {"Page Down", "34"},
  };
  for (int n = 1; n <= 24; ++n) {
    choices.push_back({std::string("F").append(std::to_string(n)), std::to_string(111 + n)});
  }
  return choices;
}

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

std::vector<Choice> FixedChoices(SettingField field) {
  switch (field) {
    case SettingField::Key:
      return KeyChoices();
    case SettingField::Extension:
      return {{".BMP", ".BMP"}, {".bmp", ".bmp"}};
    case SettingField::Colors:
      return {{"フルカラー", "0"}, {"256色", "256"}, {"16色", "16"}, {"2色（白黒）", "2"}};
    case SettingField::Orientation:
      return {{"縦", "1"}, {"横", "2"}};
    case SettingField::Quality:
      return {{"ドラフト", "0"}, {"プリンタの設定のまま", "1"}, {"高品質", "2"}};
    case SettingField::HeaderLayout:
      return {{"中央（日付は右端）", "0"}, {"右寄せ", "1"}, {"印刷しない", "2"}};
    default:
      return {};
  }
}

// The field's value as its list shows it: values that act alike show alike.
std::string ShownValue(const CaptureSettings& settings, SettingField field) {
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
    default:
      return text;
  }
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
      return ControlKind::Choice;
    case SettingField::AlwaysSave:
    case SettingField::Cursor:
    case SettingField::Invert:
    case SettingField::PrintDate:
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
    choices = field == SettingField::Printer ? PrinterChoices(printers, loaded_.printer)
                                             : FixedChoices(field);
    const std::string shown = ShownValue(loaded_, field);
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
