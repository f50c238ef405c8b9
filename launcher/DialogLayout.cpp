#include "launcher/DialogLayout.h"

#include <algorithm>

#include "base/ProductNames.h"
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
                          ControlId(field), {}, x, y, cx, kRowHeight});
        break;
      case ControlKind::Choice:
        items_.push_back({ItemKind::DropList, ControlId(field), {}, x, y, cx, kListHeight});
        break;
      case ControlKind::Check:
        break;
    }
  }
  // A labelled row of a group whose left edge is `groupX`.
  void Row(std::string label, SettingField field, int groupX, int y, int cx = kControlWidth) {
    Label(std::move(label), groupX + 8, y, kLabelWidth);
    Control(field, groupX + 8 + kLabelWidth + 4, y, cx);
  }
  void Check(std::string text, SettingField field, int x, int y, int cx) {
    items_.push_back({ItemKind::Check, ControlId(field), std::move(text), x, y + 1, cx, 10});
  }
  void Button(ItemKind kind, int id, std::string text, int x, int y, int cx) {
    items_.push_back({kind, id, std::move(text), x, y, cx, 14});
  }

 private:
  std::vector<DialogItem>& items_;
};

}  // namespace

DialogLayout SettingsDialogLayout() {
  DialogLayout layout{std::string(kDialogTitle), 2 * kMargin + 2 * kGroupWidth + 6, 212, {}};
  LayoutBuilder add(layout);
  const int leftInner = kLeftX + 8;
  const int rightControls = kRightX + 8 + kLabelWidth + 4;
  constexpr int kBottom = 186;

  add.Group("取り込み", kLeftX, 4, 62);
  add.Row("ホットキー(&K):", SettingField::Key, kLeftX, 16);
  add.Check("マウスポインタを写す(&M)", SettingField::Cursor, leftInner, 32, 160);
  add.Check("色を反転する(&I)", SettingField::Invert, leftInner, 46, 160);

  add.Group("保存", kLeftX, 66, kBottom);
  add.Label("保存先フォルダ(&F):", leftInner, 76, 160);
  add.Control(SettingField::SaveDir, leftInner, 88, 116);
  add.Button(ItemKind::Button, kBrowseId, "参照(&B)...", leftInner + 120, 87, 44);
  add.Row("先頭文字(&P):", SettingField::FilePrefix, kLeftX, 106);
  add.Row("連番の桁数(&N):", SettingField::SerialDigits, kLeftX, 122, 30);
  add.Row("拡張子(&X):", SettingField::Extension, kLeftX, 138, 50);
  add.Row("色数(&C):", SettingField::Colors, kLeftX, 154);
  add.Check("Shiftなしでも保存する(&A)", SettingField::AlwaysSave, leftInner, 170, 160);

  add.Group("印刷", kRightX, 4, kBottom);
  add.Label("プリンタ(&R):", kRightX + 8, 14, 160);
  add.Control(SettingField::Printer, kRightX + 8, 26, 164);
  add.Row("向き(&O):", SettingField::Orientation, kRightX, 44);
  add.Row("品質(&Q):", SettingField::Quality, kRightX, 60);
  add.Row("倍率(&E):", SettingField::PrintPercent, kRightX, 76, 30);
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
  add.Row("見出し(&H):", SettingField::HeaderText, kRightX, 124);
  add.Row("配置(&Y):", SettingField::HeaderLayout, kRightX, 140);
  add.Check("日付と時刻を印刷する(&D)", SettingField::PrintDate, kRightX + 8, 156, 160);

  add.Label(std::string(kStoppedStatus), kLeftX, 193, 170);
  layout.items.back().id = kStatusId;
  add.Button(ItemKind::DefaultButton, kSaveAndStartId, "保存して起動(&S)", 185, 191, 68);
  add.Button(ItemKind::Button, kStopId, "常駐を終了(&T)", 257, 191, 60);
  add.Button(ItemKind::Button, kCancelId, "キャンセル", 321, 191, 52);
  return layout;
}

std::string_view ChooseDialogFace(const std::function<bool(std::string_view)>& installed) {
  const auto found = std::find_if(kDialogFaces.begin(), kDialogFaces.end() - 1, installed);
  return *found;
}

int ControlId(SettingField field) {
  const auto index = std::find(kAllSettingFields.begin(), kAllSettingFields.end(), field) -
                     kAllSettingFields.begin();
  return 1000 + static_cast<int>(index);
}

}  // namespace kx
