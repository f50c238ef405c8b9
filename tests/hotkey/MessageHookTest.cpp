#include "hotkey/MessageHook.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <stdexcept>

#include "base/KeyBusy.h"
#include "hotkey/FakeWindowSystem.h"

namespace kx {
namespace {

using test::DeliveredMessage;
using test::FakeWindowSystem;

constexpr WindowHandle kWindow = 66382;
constexpr std::uint32_t kUser = 0x0400;

// The five values a target receives, by reference.
struct Values {
  WindowHandle& window;
  std::uint32_t& message;
  std::uintptr_t& wParam;
  std::intptr_t& lParam;
  bool& handled;
};

class Target final : public MessageTarget {
 public:
  using Action = std::function<std::intptr_t(Values&)>;
  explicit Target(Action action = nullptr) : action_(std::move(action)) {}

  std::intptr_t HandleMessage(WindowHandle& window, std::uint32_t& message, std::uintptr_t& wParam,
                              std::intptr_t& lParam, bool& handled) override {
    received.push_back({0, window, message, wParam, lParam});
    Values values{window, message, wParam, lParam, handled};
    return action_ ? action_(values) : 0;
  }

  std::vector<DeliveredMessage> received;

 private:
  Action action_;
};

Target::Action Returns(std::intptr_t result, bool setReturn = false) {
  return [=](Values& values) {
    if (setReturn) values.handled = true;
    return result;
  };
}

class HookTest : public ::testing::Test {
 protected:
  // The table of hooked windows is the program's: a window left hooked
  // would lead the next test to this one's hook object.
  void TearDown() override {
    EXPECT_EQ(MessageHook::HookOf(kWindow), nullptr) << "the test left its window hooked";
  }
  void Detach(std::initializer_list<const MessageTarget*> targets) {
    for (const MessageTarget* target : targets) hook->RemoveTarget(*target);
  }

  FakeWindowSystem windows;
  std::shared_ptr<MessageHook> hook = MessageHook::Create(windows);
};

using Log = std::vector<std::string>;

TEST_F(HookTest, FirstTargetEntryHooksTheWindowOnce) {
  Target a, b;
  EXPECT_TRUE(hook->AddTarget(a, kWindow));
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kHookProcedure);
  EXPECT_EQ(windows.log, (Log{"set 66382", "install"}));
  EXPECT_EQ(windows.GetProperty(kWindow, "66382"), reinterpret_cast<std::intptr_t>(hook.get()));
  EXPECT_EQ(MessageHook::HookOf(kWindow), hook);

  EXPECT_TRUE(hook->AddTarget(b, kWindow));
  EXPECT_TRUE(hook->AddTarget(a, kWindow));  // the same target may stand twice
  EXPECT_EQ(windows.log.size(), 2U);
  EXPECT_EQ(hook->TargetCount(), 3);
  EXPECT_TRUE(hook->RemoveTarget(a));
  EXPECT_TRUE(hook->RemoveTarget(b));
}

TEST_F(HookTest, TargetListKeepsToTheFirstWindow) {
  Target a, b;
  ASSERT_TRUE(hook->AddTarget(a, kWindow));
  EXPECT_FALSE(hook->AddTarget(b, kWindow + 1));
  EXPECT_EQ(hook->TargetCount(), 1);
  EXPECT_FALSE(windows.HasProperty(kWindow + 1));
  EXPECT_TRUE(hook->RemoveTarget(a));
}

TEST_F(HookTest, RemoveTargetDropsEveryEntryOfTheTargetAndTheLastOneUnhooks) {
  Target a, b, stranger;
  hook->AddTarget(a, kWindow);
  hook->AddTarget(b, kWindow);
  hook->AddTarget(a, kWindow);

  EXPECT_FALSE(hook->RemoveTarget(stranger));
  EXPECT_EQ(hook->TargetCount(), 3);
  EXPECT_TRUE(hook->RemoveTarget(a));
  EXPECT_EQ(hook->TargetCount(), 1);
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kHookProcedure);

  windows.log.clear();
  EXPECT_TRUE(hook->RemoveTarget(b));
  EXPECT_EQ(windows.log, (Log{"restore", "remove 66382"}));
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kOwnProcedure);
  EXPECT_FALSE(windows.HasProperty(kWindow));
  EXPECT_EQ(MessageHook::HookOf(kWindow), nullptr);
  EXPECT_FALSE(hook->RemoveTarget(b));

  EXPECT_TRUE(hook->AddTarget(b, kWindow));  // hooked again
  EXPECT_EQ(MessageHook::HookOf(kWindow), hook);
  EXPECT_TRUE(hook->RemoveTarget(b));
}

TEST_F(HookTest, UnhookLeavesAWindowHookedSinceToItsNewHookObject) {
  Target a, b;
  hook->AddTarget(a, kWindow);
  const auto later = MessageHook::Create(windows);
  later->AddTarget(b, kWindow);
  EXPECT_TRUE(hook->RemoveTarget(a));
  EXPECT_EQ(MessageHook::HookOf(kWindow), later);
  later->RemoveTarget(b);
}

TEST_F(HookTest, TargetsThenThePreviousProcedureReceiveEachMessage) {
  Target a, c;
  hook->AddTarget(a, kWindow);
  hook->AddTarget(c, kWindow);

  EXPECT_EQ(windows.Send(kWindow, kUser, 7, 8), FakeWindowSystem::kOwnResult);
  ASSERT_EQ(a.received.size(), 1U);
  EXPECT_EQ(a.received[0].message, kUser);
  EXPECT_EQ(a.received[0].wParam, 7U);
  EXPECT_EQ(a.received[0].lParam, 8);
  EXPECT_EQ(c.received.size(), 1U);
  ASSERT_EQ(windows.delivered.size(), 1U);
  EXPECT_EQ(windows.delivered[0].procedure, FakeWindowSystem::kOwnProcedure);
  EXPECT_EQ(windows.delivered[0].window, kWindow);
  EXPECT_EQ(windows.delivered[0].message, kUser);
  Detach({&a, &c});
}

TEST_F(HookTest, TargetsChangeWhatLaterTargetsAndThePreviousProcedureReceive) {
  Target changer([](Values& values) {
    values.message = kUser + 1;
    values.wParam = 30;
    values.lParam = 40;
    return std::intptr_t{0};
  });
  Target later;
  hook->AddTarget(changer, kWindow);
  hook->AddTarget(later, kWindow);

  windows.Send(kWindow, kUser, 1, 2);
  ASSERT_EQ(later.received.size(), 1U);
  EXPECT_EQ(later.received[0].message, kUser + 1);
  EXPECT_EQ(later.received[0].wParam, 30U);
  EXPECT_EQ(later.received[0].lParam, 40);
  ASSERT_EQ(windows.delivered.size(), 1U);
  EXPECT_EQ(windows.delivered[0].message, kUser + 1);
  EXPECT_EQ(windows.delivered[0].wParam, 30U);
  EXPECT_EQ(windows.delivered[0].lParam, 40);
  Detach({&changer, &later});
}

TEST_F(HookTest, HandledStopsThePreviousProcedureWithTheLastTargetsResult) {
  Target setter(Returns(10, true));
  Target last(Returns(20));
  hook->AddTarget(setter, kWindow);
  hook->AddTarget(last, kWindow);

  EXPECT_EQ(windows.Send(kWindow, kUser), 20);
  EXPECT_TRUE(windows.delivered.empty());
  EXPECT_EQ(last.received.size(), 1U);
  Detach({&setter, &last});
}

TEST_F(HookTest, FailingTargetIsPassedOverAndKeepsThePendingResult) {
  Target setter(Returns(10, true));
  Target failing([](Values& values) -> std::intptr_t {
    values.lParam = 42;
    throw std::runtime_error("target failed");
  });
  hook->AddTarget(setter, kWindow);
  hook->AddTarget(failing, kWindow);
  EXPECT_EQ(windows.Send(kWindow, kUser), 10);

  Target after;
  hook->AddTarget(after, kWindow);
  EXPECT_EQ(windows.Send(kWindow, kUser), 0);
  ASSERT_EQ(after.received.size(), 1U);
  EXPECT_EQ(after.received[0].lParam, 42);
  Detach({&setter, &failing, &after});
}

TEST_F(HookTest, BusyFlagDropsMessagesButLetsTheEndOfTheRunThrough) {
  Target target;
  hook->AddTarget(target, kWindow);
  const struct {
    std::uint32_t message;
    std::intptr_t result;
    bool toTargetAndWindow;  // else nowhere, or only to the default handling
    bool validated;
  } cases[] = {
      {kUser, 0, false, false},
      {kWmHotKey, 0, false, false},
      {kWmPaint, FakeWindowSystem::kDefaultResult, false, true},
      {kWmClose, FakeWindowSystem::kOwnResult, true, false},
      {kWmQueryEndSession, FakeWindowSystem::kOwnResult, true, false},
      {kWmEndSession, FakeWindowSystem::kOwnResult, true, false},
      {kFirstRegisteredMessage - 1, 0, false, false},
      {kFirstRegisteredMessage, FakeWindowSystem::kOwnResult, true, false},
  };
  for (const auto& c : cases) {
    target.received.clear();
    windows.delivered.clear();
    {
      const KeyBusyScope busy;
      EXPECT_EQ(windows.Send(kWindow, c.message, 1, 0), c.result) << c.message;
    }
    EXPECT_EQ(target.received.size(), c.toTargetAndWindow ? 1U : 0U) << c.message;
    ASSERT_EQ(windows.delivered.size(), c.toTargetAndWindow || c.validated ? 1U : 0U) << c.message;
    if (c.validated) {
      EXPECT_EQ(windows.delivered[0].procedure, 0) << "the default handling validates";
    }
  }
  target.received.clear();
  EXPECT_EQ(windows.Send(kWindow, kUser), FakeWindowSystem::kOwnResult);
  EXPECT_EQ(target.received.size(), 1U);
  hook->RemoveTarget(target);
}

TEST_F(HookTest, NestedMessageGoesStraightToThePreviousProcedure) {
  Target pumping([this](Values& values) {
    if (values.message == kUser) windows.Send(kWindow, kUser + 1);
    return std::intptr_t{0};
  });
  hook->AddTarget(pumping, kWindow);

  windows.Send(kWindow, kUser);
  ASSERT_EQ(pumping.received.size(), 1U);
  ASSERT_EQ(windows.delivered.size(), 2U);
  EXPECT_EQ(windows.delivered[0].message, kUser + 1);
  EXPECT_EQ(windows.delivered[1].message, kUser);

  windows.Send(kWindow, kUser + 2);  // the guard is down again
  EXPECT_EQ(pumping.received.size(), 2U);
  Detach({&pumping});
}

TEST_F(HookTest, ListChangesDuringForwardingFollowThePositions) {
  Target b, c, added;
  Target remover([&](Values& values) {
    if (values.message == kUser) hook->RemoveTarget(b);
    if (values.message == kUser + 1) hook->AddTarget(added, kWindow);
    return std::intptr_t{0};
  });
  hook->AddTarget(remover, kWindow);
  hook->AddTarget(b, kWindow);
  hook->AddTarget(c, kWindow);

  windows.Send(kWindow, kUser);  // c moves up into the visited positions
  EXPECT_TRUE(b.received.empty());
  EXPECT_EQ(c.received.size(), 1U);

  windows.Send(kWindow, kUser + 1);  // added behind the positions of this pass
  EXPECT_TRUE(added.received.empty());
  windows.Send(kWindow, kUser + 2);
  EXPECT_EQ(added.received.size(), 1U);
  Detach({&remover, &c, &added});
}

TEST_F(HookTest, WindowKeepsItsHookObjectAliveOnlyWhileHooked) {
  Target a;
  hook->AddTarget(a, kWindow);
  const std::weak_ptr<MessageHook> watch = hook;
  hook.reset();
  ASSERT_FALSE(watch.expired());
  windows.Send(kWindow, kUser);
  EXPECT_EQ(a.received.size(), 1U);

  MessageHook::HookOf(kWindow)->RemoveTarget(a);
  EXPECT_TRUE(watch.expired());
}

TEST_F(HookTest, TargetDetachingDuringItsMessageStillLetsThePreviousProcedureSeeIt) {
  Target* self = nullptr;
  Target leaving([&](Values&) {
    MessageHook::HookOf(kWindow)->RemoveTarget(*self);
    return std::intptr_t{0};
  });
  self = &leaving;
  hook->AddTarget(leaving, kWindow);
  const std::weak_ptr<MessageHook> watch = hook;
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
  EXPECT_TRUE(hook->AddTarget(a, kWindow));
  EXPECT_EQ(hook->TargetCount(), 1);
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kOwnProcedure);
  EXPECT_EQ(MessageHook::HookOf(kWindow), hook);

  windows.log.clear();
  EXPECT_TRUE(hook->RemoveTarget(a));
  EXPECT_EQ(windows.log, (Log{"remove 66382"}));
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kOwnProcedure);
}

TEST_F(HookTest, RefusedPropertyLeavesTheProcedureAlone) {
  Target a;
  windows.refuseProperty = true;
  EXPECT_TRUE(hook->AddTarget(a, kWindow));
  EXPECT_EQ(windows.log, (Log{"set 66382"}));
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kOwnProcedure);

  // The window hooked meanwhile by another hook object stays hooked when
  // the last entry leaves the hook that never hooked it.
  windows.refuseProperty = false;
  Target b;
  const auto other = MessageHook::Create(windows);
  ASSERT_TRUE(other->AddTarget(b, kWindow));
  EXPECT_TRUE(hook->RemoveTarget(a));
  EXPECT_EQ(MessageHook::HookOf(kWindow), other);
  EXPECT_EQ(windows.GetProperty(kWindow, HookPropertyName(kWindow)),
            reinterpret_cast<std::intptr_t>(other.get()));
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kHookProcedure);
  EXPECT_TRUE(other->RemoveTarget(b));
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kOwnProcedure);

  const std::weak_ptr<MessageHook> watch = hook;
  hook.reset();
  EXPECT_TRUE(watch.expired());
}

TEST_F(HookTest, HookedWindowWithoutItsHookObjectGetsDefaultHandling) {
  windows.procedures[kWindow] = FakeWindowSystem::kHookProcedure;
  EXPECT_EQ(windows.Send(kWindow, kUser), FakeWindowSystem::kDefaultResult);
  ASSERT_EQ(windows.delivered.size(), 1U);
  EXPECT_EQ(windows.delivered[0].procedure, 0);

  // A property that names a live hook object does not make it this window's.
  Target target;
  hook->AddTarget(target, kWindow + 1);
  windows.properties[{kWindow, "66382"}] = reinterpret_cast<std::intptr_t>(hook.get());
  EXPECT_EQ(MessageHook::HookOf(kWindow), nullptr);
  EXPECT_EQ(windows.Send(kWindow, kUser), FakeWindowSystem::kDefaultResult);
  EXPECT_TRUE(target.received.empty());
  hook->RemoveTarget(target);
}

// Any process can set a window's properties: the hook never follows one.
TEST_F(HookTest, ForgedPropertyLeavesTheHookAsItWas) {
  Target target;
  hook->AddTarget(target, kWindow);
  for (const std::intptr_t forged : {std::intptr_t{0x1234}, std::intptr_t{0}, std::intptr_t{-1}}) {
    windows.properties[{kWindow, "66382"}] = forged;
    EXPECT_EQ(MessageHook::HookOf(kWindow), hook);
    EXPECT_EQ(windows.Send(kWindow, kUser), FakeWindowSystem::kOwnResult);
  }
  windows.properties.clear();
  EXPECT_EQ(windows.Send(kWindow, kUser), FakeWindowSystem::kOwnResult);
  EXPECT_EQ(target.received.size(), 4U);

  EXPECT_TRUE(hook->RemoveTarget(target));
  EXPECT_EQ(windows.ProcedureOf(kWindow), FakeWindowSystem::kOwnProcedure);
  EXPECT_EQ(MessageHook::HookOf(kWindow), nullptr);
}

// A window is hooked only once it exists: a creation message comes from outside.
TEST_F(HookTest, CreationMessageReachesNeitherTargetsNorTheWindow) {
  Target target;
  hook->AddTarget(target, kWindow);
  EXPECT_EQ(windows.Send(kWindow, kWmNcCreate, 0, 0x1234), 0);
  EXPECT_TRUE(target.received.empty());
  EXPECT_TRUE(windows.delivered.empty());
  EXPECT_EQ(windows.Send(kWindow, kUser), FakeWindowSystem::kOwnResult);
  EXPECT_EQ(target.received.size(), 1U);
  hook->RemoveTarget(target);
}

TEST_F(HookTest, FailuresStopAtTheWindowProcedure) {
  Target main;
  hook->AddTarget(main, kWindow);

  windows.ownProcedureFails = true;  // the window's own failure: the default handling
  EXPECT_EQ(windows.Send(kWindow, kUser), FakeWindowSystem::kDefaultResult);
  ASSERT_EQ(windows.delivered.size(), 2U);
  EXPECT_EQ(windows.delivered[1].procedure, 0);

  windows.ownProcedureFails = false;
  EXPECT_EQ(windows.Send(kWindow, kUser + 1), FakeWindowSystem::kOwnResult);
  EXPECT_EQ(main.received.size(), 2U);
  EXPECT_EQ(main.received.back().message, kUser + 1);
  hook->RemoveTarget(main);
}

}  // namespace
}  // namespace kx
