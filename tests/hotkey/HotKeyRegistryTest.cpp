#include "hotkey/HotKeyRegistry.h"

#include <gtest/gtest.h>

#include <memory>

#include "base/Modifiers.h"
#include "hotkey/FakeHotKeySystem.h"
#include "hotkey/FakeWindowSystem.h"
#include "hotkey/OverflowError.h"

namespace kx {
namespace {

using test::FakeAtomTable;
using test::FakeHotKeyService;
using test::FakeWindowSystem;
using test::Press;
using Registration = FakeHotKeyService::Registration;

constexpr WindowHandle kWindow = 4242;
constexpr std::int32_t kPrintScreen = 44;

std::uintptr_t HotKeyWParam(std::int32_t id) {
  return static_cast<std::uintptr_t>(static_cast<std::intptr_t>(id));
}

class HotKeyTest : public ::testing::Test {
 protected:
  std::intptr_t Press(const std::string& name, std::intptr_t lParam) {
    return windows.Send(kWindow, kWmHotKey, HotKeyWParam(HotKeyId(atoms.Find(name))), lParam);
  }

  FakeWindowSystem windows;
  FakeAtomTable atoms;
  FakeHotKeyService hotKeys;
  test::RecordingHandler handler;
  std::unique_ptr<HotKeyRegistry> registry =
      std::make_unique<HotKeyRegistry>(windows, atoms, hotKeys, handler);
};

TEST(HotKeyId, IsTheAtomAsASignedWord) {
  EXPECT_EQ(HotKeyId(0xC123), static_cast<std::int32_t>(0xFFFFC123U));
  EXPECT_EQ(HotKeyId(0xC000), -16384);
  EXPECT_EQ(HotKeyId(0xFFFF), -1);
  EXPECT_EQ(HotKeyId(0x0123), 0x123);
}

TEST_F(HotKeyTest, NothingRegistersBeforeTheTargetWindow) {
  EXPECT_FALSE(registry->Add("Kaptorix_11", kPrintScreen, 0));
  EXPECT_TRUE(atoms.atoms.empty());
  EXPECT_TRUE(hotKeys.registrations.empty());
  EXPECT_EQ(registry->Target(), 0);
}

TEST_F(HotKeyTest, TargetIsSetOnceAndHooksTheWindow) {
  registry->SetTarget(kWindow);
  registry->SetTarget(kWindow + 1);
  EXPECT_EQ(registry->Target(), kWindow);
  EXPECT_TRUE(windows.HasProperty(kWindow));
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kHookProcedure);
  EXPECT_FALSE(windows.HasProperty(kWindow + 1));
}

TEST_F(HotKeyTest, RegistersUnderItsAtomAsIdentifier) {
  registry->SetTarget(kWindow);
  EXPECT_TRUE(registry->Add("Kaptorix_11", kPrintScreen, kModShift));
  EXPECT_EQ(atoms.Find("Kaptorix_11"), 0xC123);
  EXPECT_EQ(hotKeys.registrations,
            (std::vector<Registration>{
                {kWindow, static_cast<std::int32_t>(0xFFFFC123U), kModShift, kPrintScreen}}));
}

TEST_F(HotKeyTest, ExistingAtomRefusesTheNameWithoutTouchingIt) {
  registry->SetTarget(kWindow);
  const Atom foreign = atoms.Add("Kaptorix_22");
  EXPECT_FALSE(registry->Add("Kaptorix_22", kPrintScreen, 0));
  EXPECT_EQ(atoms.atoms.at(foreign).uses, 1);
  EXPECT_TRUE(hotKeys.registrations.empty());

  ASSERT_TRUE(registry->Add("Kaptorix_11", kPrintScreen, 0));
  EXPECT_FALSE(registry->Add("Kaptorix_11", kPrintScreen, kModAlt));
  EXPECT_EQ(atoms.atoms.at(atoms.Find("Kaptorix_11")).uses, 1);
  EXPECT_EQ(hotKeys.registrations.size(), 1U);
}

// An atom left by a program that no longer runs: taken over on request,
// registered under its identifier and deleted at release.
TEST_F(HotKeyTest, LeftAtomIsTakenOverOnlyWhenAskedAndDeletedAtRelease) {
  registry->SetTarget(kWindow);
  const Atom left = atoms.Add("Kaptorix_11");
  const Atom held = atoms.Add("Kaptorix_33");
  hotKeys.refused.insert({kModAlt, kPrintScreen});
  EXPECT_FALSE(registry->Add("Kaptorix_11", kPrintScreen, 0));
  EXPECT_TRUE(registry->Add("Kaptorix_11", kPrintScreen, 0, ExistingAtom::TakeOver));
  EXPECT_FALSE(registry->Add("Kaptorix_11", kPrintScreen, kModShift, ExistingAtom::TakeOver))
      << "its own key is not taken over again";
  EXPECT_FALSE(registry->Add("Kaptorix_33", kPrintScreen, kModAlt, ExistingAtom::TakeOver));
  EXPECT_EQ(atoms.atoms.at(left).uses, 1);
  EXPECT_EQ(atoms.atoms.at(held).uses, 1) << "a refused key leaves the atom as it was";
  EXPECT_EQ(hotKeys.registrations,
            (std::vector<Registration>{{kWindow, HotKeyId(left), 0, kPrintScreen}}));

  Press("Kaptorix_11", 0x002C0000);
  EXPECT_EQ(handler.presses.size(), 1U);
  registry.reset();
  EXPECT_EQ(atoms.Find("Kaptorix_11"), 0);
  EXPECT_NE(atoms.Find("Kaptorix_33"), 0);
  EXPECT_TRUE(hotKeys.registrations.empty());
}

TEST_F(HotKeyTest, EveryFailureLeavesNoAtomOfItsOwn) {
  registry->SetTarget(kWindow);
  atoms.refuseAdd = true;
  EXPECT_FALSE(registry->Add("Kaptorix_11", kPrintScreen, 0));
  EXPECT_TRUE(hotKeys.registrations.empty());

  atoms.refuseAdd = false;
  hotKeys.refused.insert({kModAlt, kPrintScreen});
  EXPECT_FALSE(registry->Add("Kaptorix_33", kPrintScreen, kModAlt));
  EXPECT_TRUE(atoms.atoms.empty());
  EXPECT_FALSE(registry->Remove("Kaptorix_33"));  // never entered the list
}

TEST_F(HotKeyTest, DeleteUnregistersAndRemovesOneName) {
  registry->SetTarget(kWindow);
  ASSERT_TRUE(registry->Add("A", kPrintScreen, 0));
  ASSERT_TRUE(registry->Add("B", kPrintScreen, kModShift));
  const std::int32_t idOfB = HotKeyId(atoms.Find("B"));

  EXPECT_TRUE(registry->Remove("A"));
  EXPECT_EQ(atoms.Find("A"), 0);
  EXPECT_EQ(hotKeys.registrations,
            (std::vector<Registration>{{kWindow, idOfB, kModShift, kPrintScreen}}));
  EXPECT_FALSE(registry->Remove("A"));
  EXPECT_FALSE(registry->Remove("b"));
  EXPECT_FALSE(registry->Remove("Never"));
}

TEST_F(HotKeyTest, KeyWhoseAtomWasDeletedElsewhereStillWorksAndIsReleased) {
  registry->SetTarget(kWindow);
  ASSERT_TRUE(registry->Add("A", kPrintScreen, 0));
  const std::int32_t idOfA = HotKeyId(atoms.Find("A"));
  atoms.Delete(atoms.Find("A"));
  EXPECT_FALSE(registry->Add("A", kPrintScreen, kModAlt)) << "still this registry's name";
  windows.Send(kWindow, kWmHotKey, HotKeyWParam(idOfA), 0);
  EXPECT_EQ(handler.presses, (std::vector<test::Press>{{"A", 0, kPrintScreen}}));
  const Atom reborn = atoms.Add("A");
  registry.reset();
  EXPECT_TRUE(hotKeys.registrations.empty());
  EXPECT_EQ(atoms.atoms.at(reborn).uses, 1) << "the new atom is not this registry's";
}

TEST_F(HotKeyTest, DeleteOfANameHeldOnlyByAnotherProgramLeavesItsAtom) {
  registry->SetTarget(kWindow);
  ASSERT_TRUE(registry->Add("A", kPrintScreen, 0));
  const Atom foreign = atoms.Add("Foreign");
  EXPECT_FALSE(registry->Remove("Foreign"));
  ASSERT_EQ(atoms.Find("Foreign"), foreign);
  EXPECT_EQ(atoms.atoms.at(foreign).uses, 1);
  EXPECT_EQ(hotKeys.registrations.size(), 1U);
}

TEST_F(HotKeyTest, PressRaisesHotKeyAndReachesThePreviousProcedure) {
  registry->SetTarget(kWindow);
  ASSERT_TRUE(registry->Add("Kaptorix_11", kPrintScreen, 0));
  ASSERT_TRUE(registry->Add("Kaptorix_44", kPrintScreen, kModShift | kModAlt));

  Press("Kaptorix_11", 0x002C0000);
  Press("Kaptorix_44", 0x002C0005);
  EXPECT_EQ(handler.presses, (std::vector<test::Press>{{"Kaptorix_11", 0, kPrintScreen},
                                                       {"Kaptorix_44", 5, kPrintScreen}}));
  ASSERT_EQ(windows.delivered.size(), 2U);
  EXPECT_EQ(windows.delivered[1].message, kWmHotKey);
  EXPECT_EQ(windows.delivered[1].lParam, 0x002C0005);
}

// Any process can send WM_HOTKEY: only the identifiers registered here count,
// with what was registered for them.
TEST_F(HotKeyTest, OnlyItsOwnKeysReachTheHandlerWithTheRegisteredCombination) {
  registry->SetTarget(kWindow);
  ASSERT_TRUE(registry->Add("Kaptorix_22", kPrintScreen, kModShift));
  FakeWindowSystem otherWindows;
  test::RecordingHandler otherHandler;
  HotKeyRegistry other(otherWindows, atoms, hotKeys, otherHandler);
  other.SetTarget(kWindow + 1);
  ASSERT_TRUE(other.Add("Other", 0x78, kModAlt));
  atoms.Add("Elsewhere");

  Press("Elsewhere", 0x002C0004);                                                // a named atom
  windows.Send(kWindow, kWmHotKey, HotKeyWParam(HotKeyId(0xC999)), 0x002C0004);  // no atom
  windows.Send(kWindow, kWmHotKey, 1, 0x002C0004);                               // integer atom #1
  Press("Other", 0x00780001);  // another registry's key
  windows.Send(kWindow, 0x0400, HotKeyWParam(HotKeyId(atoms.Find("Kaptorix_22"))), 0);
  EXPECT_TRUE(handler.presses.empty());

  Press("Kaptorix_22", 0x00410001);  // the sender claims Alt and "A"
  EXPECT_EQ(handler.presses, (std::vector<test::Press>{{"Kaptorix_22", kModShift, kPrintScreen}}));
  EXPECT_EQ(windows.delivered.size(), 6U) << "every message goes on to the window";
  EXPECT_EQ(windows.delivered.back().lParam, 0x00410001);
  EXPECT_TRUE(otherHandler.presses.empty());
}

TEST_F(HotKeyTest, IdentifierIsReadFromTheLow32BitsOfWParam) {
  registry->SetTarget(kWindow);
  ASSERT_TRUE(registry->Add("Kaptorix_11", kPrintScreen, 4));
  const auto id = static_cast<std::uint32_t>(HotKeyId(atoms.Find("Kaptorix_11")));
  windows.Send(kWindow, kWmHotKey, std::uintptr_t{id}, 0x002C0004);  // zero-extended
  windows.Send(kWindow, kWmHotKey, HotKeyWParam(static_cast<std::int32_t>(id)), 0x002C0004);
  ASSERT_EQ(handler.presses.size(), 2U);
  EXPECT_EQ(handler.presses[0].name, "Kaptorix_11");
  EXPECT_EQ(handler.presses[1].name, "Kaptorix_11");
}

TEST_F(HotKeyTest, IdentifierBeyondSixteenBitsRaisesNothing) {
  registry->SetTarget(kWindow);
  ASSERT_TRUE(registry->Add("Kaptorix_11", kPrintScreen, 0));
  windows.Send(kWindow, kWmHotKey, 0xC123, 0x002C0000);
  EXPECT_TRUE(handler.presses.empty());
  EXPECT_EQ(windows.delivered.size(), 1U);

  WindowHandle window = kWindow;
  std::uint32_t message = kWmHotKey;
  std::uintptr_t wParam = 0xC123;
  std::intptr_t lParam = 0x002C0000;
  bool handled = false;
  EXPECT_THROW(registry->HandleMessage(window, message, wParam, lParam, handled), OverflowError);
}

TEST_F(HotKeyTest, KeyNameComesBackWithAtMost55Characters) {
  registry->SetTarget(kWindow);
  const std::string longName(60, 'k');
  ASSERT_TRUE(registry->Add(longName, kPrintScreen, 0));
  Press(longName, 0x002C0000);
  ASSERT_EQ(handler.presses.size(), 1U);
  EXPECT_EQ(handler.presses[0].name, std::string(55, 'k'));
}

TEST_F(HotKeyTest, ReleaseUnhooksFirstThenUnregistersEveryKey) {
  registry->SetTarget(kWindow);
  ASSERT_TRUE(registry->Add("K1", kPrintScreen, 0));
  ASSERT_TRUE(registry->Add("K2", kPrintScreen, kModShift));
  ASSERT_TRUE(registry->Add("K3", kPrintScreen, kModAlt));
  std::vector<ProcedureAddress> procedureAtUnregister;
  hotKeys.onUnregister = [&] { procedureAtUnregister.push_back(windows.ProcedureOf(kWindow)); };

  registry.reset();
  EXPECT_EQ(procedureAtUnregister,
            std::vector<ProcedureAddress>(3, FakeWindowSystem::kOwnProcedure));
  EXPECT_FALSE(windows.HasProperty(kWindow));
  EXPECT_TRUE(hotKeys.registrations.empty());
  EXPECT_TRUE(atoms.atoms.empty());
}

}  // namespace
}  // namespace kx
