#pragma once
// The settings dialog's controls and where they stand, in dialog units.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/SettingFields.h"

namespace kx {

enum class ItemKind { Group, Label, Edit, NumberEdit, Check, DropList, Button, DefaultButton };

struct DialogItem {
  ItemKind kind;
  int id;
  std::string text;  // "&" marks the mnemonic
  int x, y, cx, cy;  // for a drop-down list, cy includes the open list
};

struct DialogLayout {
  std::string title;
  int cx, cy;
  std::vector<DialogItem> items;  // in tab order
};

inline constexpr int kNoId = -1;
inline constexpr int kSaveAndStartId = 1;  // the OK button: Enter
inline constexpr int kCancelId = 2;        // Esc
inline constexpr int kStopId = 3001;
inline constexpr int kBrowseId = 3002;
inline constexpr int kStatusId = 3003;
inline constexpr int kSaveOnlyId = 3004;

inline constexpr std::string_view kDialogTitle = "Kaptorix 設定";
inline constexpr std::string_view kResidentStatus = "Kaptorix_Key は常駐しています";
inline constexpr std::string_view kStoppedStatus = "Kaptorix_Key は常駐していません";
inline constexpr std::string_view kKeysExplained =
    "Shift+キーで保存、Alt+キーで\r\n手前のウィンドウだけを取り込みます";

// The id of the control that shows a field.
int ControlId(SettingField field);

DialogLayout SettingsDialogLayout();

inline constexpr int kDialogPointSize = 9;

// The first of kDialogFaces that is installed; the last one when none is.
std::string_view ChooseDialogFace(const std::function<bool(std::string_view)>& installed);

}  // namespace kx
