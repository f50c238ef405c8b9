#pragma once
// An in-memory dialog template (DLGTEMPLATEEX) for DialogBoxIndirectParamW.

#include <windows.h>

#include <string>
#include <vector>

#include "launcher/DialogLayout.h"

namespace kx::win {

class DialogTemplate {
 public:
  DialogTemplate(const DialogLayout& layout, const std::string& fontFace, WORD pointSize);

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value);
  void Text(const std::wstring& text);
  void AlignToDword();
  void Item(const DialogItem& item);

  std::vector<WORD> words_;
};

}  // namespace kx::win
