#include "launcher/win32/DialogTable.h"

#include <map>

namespace kx::win {
namespace {

struct Table {
  SettingsDialog* expected = nullptr;
  std::map<HWND, SettingsDialog*> dialogs;
};

// The dialogs run on the one thread that shows them.
Table& TheTable() {
  static Table table;
  return table;
}

}  // namespace

void DialogTable::Expect(SettingsDialog* dialog) { TheTable().expected = dialog; }

SettingsDialog* DialogTable::Bind(HWND window) {
  Table& table = TheTable();
  SettingsDialog* const dialog = table.expected;
  table.expected = nullptr;
  if (dialog) table.dialogs[window] = dialog;
  return dialog;
}

SettingsDialog* DialogTable::Find(HWND window) {
  const auto& dialogs = TheTable().dialogs;
  const auto found = dialogs.find(window);
  return found == dialogs.end() ? nullptr : found->second;
}

void DialogTable::Remove(HWND window) { TheTable().dialogs.erase(window); }

}  // namespace kx::win
