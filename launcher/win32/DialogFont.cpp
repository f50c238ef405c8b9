#include "launcher/win32/DialogFont.h"

#include <windows.h>

#include <cwchar>

#include "launcher/DialogLayout.h"
#include "win32/ScopedWin.h"
#include "win32/Strconv.h"

namespace kx::win {
namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FaceInstalled(std::string_view face) {
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  const std::wstring wide = Utf8ToWide(face);
  if (wide.size() >= LF_FACESIZE) return false;
  std::wmemcpy(query.lfFaceName, wide.c_str(), wide.size() + 1);
  bool found = false;
  const WindowDc screen = WindowDc::Client(nullptr);
  ::EnumFontFamiliesExW(screen.get(), &query, &NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

}  // namespace

std::string DialogFace() { return std::string(ChooseDialogFace(&FaceInstalled)); }

}  // namespace kx::win
