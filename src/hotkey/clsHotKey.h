#pragma once
// clsHotKey: system-wide hot keys for one target window, each known by a name
// that is kept as a global atom; the atom is also the hot key's identifier, so
// a WM_HOTKEY names its key by itself. Each press raises HotKey on the handler.
//
// Owner's order: construct, set pTarget, then mAddHotKey. Destroy the object
// while the window still exists: it leaves the window's hook first, then
// unregisters every hot key and deletes its atom.

#include <cstdint>
#include <string>
#include <vector>

#include "hotkey/AtomTable.h"
#include "hotkey/HotKeyHandler.h"
#include "hotkey/HotKeyService.h"
#include "hotkey/MessageTarget.h"
#include "hotkey/WindowServices.h"

namespace kx {

// The hot key identifier of an atom: its 16 bits read as a signed number and
// widened with the sign (hex C123 gives hex FFFFC123).
std::int32_t HotKeyId(Atom atom);

// The longest key name that comes back from a WM_HOTKEY.
inline constexpr int kMaxKeyNameLength = 55;

class clsHotKey final : public MessageTarget {
 public:
  clsHotKey(WindowServices& windows, AtomTable& atoms, HotKeyService& hotKeys,
            HotKeyHandler& handler);
  ~clsHotKey() override;
  clsHotKey(const clsHotKey&) = delete;
  clsHotKey& operator=(const clsHotKey&) = delete;

  // False, with no atom left behind, when no target window is set, an atom of
  // that name exists already, no atom can be added or the system refuses.
  bool mAddHotKey(const std::string& strNewKey, std::int32_t lngVirtualKey, std::int32_t enumMask);
  // False, changing nothing, for a name not registered here or whose atom is gone.
  bool mDeleteHotKey(const std::string& strDestKey);

  // Raises HotKey for every WM_HOTKEY whose identifier is a named atom;
  // OverflowError when wParam is no 16-bit identifier. Leaves booReturn alone.
  std::intptr_t CallBackWindow(WindowHandle& hWnd, std::uint32_t& uMsg, std::uintptr_t& wParam,
                               std::intptr_t& lParam, bool& booReturn) override;

  // The first window set stays; later assignments are ignored.
  void pTarget(WindowHandle lngDestWindow);
  [[nodiscard]] WindowHandle pTarget() const;

 private:
  bool mReleaseKey(const std::string& name);
  void mAttach();
  void mDetach();

  WindowServices& windows_;
  AtomTable& atoms_;
  HotKeyService& hotKeys_;
  HotKeyHandler& handler_;
  WindowHandle mlngTarget = 0;
  std::vector<std::string> mstrKeys;
};

}  // namespace kx
