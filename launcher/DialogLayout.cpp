#include "launcher/DialogLayout.h"

#include <algorithm>

#include "base/ProductNames.h"
#include "launcher/SettingRules.h"
#include "launcher/SettingsForm.h"

namespace kx {
namespace {

constexpr int kMargin = 7;
constexpr int kGroupWidth = 180;
constexpr int kLabelWidth = 60;
constexpr int kControlWidth = 100;
constexpr int kRowHeight = 12;
constexpr int kListHeight = 120;
constexpr int kLeftX = kMargin;
constexpr int kRightX = kMargin + kGroupWidth + 6;

// The field's label as its messages name it, with a mnemonic.
std::string LabelText(SettingField field, char mnemonic) {
  return std::string(Label(field)) + "(&" + mnemonic + ")";
}

class LayoutBuilder {
 public:
  explicit LayoutBuilder(DialogLayout& layout) : items_(layout.items) {}

  void Group(std::string text, int x, int y, int bottom) {
    items_.push_back({ItemKind::Group, kNoId, std::move(text), x, y, kGroupWidth, bottom - y});
  }
  void Label(std::string text, int x, int y, int cx) {
    items_.push_back({ItemKind::Label, kNoId, std::move(text), x, y + 2, cx, 8});
  }
  // A field's control at (x, y) with the given width.
  void Control(SettingField field, int x, int y, int cx) {
    switch (KindOf(field)) {
      case ControlKind::Edit:
        items_.push_back({HoldsNumber(field) ? ItemKind::NumberEdit : ItemKind::Edit,
                          ControlId(field),
                          {},
                          x,
                          y,
                          cx,
                          kRowHeight});
        break;
      case ControlKind::Choice:
        items_.push_back({ItemKind::DropList, ControlId(field), {}, x, y, cx, kListHeight});
        break;
      case ControlKind::Check:
        break;
    }
  }
  // A row of a group whose left edge is `groupX`: the field's label with its
  // mnemonic, then its control.
  void Row(SettingField field, char mnemonic, int groupX, int y, int cx = kControlWidth) {
    Label(LabelText(field, mnemonic) + ":", groupX + 8, y, kLabelWidth);
    Control(field, groupX + 8 + kLabelWidth + 4, y, cx);
  }
  void Check(SettingField field, char mnemonic, int x, int y, int cx) {
    items_.push_back(
        {ItemKind::Check, ControlId(field), LabelText(field, mnemonic), x, y + 1, cx, 10});
  }
  void Button(ItemKind kind, int id, std::string text, int x, int y, int cx) {
    items_.push_back({kind, id, std::move(text), x, y, cx, 14});
  }

 private:
  std::vector<DialogItem>& items_;
};

}  // namespace

DialogLayout SettingsDialogLayout() {
  DialogLayout layout{std::string(kDialogTitle), 2 * kMargin + 2 * kGroupWidth + 6, 292, {}};
  LayoutBuilder add(layout);
  const int leftInner = kLeftX + 8;
  const int rightControls = kRightX + 8 + kLabelWidth + 4;
  constexpr int kBottom = 254;

  add.Group("取り込み", kLeftX, 4, 114);
  add.Row(SettingField::Key, 'K', kLeftX, 16);
  add.Label(std::string(kKeysExplained), leftInner, 30, 164);
  layout.items.back().cy = 16;
  add.Row(SettingField::Screen, '1', kLeftX, 48);
  add.Check(SettingField::Cursor, 'M', leftInner, 64, 160);
  add.Check(SettingField::Invert, 'I', leftInner, 76, 160);
  add.Check(SettingField::Clipboard, '2', leftInner, 88, 160);
  add.Check(SettingField::Region, '5', leftInner, 100, 160);

  add.Group("保存", kLeftX, 118, kBottom);
  add.Label(LabelText(SettingField::SaveDir, 'F') + ":", leftInner, 128, 160);
  add.Control(SettingField::SaveDir, leftInner, 140, 116);
  add.Button(ItemKind::Button, kBrowseId, "参照(&B)...", leftInner + 120, 139, 44);
  add.Row(SettingField::FilePrefix, 'P', kLeftX, 158);
  add.Row(SettingField::SerialDigits, 'N', kLeftX, 174, 30);
  add.Row(SettingField::FileFormat, '3', kLeftX, 190, 50);
  add.Row(SettingField::Extension, 'X', kLeftX, 206, 50);
  add.Row(SettingField::Colors, 'V', kLeftX, 222);
  add.Check(SettingField::AlwaysSave, 'A', leftInner, 238, 160);

  add.Group("印刷", kRightX, 4, 174);
  add.Label(LabelText(SettingField::Printer, 'R') + ":", kRightX + 8, 14, 160);
  add.Control(SettingField::Printer, kRightX + 8, 26, 164);
  add.Row(SettingField::Orientation, 'O', kRightX, 44);
  add.Row(SettingField::Quality, 'Q', kRightX, 60);
  add.Row(SettingField::PrintPercent, 'E', kRightX, 76, 30);
  add.Label("%", rightControls + 33, 76, 12);
  add.Label("余白 (mm):", kRightX + 8, 92, kLabelWidth);
  add.Label("左(&L)", rightControls, 92, 22);
  add.Control(SettingField::MarginLeft, rightControls + 24, 92, 22);
  add.Label("右(&G)", rightControls + 52, 92, 22);
  add.Control(SettingField::MarginRight, rightControls + 76, 92, 24);
  add.Label("上(&U)", rightControls, 108, 22);
  add.Control(SettingField::MarginTop, rightControls + 24, 108, 22);
  add.Label("下(&W)", rightControls + 52, 108, 22);
  add.Control(SettingField::MarginBottom, rightControls + 76, 108, 24);
  add.Row(SettingField::HeaderText, 'H', kRightX, 124);
  add.Row(SettingField::HeaderLayout, 'Y', kRightX, 140);
  add.Check(SettingField::PrintDate, 'D', kRightX + 8, 156, 160);

  add.Group("常駐", kRightX, 178, kBottom);
  add.Check(SettingField::Tray, '4', kRightX + 8, 190, 160);

  add.Label(std::string(kStoppedStatus), kLeftX, 260, 200);
  layout.items.back().id = kStatusId;
  add.Button(ItemKind::DefaultButton, kSaveAndStartId, "保存して起動(&S)", 133, 273, 68);
  add.Button(ItemKind::Button, kSaveOnlyId, "保存のみ(&J)", 205, 273, 52);
  add.Button(ItemKind::Button, kStopId, "常駐を終了(&T)", 261, 273, 60);
  add.Button(ItemKind::Button, kCancelId, "キャンセル(&C)", 325, 273, 48);
  return layout;
}

std::string_view ChooseDialogFace(const std::function<bool(std::string_view)>& installed) {
  const auto found = std::find_if(kDialogFaces.begin(), kDialogFaces.end() - 1, installed);
  return *found;
}

int ControlId(SettingField field) { return 1000 + static_cast<int>(IndexOf(field)); }

}  // namespace kx
