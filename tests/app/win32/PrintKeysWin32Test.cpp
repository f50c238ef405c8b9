#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/PrintKeys.h"
#include "base/KeyBusy.h"
#include "base/Modifiers.h"
#include "hotkey/FakeHotKeySystem.h"
#include "hotkey/win32/Win32AtomTable.h"
#include "hotkey/win32/Win32HotKeyService.h"
#include "hotkey/win32/Win32WindowServices.h"
#include "support/TestWindow.h"

namespace kx::win {
namespace {

using kx::test::Press;
using test::PumpUntil;
using test::TestWindow;

constexpr DWORD kPressTimeout = 3000;
constexpr DWORD kQuietTime = 500;
const wchar_t* const kAtomNames[] = {L"Kaptorix_11", L"Kaptorix_22", L"Kaptorix_33",
                                     L"Kaptorix_44"};

INPUT KeyInput(WORD virtualKey, bool up, bool extended) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0U) | (extended ? KEYEVENTF_EXTENDEDKEY : 0U);
  return input;
}

// Presses a key with the modifiers held as real keys.
void PressKey(WORD virtualKey, bool extended, std::int32_t modifiers) {
  std::vector<INPUT> inputs;
  if (modifiers & kModShift) inputs.push_back(KeyInput(VK_SHIFT, false, false));
  if (modifiers & kModAlt) inputs.push_back(KeyInput(VK_MENU, false, false));
  inputs.push_back(KeyInput(virtualKey, false, extended));
  inputs.push_back(KeyInput(virtualKey, true, extended));
  if (modifiers & kModAlt) inputs.push_back(KeyInput(VK_MENU, true, false));
  if (modifiers & kModShift) inputs.push_back(KeyInput(VK_SHIFT, true, false));
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Print Screen is an extended key.
void PressPrintScreen(std::int32_t modifiers) { PressKey(VK_SNAPSHOT, true, modifiers); }

struct KnownCopies final : RunningCopies {
  bool OtherCopyRunning() override { return otherRunning; }
  bool otherRunning = false;
};

// One copy of the resident program: its main window, registry and registrar.
struct ResidentCopy {
  explicit ResidentCopy(bool otherCopyRunning = false) {
    copies.otherRunning = otherCopyRunning;
    registry = std::make_unique<HotKeyRegistry>(windows, atoms, hotKeys, handler);
    registry->SetTarget(ToWindowHandle(window.get()));
  }
  ~ResidentCopy() { registry.reset(); }
  ResidentCopy(const ResidentCopy&) = delete;
  ResidentCopy& operator=(const ResidentCopy&) = delete;

  std::optional<MessageText> Register(std::int32_t key = VK_SNAPSHOT) {
    return registrar.RegisterPrintKeys(*registry, key);
  }

  TestWindow window;
  Win32WindowServices windows;
  Win32AtomTable atoms;
  Win32HotKeyService hotKeys;
  kx::test::RecordingHandler handler;
  KnownCopies copies;
  PrintKeyRegistrar registrar{copies};
  std::unique_ptr<HotKeyRegistry> registry;
};

bool AnyAtomLeft() {
  for (const wchar_t* name : kAtomNames) {
    if (::GlobalFindAtomW(name) != 0) return true;
  }
  return false;
}

class Win32HotKeyTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(AnyAtomLeft()) << "atoms left by an earlier test"; }
};

TEST_F(Win32HotKeyTest, EveryCombinationReachesTheHandler) {
  ResidentCopy copy;
  ASSERT_EQ(copy.Register(), std::nullopt);
  const struct {
    std::int32_t modifiers;
    const char* name;
  } combinations[] = {
      {0, "Kaptorix_11"}, {4, "Kaptorix_22"}, {1, "Kaptorix_33"}, {5, "Kaptorix_44"}};
  for (const auto& combination : combinations) {
    copy.handler.presses.clear();
    PressPrintScreen(combination.modifiers);
    ASSERT_TRUE(PumpUntil([&] { return !copy.handler.presses.empty(); }, kPressTimeout))
        << "no press for modifiers " << combination.modifiers;
    EXPECT_EQ(copy.handler.presses,
              (std::vector<Press>{{combination.name, combination.modifiers, 44}}));
  }
  const auto reached = copy.window.Seen(WM_HOTKEY);
  ASSERT_EQ(reached.size(), 4U);  // each press also reached the previous procedure
  EXPECT_EQ(reached[3].lParam, 0x002C0005);
  // The identifier comes back sign-extended, so it reads as the atom again.
  EXPECT_EQ(static_cast<std::intptr_t>(reached[3].wParam),
            HotKeyId(::GlobalFindAtomW(L"Kaptorix_44")));
}

TEST_F(Win32HotKeyTest, PressesVanishWhileBusy) {
  ResidentCopy copy;
  ASSERT_EQ(copy.Register(), std::nullopt);
  {
    const KeyBusyScope busy;
    PressPrintScreen(kModShift);
    PumpUntil([] { return false; }, kQuietTime);
    EXPECT_TRUE(copy.handler.presses.empty());
    EXPECT_TRUE(copy.window.Seen(WM_HOTKEY).empty());
  }

  PressPrintScreen(kModShift);
  EXPECT_TRUE(PumpUntil([&] { return !copy.handler.presses.empty(); }, kPressTimeout));
}

TEST_F(Win32HotKeyTest, ConfiguredKeyIsRegisteredInstead) {
  ResidentCopy copy;
  ASSERT_EQ(copy.Register(VK_F9), std::nullopt);
  EXPECT_TRUE(::RegisterHotKey(nullptr, 1, 0, VK_SNAPSHOT));  // Print Screen stays free
  ::UnregisterHotKey(nullptr, 1);
  EXPECT_FALSE(::RegisterHotKey(nullptr, 1, MOD_SHIFT, VK_F9));
  PressKey(VK_F9, false, kModShift);
  ASSERT_TRUE(PumpUntil([&] { return !copy.handler.presses.empty(); }, kPressTimeout));
  EXPECT_EQ(copy.handler.presses, (std::vector<Press>{{"Kaptorix_22", kModShift, VK_F9}}));
}

TEST_F(Win32HotKeyTest, SecondCopyFailsAllFourAndLeavesTheFirstWorking) {
  ResidentCopy first;
  ASSERT_EQ(first.Register(), std::nullopt);
  {
    ResidentCopy second(true);
    const auto box = second.Register();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, "キー登録エラー");
    EXPECT_EQ(box->text,
              "以下のキーを登録できませんでした\r\n"
              "\u3000登録エラー [Print]\r\n"
              "\u3000登録エラー [Print+Shift]\r\n"
              "\u3000登録エラー [Print+Alt]\r\n"
              "\u3000登録エラー [Print+Shift+Alt]\r\n"
              "\r\n"
              "設定画面を開いて、キーを変更して下さい");
  }
  for (const wchar_t* name : kAtomNames) EXPECT_NE(::GlobalFindAtomW(name), 0);
  PressPrintScreen(kModAlt);
  ASSERT_TRUE(PumpUntil([&] { return !first.handler.presses.empty(); }, kPressTimeout));
  EXPECT_EQ(first.handler.presses[0].name, "Kaptorix_33");
}

// Atoms left by a copy that was ended by force: the keys they named are free.
TEST_F(Win32HotKeyTest, AtomsLeftBehindAreTakenOverAndDeleted) {
  for (const wchar_t* name : kAtomNames) ASSERT_NE(::GlobalAddAtomW(name), 0);
  {
    ResidentCopy copy;
    ASSERT_EQ(copy.Register(), std::nullopt);
    PressPrintScreen(kModShift);
    ASSERT_TRUE(PumpUntil([&] { return !copy.handler.presses.empty(); }, kPressTimeout));
    EXPECT_EQ(copy.handler.presses[0].name, "Kaptorix_22");
  }
  EXPECT_FALSE(AnyAtomLeft());
}

// What any process can do to the window: send it a creation message, and
// overwrite or remove the property that names its hook object.
TEST_F(Win32HotKeyTest, ForgedCreationMessageAndPropertyLeaveTheKeysWorking) {
  ResidentCopy copy;
  ASSERT_EQ(copy.Register(), std::nullopt);
  const HWND window = copy.window.get();
  CREATESTRUCTW create{};
  create.lpCreateParams = reinterpret_cast<void*>(std::intptr_t{0x1234});
  create.lpszName = L"forged";
  EXPECT_EQ(::SendMessageW(window, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)), 0);
  EXPECT_TRUE(copy.window.Seen(WM_NCCREATE).empty());

  const std::wstring property = std::to_wstring(ToWindowHandle(window));
  for (const bool remove : {false, true}) {
    if (remove) {
      ::RemovePropW(window, property.c_str());
    } else {
      ::SetPropW(window, property.c_str(), reinterpret_cast<HANDLE>(std::intptr_t{0x1234}));
    }
    copy.handler.presses.clear();
    PressPrintScreen(kModAlt);
    ASSERT_TRUE(PumpUntil([&] { return !copy.handler.presses.empty(); }, kPressTimeout))
        << (remove ? "property removed" : "property overwritten");
    EXPECT_EQ(copy.handler.presses[0].name, "Kaptorix_33");
  }
  copy.registry.reset();
  EXPECT_EQ(copy.window.CurrentProcedure(), TestWindow::OwnProcedure());
  EXPECT_FALSE(AnyAtomLeft());
}

TEST_F(Win32HotKeyTest, CombinationHeldElsewhereFailsAlone) {
  TestWindow other;
  ASSERT_TRUE(::RegisterHotKey(other.get(), 1, MOD_ALT, VK_SNAPSHOT));
  {
    ResidentCopy copy;
    const auto box = copy.Register();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text,
              "以下のキーを登録できませんでした\r\n"
              "\u3000登録エラー [Print+Alt]\r\n"
              "\r\n"
              "設定画面を開いて、キーを変更して下さい");
    EXPECT_EQ(::GlobalFindAtomW(L"Kaptorix_33"), 0);
  }
  ::UnregisterHotKey(other.get(), 1);
}

TEST_F(Win32HotKeyTest, ReleaseLeavesNoHookNoAtomAndNoHotKey) {
  TestWindow other;
  {
    ResidentCopy copy;
    ASSERT_EQ(copy.Register(), std::nullopt);
    ASSERT_NE(copy.window.CurrentProcedure(), TestWindow::OwnProcedure());
    copy.registry.reset();
    EXPECT_EQ(copy.window.CurrentProcedure(), TestWindow::OwnProcedure());
  }
  EXPECT_FALSE(AnyAtomLeft());
  int id = 1;
  for (const UINT modifiers : {0U, UINT{MOD_SHIFT}, UINT{MOD_ALT}, UINT{MOD_SHIFT | MOD_ALT}}) {
    EXPECT_TRUE(::RegisterHotKey(other.get(), id, modifiers, VK_SNAPSHOT)) << modifiers;
    ::UnregisterHotKey(other.get(), id++);
  }
}

}  // namespace
}  // namespace kx::win
