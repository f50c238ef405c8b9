#include "launcher/win32/DialogTemplate.h"

#include "base/win32/Strconv.h"

namespace kx::win {
namespace {

// Predefined window classes, by their ordinal.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kComboBoxClass = 0x0085;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kTabStop = WS_TABSTOP | WS_GROUP;

struct ItemClass {
  WORD windowClass;
  DWORD style;
  DWORD exStyle;
};

ItemClass ClassOf(ItemKind kind) {
  switch (kind) {
    case ItemKind::Group:
      return {kButtonClass, kChild | BS_GROUPBOX, 0};
    case ItemKind::Label:
      return {kStaticClass, kChild | SS_LEFT, 0};
    case ItemKind::Edit:
      return {kEditClass, kChild | kTabStop | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ItemKind::NumberEdit:
      return {kEditClass, kChild | kTabStop | ES_AUTOHSCROLL | ES_NUMBER | ES_RIGHT,
              WS_EX_CLIENTEDGE};
    case ItemKind::Check:
      return {kButtonClass, kChild | kTabStop | BS_AUTOCHECKBOX, 0};
    case ItemKind::DropList:
      return {kComboBoxClass, kChild | kTabStop | CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case ItemKind::Button:
      return {kButtonClass, kChild | kTabStop | BS_PUSHBUTTON, 0};
    case ItemKind::DefaultButton:
      return {kButtonClass, kChild | kTabStop | BS_DEFPUSHBUTTON, 0};
  }
  return {kStaticClass, kChild, 0};
}

WORD Coordinate(int value) { return static_cast<WORD>(static_cast<short>(value)); }

}  // namespace

DialogTemplate::DialogTemplate(const DialogLayout& layout, const std::string& fontFace,
                               WORD pointSize) {
  Word(1);       // dlgVer
  Word(0xFFFF);  // signature: the extended template
  Dword(0);      // helpID
  Dword(WS_EX_APPWINDOW);
  Dword(DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU |
        WS_MINIMIZEBOX);
  Word(static_cast<WORD>(layout.items.size()));
  Word(0);
  Word(0);
  Word(Coordinate(layout.cx));
  Word(Coordinate(layout.cy));
  Word(0);  // no menu
  Word(0);  // the standard dialog class
  Text(Utf8ToWide(layout.title));
  Word(pointSize);
  Word(FW_NORMAL);
  Word(static_cast<WORD>(SHIFTJIS_CHARSET << 8));  // italic FALSE, then the character set
  Text(Utf8ToWide(fontFace));
  for (const DialogItem& item : layout.items) Item(item);
}

void DialogTemplate::Dword(DWORD value) {
  Word(LOWORD(value));
  Word(HIWORD(value));
}

void DialogTemplate::Text(const std::wstring& text) {
  for (const wchar_t c : text) Word(static_cast<WORD>(c));
  Word(0);
}

void DialogTemplate::AlignToDword() {
  if (words_.size() % 2 != 0) Word(0);
}

void DialogTemplate::Item(const DialogItem& item) {
  const ItemClass itemClass = ClassOf(item.kind);
  AlignToDword();
  Dword(0);  // helpID
  Dword(itemClass.exStyle);
  Dword(itemClass.style);
  Word(Coordinate(item.x));
  Word(Coordinate(item.y));
  Word(Coordinate(item.cx));
  Word(Coordinate(item.cy));
  Dword(static_cast<DWORD>(item.id));
  Word(0xFFFF);
  Word(itemClass.windowClass);
  Text(Utf8ToWide(item.text));
  Word(0);  // no creation data
}

}  // namespace kx::win
