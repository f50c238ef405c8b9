#pragma once
// The global atom table through GlobalFindAtomW, GlobalAddAtomW and
// GlobalDeleteAtom.

#include "hotkey/AtomTable.h"

namespace kx::win {

class Win32AtomTable final : public AtomTable {
 public:
  Atom Find(const std::string& name) override;
  Atom Add(const std::string& name) override;
  void Delete(Atom atom) override;
};

}  // namespace kx::win
