#include "hotkey/clsHotKey.h"

#include <algorithm>

#include "hotkey/ByteWord.h"
#include "hotkey/clsMessage.h"

namespace kx {

std::int32_t HotKeyId(Atom atom) { return static_cast<std::int16_t>(atom); }

clsHotKey::clsHotKey(WindowServices& windows, AtomTable& atoms, HotKeyService& hotKeys,
                     HotKeyHandler& handler)
    : windows_(windows), atoms_(atoms), hotKeys_(hotKeys), handler_(handler) {}

clsHotKey::~clsHotKey() {
  mDetach();
  for (const std::string& name : mstrKeys) mReleaseKey(name);
  mlngTarget = 0;
  mstrKeys.clear();
}

bool clsHotKey::mAddHotKey(const std::string& strNewKey, std::int32_t lngVirtualKey,
                           std::int32_t enumMask) {
  if (mlngTarget == 0) return false;
  if (atoms_.Find(strNewKey) != 0) return false;
  const Atom atom = atoms_.Add(strNewKey);
  if (atom == 0) return false;
  mstrKeys.push_back(strNewKey);
  if (!hotKeys_.Register(mlngTarget, HotKeyId(atom), enumMask, lngVirtualKey)) {
    mstrKeys.pop_back();
    atoms_.Delete(atom);
    return false;
  }
  return true;
}

bool clsHotKey::mDeleteHotKey(const std::string& strDestKey) {
  if (!mReleaseKey(strDestKey)) return false;
  std::erase(mstrKeys, strDestKey);
  return true;
}

// Unregisters the key and deletes its atom; the name stays in the list.
bool clsHotKey::mReleaseKey(const std::string& name) {
  if (std::find(mstrKeys.begin(), mstrKeys.end(), name) == mstrKeys.end()) return false;
  const Atom atom = atoms_.Find(name);
  if (atom == 0) return false;
  hotKeys_.Unregister(mlngTarget, HotKeyId(atom));
  atoms_.Delete(atom);
  return true;
}

std::intptr_t clsHotKey::CallBackWindow(WindowHandle& /*hWnd*/, std::uint32_t& uMsg,
                                        std::uintptr_t& wParam, std::intptr_t& lParam,
                                        bool& /*booReturn*/) {
  if (uMsg != kWmHotKey) return 0;
  // The identifier is a 32-bit value; a 64-bit wParam may carry it sign- or zero-extended.
  const auto id = static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam));
  const auto atom = static_cast<Atom>(ToInt16(id));
  std::string key = atoms_.NameOf(atom, kMaxKeyNameLength + 1);
  key = key.substr(0, key.find('\0'));
  if (key.empty()) return 0;
  const auto message = static_cast<std::int32_t>(lParam);
  std::int32_t mask = LOWORD(message);
  std::int32_t virtualKey = HIWORD(message);
  handler_.HotKey(key, mask, virtualKey);
  return 0;
}

void clsHotKey::pTarget(WindowHandle lngDestWindow) {
  if (mlngTarget != 0) return;
  mlngTarget = lngDestWindow;
  mAttach();
}

WindowHandle clsHotKey::pTarget() const { return mlngTarget; }

// The hook object stays with the window once attached.
void clsHotKey::mAttach() {
  auto hook = clsMessage::MessageClass(windows_, mlngTarget);
  if (!hook) hook = clsMessage::Create(windows_);
  hook->AddMessage(*this, mlngTarget, true);
}

void clsHotKey::mDetach() {
  if (const auto hook = clsMessage::MessageClass(windows_, mlngTarget)) {
    hook->DeleteMessage(*this, mlngTarget);
  }
}

}  // namespace kx
