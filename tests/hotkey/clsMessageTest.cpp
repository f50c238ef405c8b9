#include "hotkey/clsMessage.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "hotkey/FakeWindowSystem.h"
#include "hotkey/KeyBusy.h"

namespace kx {
namespace {

using test::DeliveredMessage;
using test::FakeWindowSystem;

constexpr WindowHandle kWindow = 66382;
constexpr WindowHandle kChild = 1100;
constexpr std::uint32_t kUser = 0x0400;

// The five values a target receives, by reference.
struct Values {
  WindowHandle& hWnd;
  std::uint32_t& uMsg;
  std::uintptr_t& wParam;
  std::intptr_t& lParam;
  bool& booReturn;
};

class Target final : public MessageTarget {
 public:
  using Action = std::function<std::intptr_t(Values&)>;
  explicit Target(Action action = nullptr) : action_(std::move(action)) {}

  std::intptr_t CallBackWindow(WindowHandle& hWnd, std::uint32_t& uMsg, std::uintptr_t& wParam,
                               std::intptr_t& lParam, bool& booReturn) override {
    received.push_back({0, hWnd, uMsg, wParam, lParam});
    Values values{hWnd, uMsg, wParam, lParam, booReturn};
    return action_ ? action_(values) : 0;
  }

  std::vector<DeliveredMessage> received;

 private:
  Action action_;
};

Target::Action Returns(std::intptr_t result, bool setReturn = false) {
  return [=](Values& values) {
    if (setReturn) values.booReturn = true;
    return result;
  };
}

class HookTest : public ::testing::Test {
 protected:
  void TearDown() override { intKeyBusy = 0; }

  FakeWindowSystem windows;
  std::shared_ptr<clsMessage> hook = clsMessage::Create(windows);
};

using Log = std::vector<std::string>;

TEST_F(HookTest, FirstMessageEntryHooksTheWindowOnce) {
  Target a, b;
  EXPECT_TRUE(hook->AddMessage(a, kWindow, true));
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kHookProcedure);
  EXPECT_EQ(windows.log, (Log{"set 66382", "install"}));
  EXPECT_EQ(windows.GetProperty(kWindow, "66382"), reinterpret_cast<std::intptr_t>(hook.get()));
  EXPECT_EQ(clsMessage::MessageClass(windows, kWindow), hook);

  EXPECT_TRUE(hook->AddMessage(b, kWindow, true));
  EXPECT_TRUE(hook->AddMessage(a, kWindow, false));  // the same target may stand twice
  EXPECT_EQ(windows.log.size(), 2U);
  EXPECT_EQ(hook->MessageCount(), 3);
  EXPECT_TRUE(hook->DeleteMessage(a, kWindow));
  EXPECT_TRUE(hook->DeleteMessage(b, kWindow));
}

TEST_F(HookTest, MessageListKeepsToTheFirstWindow) {
  Target a, b;
  ASSERT_TRUE(hook->AddMessage(a, kWindow, true));
  EXPECT_FALSE(hook->AddMessage(b, kWindow + 1, true));
  EXPECT_EQ(hook->MessageCount(), 1);
  EXPECT_FALSE(windows.HasProperty(kWindow + 1));
  EXPECT_TRUE(hook->DeleteMessage(a, kWindow));
}

TEST_F(HookTest, DeleteMessageRemovesTheTargetAndTheLastOneUnhooks) {
  Target a, b, stranger;
  hook->AddMessage(a, kWindow, true);
  hook->AddMessage(b, kWindow, true);
  hook->AddMessage(a, kWindow, true);

  EXPECT_FALSE(hook->DeleteMessage(stranger, kWindow));
  EXPECT_EQ(hook->MessageCount(), 3);
  EXPECT_TRUE(hook->DeleteMessage(a, kWindow + 5));  // the window is not compared
  EXPECT_EQ(hook->MessageCount(), 1);
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kHookProcedure);

  windows.log.clear();
  EXPECT_TRUE(hook->DeleteMessage(b, kWindow));
  EXPECT_EQ(windows.log, (Log{"restore", "remove 66382"}));
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kOwnProcedure);
  EXPECT_FALSE(windows.HasProperty(kWindow));
  EXPECT_EQ(clsMessage::MessageClass(windows, kWindow), nullptr);
  EXPECT_FALSE(hook->DeleteMessage(b, kWindow));

  EXPECT_TRUE(hook->AddMessage(b, kWindow, true));  // hooked again
  EXPECT_EQ(clsMessage::MessageClass(windows, kWindow), hook);
  EXPECT_TRUE(hook->DeleteMessage(b, kWindow));
}

TEST_F(HookTest, ChildEntriesAreOnePerChildAndNeitherHookNorUnhook) {
  Target a, b;
  EXPECT_TRUE(hook->AddChildMessage(a, kChild, true));
  EXPECT_FALSE(hook->AddChildMessage(a, kChild, true));
  EXPECT_FALSE(hook->AddChildMessage(b, kChild, false));
  EXPECT_TRUE(hook->AddChildMessage(a, kChild + 1, true));
  EXPECT_EQ(hook->ChildMessageCount(), 2);
  EXPECT_TRUE(windows.log.empty());

  hook->AddMessage(a, kWindow, true);
  EXPECT_TRUE(hook->DeleteChildMessage(b, kChild));  // whichever target is named
  EXPECT_FALSE(hook->DeleteChildMessage(a, kChild));
  EXPECT_TRUE(hook->DeleteChildMessage(a, kChild + 1));
  EXPECT_EQ(hook->ChildMessageCount(), 0);
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kHookProcedure);
  hook->DeleteMessage(a, kWindow);
}

TEST_F(HookTest, EnabledTargetsThenThePreviousProcedureReceiveEachMessage) {
  Target a, disabled, c;
  hook->AddMessage(a, kWindow, true);
  hook->AddMessage(disabled, kWindow, false);
  hook->AddMessage(c, kWindow, true);

  EXPECT_EQ(windows.Send(kWindow, kUser, 7, 8), FakeWindowSystem::kOwnResult);
  ASSERT_EQ(a.received.size(), 1U);
  EXPECT_EQ(a.received[0].uMsg, kUser);
  EXPECT_EQ(a.received[0].wParam, 7U);
  EXPECT_EQ(a.received[0].lParam, 8);
  EXPECT_TRUE(disabled.received.empty());
  EXPECT_EQ(c.received.size(), 1U);
  ASSERT_EQ(windows.delivered.size(), 1U);
  EXPECT_EQ(windows.delivered[0].procedure, FakeWindowSystem::kOwnProcedure);
  EXPECT_EQ(windows.delivered[0].hWnd, kWindow);
  EXPECT_EQ(windows.delivered[0].uMsg, kUser);
}

TEST_F(HookTest, TargetsChangeWhatLaterTargetsAndThePreviousProcedureReceive) {
  Target changer([](Values& values) {
    values.uMsg = kUser + 1;
    values.wParam = 30;
    values.lParam = 40;
    return std::intptr_t{0};
  });
  Target later;
  hook->AddMessage(changer, kWindow, true);
  hook->AddMessage(later, kWindow, true);

  windows.Send(kWindow, kUser, 1, 2);
  ASSERT_EQ(later.received.size(), 1U);
  EXPECT_EQ(later.received[0].uMsg, kUser + 1);
  EXPECT_EQ(later.received[0].wParam, 30U);
  EXPECT_EQ(later.received[0].lParam, 40);
  ASSERT_EQ(windows.delivered.size(), 1U);
  EXPECT_EQ(windows.delivered[0].uMsg, kUser + 1);
  EXPECT_EQ(windows.delivered[0].wParam, 30U);
  EXPECT_EQ(windows.delivered[0].lParam, 40);
}

TEST_F(HookTest, BooReturnStopsThePreviousProcedureWithTheLastTargetsResult) {
  Target setter(Returns(10, true));
  Target last(Returns(20));
  hook->AddMessage(setter, kWindow, true);
  hook->AddMessage(last, kWindow, true);

  EXPECT_EQ(windows.Send(kWindow, kUser), 20);
  EXPECT_TRUE(windows.delivered.empty());
  EXPECT_EQ(last.received.size(), 1U);
}

TEST_F(HookTest, FailingTargetIsPassedOverAndKeepsThePendingResult) {
  Target setter(Returns(10, true));
  Target failing([](Values& values) -> std::intptr_t {
    values.lParam = 42;
    throw std::runtime_error("target failed");
  });
  hook->AddMessage(setter, kWindow, true);
  hook->AddMessage(failing, kWindow, true);
  EXPECT_EQ(windows.Send(kWindow, kUser), 10);

  Target after;
  hook->AddMessage(after, kWindow, true);
  EXPECT_EQ(windows.Send(kWindow, kUser), 0);
  ASSERT_EQ(after.received.size(), 1U);
  EXPECT_EQ(after.received[0].lParam, 42);
}

TEST_F(HookTest, BusyFlagSwallowsEveryMessage) {
  Target target(Returns(9, true));
  hook->AddMessage(target, kWindow, true);
  intKeyBusy = 1;
  EXPECT_EQ(windows.Send(kWindow, kUser), 0);
  EXPECT_TRUE(target.received.empty());
  EXPECT_TRUE(windows.delivered.empty());
  intKeyBusy = 0;
  EXPECT_EQ(windows.Send(kWindow, kUser), 9);
  EXPECT_EQ(target.received.size(), 1U);
}

TEST_F(HookTest, NestedMessageGoesStraightToThePreviousProcedure) {
  Target pumping([this](Values& values) {
    if (values.uMsg == kUser) windows.Send(kWindow, kUser + 1);
    return std::intptr_t{0};
  });
  hook->AddMessage(pumping, kWindow, true);

  windows.Send(kWindow, kUser);
  ASSERT_EQ(pumping.received.size(), 1U);
  ASSERT_EQ(windows.delivered.size(), 2U);
  EXPECT_EQ(windows.delivered[0].uMsg, kUser + 1);
  EXPECT_EQ(windows.delivered[1].uMsg, kUser);

  windows.Send(kWindow, kUser + 2);  // the guard is down again
  EXPECT_EQ(pumping.received.size(), 2U);
}

TEST_F(HookTest, ListChangesDuringForwardingFollowThePositions) {
  Target b, c, added;
  Target remover([&](Values& values) {
    if (values.uMsg == kUser) hook->DeleteMessage(b, kWindow);
    if (values.uMsg == kUser + 1) hook->AddMessage(added, kWindow, true);
    return std::intptr_t{0};
  });
  hook->AddMessage(remover, kWindow, true);
  hook->AddMessage(b, kWindow, true);
  hook->AddMessage(c, kWindow, true);

  windows.Send(kWindow, kUser);  // c moves up into the visited positions
  EXPECT_TRUE(b.received.empty());
  EXPECT_EQ(c.received.size(), 1U);

  windows.Send(kWindow, kUser + 1);  // added behind the positions of this pass
  EXPECT_TRUE(added.received.empty());
  windows.Send(kWindow, kUser + 2);
  EXPECT_EQ(added.received.size(), 1U);
}

TEST_F(HookTest, ChildNotificationsReachTheChildTargetFirst) {
  std::vector<std::string> order;
  Target child([&](Values&) {
    order.push_back("child");
    return std::intptr_t{0};
  });
  Target silentChild;
  Target main([&](Values&) {
    order.push_back("main");
    return std::intptr_t{0};
  });
  hook->AddChildMessage(child, kChild, true);
  hook->AddChildMessage(silentChild, kChild + 1, false);
  hook->AddMessage(main, kWindow, true);

  windows.Send(kWindow, kWmCommand, 0, kChild);
  EXPECT_EQ(order, (Log{"child", "main"}));

  order.clear();
  windows.notifyHeaders[0x5000] = NotifyHeader{kChild, 3, 0xFFFFFFF0U};
  windows.Send(kWindow, kWmNotify, 3, 0x5000);
  EXPECT_EQ(order, (Log{"child", "main"}));

  order.clear();
  windows.Send(kWindow, kWmNotify, 3, 0x6000);  // no header to read
  windows.Send(kWindow, kWmCommand, 0, kChild + 1);
  windows.Send(kWindow, kUser, 0, kChild);  // other messages are no notifications
  EXPECT_EQ(order, (Log{"main", "main", "main"}));
  EXPECT_TRUE(silentChild.received.empty());
}

// Another process may send WM_NOTIFY with any lParam; with no child entry it is never read.
TEST_F(HookTest, NotificationPointerIsReadOnlyWhenAChildHasAnEntry) {
  Target main;
  hook->AddMessage(main, kWindow, true);
  windows.Send(kWindow, kWmNotify, 3, 0x7000);
  EXPECT_EQ(windows.notifyHeaderReads, 0);
  EXPECT_EQ(main.received.size(), 1U);

  Target child;
  hook->AddChildMessage(child, kChild, true);
  windows.Send(kWindow, kWmNotify, 3, 0x7000);
  EXPECT_EQ(windows.notifyHeaderReads, 1);
}

TEST_F(HookTest, WindowKeepsItsHookObjectAliveOnlyWhileHooked) {
  Target a;
  hook->AddMessage(a, kWindow, true);
  const std::weak_ptr<clsMessage> watch = hook;
  hook.reset();
  ASSERT_FALSE(watch.expired());
  windows.Send(kWindow, kUser);
  EXPECT_EQ(a.received.size(), 1U);

  clsMessage::MessageClass(windows, kWindow)->DeleteMessage(a, kWindow);
  EXPECT_TRUE(watch.expired());
}

TEST_F(HookTest, TargetDetachingDuringItsMessageStillLetsThePreviousProcedureSeeIt) {
  Target* self = nullptr;
  Target leaving([&](Values&) {
    clsMessage::MessageClass(windows, kWindow)->DeleteMessage(*self, kWindow);
    return std::intptr_t{0};
  });
  self = &leaving;
  hook->AddMessage(leaving, kWindow, true);
  const std::weak_ptr<clsMessage> watch = hook;
  hook.reset();

  windows.Send(kWindow, kUser);
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kOwnProcedure);
  ASSERT_EQ(windows.delivered.size(), 1U);
  EXPECT_EQ(windows.delivered[0].procedure, FakeWindowSystem::kOwnProcedure);
  EXPECT_TRUE(watch.expired());
}

TEST_F(HookTest, RefusedProcedureKeepsTheEntryAndRestoresNothingLater) {
  Target a;
  windows.refuseProcedure = true;
  EXPECT_TRUE(hook->AddMessage(a, kWindow, true));
  EXPECT_EQ(hook->MessageCount(), 1);
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kOwnProcedure);
  EXPECT_EQ(clsMessage::MessageClass(windows, kWindow), hook);

  windows.log.clear();
  EXPECT_TRUE(hook->DeleteMessage(a, kWindow));
  EXPECT_EQ(windows.log, (Log{"remove 66382"}));
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kOwnProcedure);
}

TEST_F(HookTest, RefusedPropertyLeavesTheProcedureAlone) {
  Target a;
  windows.refuseProperty = true;
  EXPECT_TRUE(hook->AddMessage(a, kWindow, true));
  EXPECT_EQ(windows.log, (Log{"set 66382"}));
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kOwnProcedure);
  const std::weak_ptr<clsMessage> watch = hook;
  hook.reset();
  EXPECT_TRUE(watch.expired());
}

TEST_F(HookTest, HookedWindowWithoutItsHookObjectGetsDefaultHandling) {
  windows.procedures[kWindow] = FakeWindowSystem::kHookProcedure;
  EXPECT_EQ(windows.Send(kWindow, kUser), FakeWindowSystem::kDefaultResult);
  ASSERT_EQ(windows.delivered.size(), 1U);
  EXPECT_EQ(windows.delivered[0].procedure, 0);
}

}  // namespace
}  // namespace kx
