#include "launcher/win32/DialogFont.h"

#include "base/win32/FontFaces.h"
#include "launcher/DialogLayout.h"

namespace kx::win {

std::string DialogFace() {
  return std::string(ChooseDialogFace(
      [](std::string_view face) { return FontFaceInstalled(face, DEFAULT_CHARSET); }));
}

}  // namespace kx::win
