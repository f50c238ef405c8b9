// The pieces of Kaptorix.exe that talk to the window system: the argument
// split and the dialog template.

#include <windows.h>

#include <gtest/gtest.h>

#include "base/win32/Strconv.h"
#include "launcher/DialogLayout.h"
#include "launcher/win32/Arguments.h"
#include "launcher/win32/DialogTemplate.h"

namespace kx::win {
namespace {

TEST(Arguments, SplitsAndUnquotesLikeWindowsPrograms) {
  EXPECT_EQ(
      SplitArguments(LR"("C:\Program Files\Kaptorix.exe" capture "/PRNT=My Printer" /KIND=1)"),
      (std::vector<std::string>{"capture", "/PRNT=My Printer", "/KIND=1"}));
  EXPECT_EQ(SplitArguments(L"Kaptorix.exe set header=\"月報 第1版\""),
            (std::vector<std::string>{"set", "header=月報 第1版"}));
  EXPECT_TRUE(SplitArguments(L"Kaptorix.exe").empty());
}

INT_PTR CALLBACK KeepOpen(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

std::string ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return WideToUtf8(name);
}

std::string TextOf(HWND window) {
  wchar_t text[256] = {};
  ::GetWindowTextW(window, text, 256);
  return WideToUtf8(text);
}

TEST(DialogTemplate, MakesEveryControlOfTheLayout) {
  const DialogLayout layout = SettingsDialogLayout();
  const DialogTemplate dialogTemplate(layout, "MS Shell Dlg", 9);
  const HWND dialog = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr),
                                                   dialogTemplate.get(), nullptr, &KeepOpen, 0);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(TextOf(dialog), layout.title);
  int children = 0;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    ++children;
  }
  EXPECT_EQ(children, static_cast<int>(layout.items.size()));

  for (const DialogItem& item : layout.items) {
    if (item.id == kNoId) continue;
    SCOPED_TRACE(item.id);
    const HWND control = ::GetDlgItem(dialog, item.id);
    ASSERT_NE(control, nullptr);
    const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
    switch (item.kind) {
      case ItemKind::Edit:
      case ItemKind::NumberEdit:
        EXPECT_EQ(ClassOf(control), "Edit");
        EXPECT_EQ((style & ES_NUMBER) != 0, item.kind == ItemKind::NumberEdit);
        break;
      case ItemKind::DropList:
        EXPECT_EQ(ClassOf(control), "ComboBox");
        EXPECT_EQ(style & CBS_DROPDOWNLIST, CBS_DROPDOWNLIST);
        break;
      case ItemKind::Check:
        EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX);
        EXPECT_EQ(TextOf(control), item.text);
        break;
      case ItemKind::DefaultButton:
        EXPECT_EQ(style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        EXPECT_EQ(TextOf(control), item.text);
        break;
      default:
        EXPECT_EQ(TextOf(control), item.text);
        break;
    }
    if (item.kind != ItemKind::Label && item.kind != ItemKind::Group) {
      EXPECT_NE(style & WS_TABSTOP, 0);
    }
  }
  ::DestroyWindow(dialog);
}

}  // namespace
}  // namespace kx::win
