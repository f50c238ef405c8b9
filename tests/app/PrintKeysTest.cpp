#include "app/PrintKeys.h"

#include <gtest/gtest.h>

#include "base/Modifiers.h"
#include "hotkey/FakeHotKeySystem.h"
#include "hotkey/FakeWindowSystem.h"

namespace kx {
namespace {

using test::FakeAtomTable;
using test::FakeHotKeyService;
using test::FakeWindowSystem;

constexpr WindowHandle kMainWindow = 700;
constexpr std::int32_t kPrintScreen = 44;

const std::string kAllFourFailed =
    "以下のキーを登録できませんでした\r\n"
    "\u3000登録エラー [Print]\r\n"
    "\u3000登録エラー [Print+Shift]\r\n"
    "\u3000登録エラー [Print+Alt]\r\n"
    "\u3000登録エラー [Print+Shift+Alt]\r\n"
    "\r\n"
    "設定画面を開いて、キーを変更して下さい";

struct FakeRunningCopies final : RunningCopies {
  bool OtherCopyRunning() override { return running; }
  bool running = false;
};

// One copy of the program: its main window, registry and registrar.
struct ProgramCopy {
  ProgramCopy(FakeAtomTable& atoms, FakeHotKeyService& hotKeys, WindowHandle window,
              bool otherCopyRunning = false)
      : registry(windows, atoms, hotKeys, handler) {
    copies.running = otherCopyRunning;
    registry.SetTarget(window);
  }
  FakeWindowSystem windows;
  test::RecordingHandler handler;
  HotKeyRegistry registry;
  FakeRunningCopies copies;
  PrintKeyRegistrar registrar{copies};
};

class PrintKeysTest : public ::testing::Test {
 protected:
  FakeAtomTable atoms;
  FakeHotKeyService hotKeys;
};

TEST(PrintKeyAtomName, HasAtLeastTwoDigits) {
  EXPECT_EQ(PrintKeyAtomName(11), "Kaptorix_11");
  EXPECT_EQ(PrintKeyAtomName(5), "Kaptorix_05");
  EXPECT_EQ(PrintKeyAtomName(0), "Kaptorix_00");
  EXPECT_EQ(PrintKeyAtomName(132), "Kaptorix_132");
}

TEST_F(PrintKeysTest, RegistersTheFourCombinationsInOrder) {
  ProgramCopy copy(atoms, hotKeys, kMainWindow);
  EXPECT_EQ(copy.registrar.RegisterPrintKeys(copy.registry, kPrintScreen), std::nullopt);
  ASSERT_EQ(hotKeys.registrations.size(), 4U);
  const char* names[] = {"Kaptorix_11", "Kaptorix_22", "Kaptorix_33", "Kaptorix_44"};
  const std::int32_t modifiers[] = {0, 4, 1, 5};
  for (std::size_t i = 0; i < 4; ++i) {
    const auto& registration = hotKeys.registrations[i];
    EXPECT_EQ(registration.window, kMainWindow);
    EXPECT_EQ(registration.id, HotKeyId(atoms.Find(names[i]))) << names[i];
    EXPECT_EQ(registration.modifiers, modifiers[i]);
    EXPECT_EQ(registration.virtualKey, kPrintScreen);
  }
}

TEST_F(PrintKeysTest, RegionKeysFollowTheFourAndFailInTheSameBox) {
  hotKeys.refused.insert({kModControl | kModShift, kPrintScreen});
  ProgramCopy copy(atoms, hotKeys, kMainWindow);
  const auto box = copy.registrar.RegisterPrintKeys(copy.registry, kPrintScreen, true);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text,
            "以下のキーを登録できませんでした\r\n\u3000登録エラー [Print+Shift+Ctrl]\r\n\r\n"
            "設定画面を開いて、キーを変更して下さい");
  ASSERT_EQ(hotKeys.registrations.size(), 5U);
  EXPECT_EQ(hotKeys.registrations[4].modifiers, kModControl);
  EXPECT_EQ(hotKeys.registrations[4].id, HotKeyId(atoms.Find("Kaptorix_55")));
}

TEST_F(PrintKeysTest, ConfiguredKeyIsRegisteredInstead) {
  ProgramCopy copy(atoms, hotKeys, kMainWindow);
  ASSERT_EQ(copy.registrar.RegisterPrintKeys(copy.registry, 0x7B), std::nullopt);
  ASSERT_EQ(hotKeys.registrations.size(), 4U);
  for (const auto& registration : hotKeys.registrations) EXPECT_EQ(registration.virtualKey, 0x7B);
}

TEST_F(PrintKeysTest, SecondCopyFailsAllFourWithOneBox) {
  ProgramCopy first(atoms, hotKeys, kMainWindow);
  ASSERT_EQ(first.registrar.RegisterPrintKeys(first.registry, kPrintScreen), std::nullopt);
  ProgramCopy second(atoms, hotKeys, kMainWindow + 1, true);
  const auto box = second.registrar.RegisterPrintKeys(second.registry, kPrintScreen);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, "キー登録エラー");
  EXPECT_EQ(box->text, kAllFourFailed);
  EXPECT_EQ(hotKeys.registrations.size(), 4U);
  for (const auto& [atom, entry] : atoms.atoms) EXPECT_EQ(entry.uses, 1) << entry.name;
  EXPECT_EQ(first.registrar.KeysHeld(), 4U);
  EXPECT_EQ(second.registrar.KeysHeld(), 0U);
  EXPECT_EQ(second.registrar.KeysTried(), 4U);
  EXPECT_EQ(WithTrayLine(*box).text,
            kAllFourFailed + "\r\n通知領域のアイコンのメニューからは取り込めます");
}

// A copy ended by force leaves its atoms; the system has freed its keys.
TEST_F(PrintKeysTest, AtomsOfAKilledCopyAreTakenOverAndDeletedAtTheEnd) {
  for (const char* name : {"Kaptorix_11", "Kaptorix_22", "Kaptorix_33", "Kaptorix_44"}) {
    atoms.Add(name);
  }
  {
    ProgramCopy copy(atoms, hotKeys, kMainWindow);
    EXPECT_EQ(copy.registrar.RegisterPrintKeys(copy.registry, kPrintScreen), std::nullopt);
    EXPECT_EQ(hotKeys.registrations.size(), 4U);
    for (const auto& [atom, entry] : atoms.atoms) EXPECT_EQ(entry.uses, 1) << entry.name;
  }
  EXPECT_TRUE(atoms.atoms.empty());
  EXPECT_TRUE(hotKeys.registrations.empty());
}

TEST_F(PrintKeysTest, CombinationHeldElsewhereFailsAlone) {
  hotKeys.refused.insert({kModAlt, kPrintScreen});
  ProgramCopy copy(atoms, hotKeys, kMainWindow);
  const auto box = copy.registrar.RegisterPrintKeys(copy.registry, kPrintScreen);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text,
            "以下のキーを登録できませんでした\r\n"
            "\u3000登録エラー [Print+Alt]\r\n"
            "\r\n"
            "設定画面を開いて、キーを変更して下さい");
  EXPECT_EQ(atoms.Find("Kaptorix_33"), 0);
  EXPECT_EQ(hotKeys.registrations.size(), 3U);
}

TEST_F(PrintKeysTest, RefusedKeyFailsEveryLineStillNamedPrint) {
  for (std::int32_t modifiers : {0, 1, 4, 5}) hotKeys.refused.insert({modifiers, 0xFF});
  ProgramCopy copy(atoms, hotKeys, kMainWindow);
  const auto box = copy.registrar.RegisterPrintKeys(copy.registry, 0xFF);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, kAllFourFailed);
  EXPECT_TRUE(atoms.atoms.empty());
}

TEST_F(PrintKeysTest, EachCallTakesTheNextNumberAndUnknownIndexesMeanNoModifier) {
  ProgramCopy copy(atoms, hotKeys, kMainWindow);
  EXPECT_TRUE(copy.registrar.AddPrintKey(copy.registry, kPrintScreen, 7));
  EXPECT_TRUE(copy.registrar.AddPrintKey(copy.registry, kPrintScreen, 3));
  EXPECT_FALSE(copy.registrar.AddPrintKey(copy.registry, kPrintScreen, -1));  // combination taken
  ASSERT_EQ(hotKeys.registrations.size(), 2U);
  EXPECT_EQ(hotKeys.registrations[0].modifiers, 0);
  EXPECT_EQ(hotKeys.registrations[0].id, HotKeyId(atoms.Find("Kaptorix_11")));
  EXPECT_EQ(hotKeys.registrations[1].modifiers, 5);
  EXPECT_EQ(hotKeys.registrations[1].id, HotKeyId(atoms.Find("Kaptorix_22")));
  EXPECT_EQ(copy.registrar.RegisterPrintKeys(copy.registry, 0x7B), std::nullopt);
  EXPECT_NE(atoms.Find("Kaptorix_77"), 0);  // numbering goes on: 44 to 77
}

}  // namespace
}  // namespace kx
