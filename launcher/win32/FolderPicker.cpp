#include "launcher/win32/FolderPicker.h"

#include <shobjidl.h>

#include "base/win32/ComPtr.h"
#include "base/win32/Strconv.h"

namespace kx::win {

std::optional<std::string> PickFolder(HWND owner, const std::string& initial) {
  ComPtr<IFileOpenDialog> dialog;
  if (FAILED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(dialog.put())))) {
    return std::nullopt;
  }
  FILEOPENDIALOGOPTIONS options = 0;
  dialog->GetOptions(&options);
  dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
  dialog->SetTitle(L"保存先フォルダの選択");
  ComPtr<IShellItem> start;
  if (!initial.empty() && SUCCEEDED(::SHCreateItemFromParsingName(
                              Utf8ToWide(initial).c_str(), nullptr, IID_PPV_ARGS(start.put())))) {
    dialog->SetFolder(start.get());
  }
  ComPtr<IShellItem> chosen;
  if (FAILED(dialog->Show(owner)) || FAILED(dialog->GetResult(chosen.put()))) return std::nullopt;
  CoTaskString path;
  if (FAILED(chosen->GetDisplayName(SIGDN_FILESYSPATH, path.put()))) return std::nullopt;
  return WideToUtf8(path.get());
}

}  // namespace kx::win
