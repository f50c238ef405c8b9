#include "base/win32/FontFaces.h"

#include <cwchar>
#include <string>

#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"

namespace kx::win {
namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

}  // namespace

bool FontFaceInstalled(std::string_view face, BYTE charSet) {
  LOGFONTW query{};
  query.lfCharSet = charSet;
  const std::wstring wide = Utf8ToWide(face);
  if (wide.size() >= LF_FACESIZE) return false;
  std::wmemcpy(query.lfFaceName, wide.c_str(), wide.size() + 1);
  bool found = false;
  const WindowDc screen = WindowDc::Client(nullptr);
  ::EnumFontFamiliesExW(screen.get(), &query, &NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

}  // namespace kx::win
