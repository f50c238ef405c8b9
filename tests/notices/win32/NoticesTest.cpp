#include "notices/win32/Notices.h"
#include "base/ProductNames.h"
#include "base/win32/Strconv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <future>
#include <thread>

#include "notices/win32/NoticeProbe.h"

namespace kx::win {
namespace {

using namespace std::chrono_literals;
using test::Clock;

const std::wstring kResultClass = Utf8ToWide(kResultNoticeClass);
const std::wstring kSaveAbortedClass = Utf8ToWide(kSaveAbortedNoticeClass);
const std::wstring kPrintErrorClass = Utf8ToWide(kPrintErrorNoticeClass);
const std::wstring kSaveAbortedLabel = Utf8ToWide(kSaveAbortedText);

std::chrono::milliseconds Since(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

// The one new window of a class since the list taken before.
HWND NewWindowOfClass(const std::wstring& className, const std::vector<HWND>& before) {
  HWND fresh = nullptr;
  for (const HWND window : test::ThreadWindowsOfClass(::GetCurrentThreadId(), className)) {
    if (std::find(before.begin(), before.end(), window) != before.end()) continue;
    EXPECT_EQ(fresh, nullptr) << "more than one new window";
    fresh = window;
  }
  return fresh;
}

void ExpectCentredAndTopmost(HWND window) {
  EXPECT_TRUE(::IsWindowVisible(window));
  EXPECT_TRUE(test::IsTopmost(window));
  const POINT off = test::OffCentre(window);
  EXPECT_LE(std::abs(off.x), 1);
  EXPECT_LE(std::abs(off.y), 1);
}

void ExpectClientAtLeast(HWND window, LONG width, LONG height) {
  RECT client{};
  ::GetClientRect(window, &client);
  EXPECT_GE(client.right, width);
  EXPECT_GE(client.bottom, height);
}

void ExpectJapaneseFont(HWND control, LONG height, LONG weight) {
  const LOGFONTW font = test::FontOf(control);
  EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
  EXPECT_EQ(font.lfHeight, -height);
  EXPECT_EQ(font.lfWeight, weight);
}

// What a second thread saw of the result notice while it was on screen.
struct ResultNoticeView {
  Clock::time_point appeared;
  int windows = 0;
  bool visible = false;
  bool topmost = false;
  bool hasCaption = true;
  POINT offCentre{};
  std::wstring caption;
  std::wstring label;
  bool textFits = false;
  LOGFONTW font{};
  test::Ink ink;
};

// The result notice of a thread once it is on screen, or null after a while.
HWND AwaitVisibleResultNotice(DWORD threadId) {
  for (const auto start = Clock::now(); Since(start) < 5s; std::this_thread::sleep_for(2ms)) {
    for (const HWND window : test::ThreadWindowsOfClass(threadId, kResultClass)) {
      if (::IsWindowVisible(window)) return window;
    }
  }
  return nullptr;
}

ResultNoticeView LookAtResultNotice(DWORD threadId) {
  ResultNoticeView view;
  const HWND notice = AwaitVisibleResultNotice(threadId);
  if (!notice) return view;
  view.appeared = Clock::now();
  std::this_thread::sleep_for(100ms);
  view.windows = static_cast<int>(test::ThreadWindowsOfClass(threadId, kResultClass).size());
  const HWND label = test::ChildOfClass(notice, L"Static");
  view.visible = ::IsWindowVisible(notice) != FALSE;
  view.topmost = test::IsTopmost(notice);
  view.hasCaption = (::GetWindowLongPtrW(notice, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
  view.offCentre = test::OffCentre(notice);
  view.caption = test::WindowText(notice);
  view.label = test::WindowText(label);
  view.textFits = test::TextFits(label);
  view.font = test::FontOf(label);
  view.ink = test::InkOf(label);
  return view;
}

TEST(ResultNotice, ShowsEachTextCentredAndTopmostForHalfASecond) {
  test::ShowRecorder recorder;
  const std::vector<std::wstring> texts{L"保存成功", L"記憶成功", L"印刷成功"};
  const std::vector<std::string> utf8Texts{"保存成功", "記憶成功", "印刷成功"};
  for (size_t i = 0; i < texts.size(); ++i) {
    SCOPED_TRACE(utf8Texts[i]);
    std::future<ResultNoticeView> view =
        std::async(std::launch::async, &LookAtResultNotice, ::GetCurrentThreadId());
    ShowResultNotice(utf8Texts[i]);
    const auto closed = Clock::now();
    EXPECT_FALSE(NoticesOpen());
    EXPECT_TRUE(test::ThreadWindowsOfClass(::GetCurrentThreadId(), kResultClass).empty());

    const ResultNoticeView seen = view.get();
    ASSERT_EQ(seen.windows, 1);
    const auto shown =
        std::chrono::duration_cast<std::chrono::milliseconds>(closed - seen.appeared);
    EXPECT_GE(shown, 400ms);
    EXPECT_LE(shown, 1500ms);
    EXPECT_TRUE(seen.visible);
    EXPECT_TRUE(seen.topmost);
    EXPECT_FALSE(seen.hasCaption);
    EXPECT_LE(std::abs(seen.offCentre.x), 1);
    EXPECT_LE(std::abs(seen.offCentre.y), 1);
    EXPECT_EQ(seen.caption, L"");
    EXPECT_EQ(seen.label, texts[i]);
    EXPECT_TRUE(seen.textFits);
    EXPECT_EQ(seen.font.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(seen.font.lfHeight, -32);  // 24 points at 96 pixels per inch
    EXPECT_EQ(seen.font.lfWeight, FW_NORMAL);
    EXPECT_GT(seen.ink.marked, 50);
  }
  ASSERT_EQ(recorder.shown().size(), texts.size());
  for (size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(recorder.shown()[i].className, kResultClass);
    EXPECT_EQ(recorder.shown()[i].label, texts[i]);
  }
}

void CALLBACK ShowStoredNotice(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  ShowResultNotice("記憶成功");
}

TEST(ResultNotice, ACallWhileOpenReplacesTheTextOfTheSameWindow) {
  test::ShowRecorder recorder;
  std::future<bool> replaced = std::async(std::launch::async, [thread = ::GetCurrentThreadId()] {
    const HWND label = test::ChildOfClass(AwaitVisibleResultNotice(thread), L"Static");
    for (const auto start = Clock::now(); Since(start) < 1s; std::this_thread::sleep_for(5ms)) {
      if (test::WindowText(label) == L"記憶成功") return true;
    }
    return false;
  });
  ASSERT_NE(::SetTimer(nullptr, 0, 100, &ShowStoredNotice), 0U);
  ShowResultNotice("保存成功");
  EXPECT_TRUE(replaced.get());
  ASSERT_EQ(recorder.shown().size(), 1U);
  EXPECT_EQ(recorder.shown()[0].label, L"保存成功");
  EXPECT_FALSE(NoticesOpen());
}

TEST(ResultNotice, PassesAQuitRequestOnAndCloses) {
  ::PostQuitMessage(3);
  const auto start = Clock::now();
  ShowResultNotice("保存成功");
  EXPECT_LT(Since(start), 400ms);
  EXPECT_FALSE(NoticesOpen());
  MSG message{};
  ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 3U);
}

TEST(SaveAbortedNotice, EachOfThreeClosesFiveSecondsAfterItAppeared) {
  test::ShowRecorder recorder;
  std::vector<HWND> notices;
  std::vector<Clock::time_point> opened;
  for (int i = 0; i < 3; ++i) {
    if (i > 0) kx::test::PumpMessagesFor(1000ms);
    opened.push_back(Clock::now());
    ShowSaveAbortedNotice();
    notices.push_back(NewWindowOfClass(kSaveAbortedClass, notices));
    ASSERT_NE(notices.back(), nullptr);
  }
  kx::test::PumpMessagesFor(100ms);
  EXPECT_TRUE(NoticesOpen());
  for (const HWND notice : notices) {
    ExpectCentredAndTopmost(notice);
    EXPECT_EQ(test::WindowText(notice), L"Kaptorix 保存中止");
    const auto style = ::GetWindowLongPtrW(notice, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    ExpectClientAtLeast(notice, 319, 94);
    const HWND label = test::ChildOfClass(notice, L"Static");
    EXPECT_EQ(test::WindowText(label), kSaveAbortedLabel);
    EXPECT_TRUE(test::TextFits(label));
    ExpectJapaneseFont(label, 13, FW_BOLD);
    const test::Ink ink = test::InkOf(label);
    EXPECT_GT(ink.pureRed, 50);
  }

  std::vector<std::chrono::milliseconds> lifetimes(notices.size(), 0ms);
  while (Since(opened.front()) < 10s) {
    kx::test::PumpMessagesFor(5ms);
    bool anyOpen = false;
    for (size_t i = 0; i < notices.size(); ++i) {
      if (lifetimes[i] == 0ms && !::IsWindow(notices[i])) lifetimes[i] = Since(opened[i]);
      anyOpen = anyOpen || lifetimes[i] == 0ms;
    }
    if (!anyOpen) break;
  }
  for (const auto lifetime : lifetimes) {
    EXPECT_GE(lifetime, 4800ms);
    EXPECT_LE(lifetime, 6500ms);
  }
  EXPECT_FALSE(NoticesOpen());

  ASSERT_EQ(recorder.shown().size(), 3U);
  for (const auto& shown : recorder.shown()) {
    EXPECT_EQ(shown.caption, L"Kaptorix 保存中止");
    EXPECT_EQ(shown.label, kSaveAbortedLabel);
  }
}

TEST(SaveAbortedNotice, ClosesEarlyFromItsCloseBox) {
  ShowSaveAbortedNotice();
  const HWND notice = NewWindowOfClass(kSaveAbortedClass, {});
  ASSERT_NE(notice, nullptr);
  ::PostMessageW(notice, WM_SYSCOMMAND, SC_CLOSE, 0);
  kx::test::PumpMessagesFor(300ms);
  EXPECT_FALSE(::IsWindow(notice));
  EXPECT_FALSE(NoticesOpen());
}

TEST(PrintErrorNotice, NamesTheLogAndStaysUntilOkOrTheCloseBox) {
  test::ShowRecorder recorder;
  const std::wstring expected =
      L"PrintPictureToFitPage Error\r\n以下にエラーログを出力しました\r\n" + test::OwnFolder() +
      L"\\Kaptorix_Key.log";
  ShowPrintErrorNotice();
  const HWND first = NewWindowOfClass(kPrintErrorClass, {});
  ASSERT_NE(first, nullptr);
  kx::test::PumpMessagesFor(200ms);
  EXPECT_EQ(::GetFocus(), test::ChildOfClass(first, L"Button"));
  ShowPrintErrorNotice();
  const HWND second = NewWindowOfClass(kPrintErrorClass, {first});
  ASSERT_NE(second, nullptr);
  kx::test::PumpMessagesFor(200ms);
  EXPECT_EQ(::GetFocus(), test::ChildOfClass(second, L"Button"));

  for (const HWND notice : {first, second}) {
    ExpectCentredAndTopmost(notice);
    EXPECT_EQ(test::WindowText(notice), L"印刷エラー");
    const auto style = ::GetWindowLongPtrW(notice, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    ExpectClientAtLeast(notice, 382, 94);
    const HWND label = test::ChildOfClass(notice, L"Static");
    EXPECT_EQ(test::WindowText(label), expected);
    EXPECT_TRUE(test::TextFits(label));
    ExpectJapaneseFont(label, 12, FW_NORMAL);
    EXPECT_GT(test::InkOf(label).marked, 50);
    const HWND ok = test::ChildOfClass(notice, L"Button");
    EXPECT_EQ(test::WindowText(ok), L"OK");
    EXPECT_TRUE(test::TextFits(ok));
  }

  kx::test::PumpMessagesFor(5500ms);
  EXPECT_TRUE(::IsWindow(first));
  EXPECT_TRUE(::IsWindow(second));

  ::PostMessageW(test::ChildOfClass(first, L"Button"), BM_CLICK, 0, 0);
  kx::test::PumpMessagesFor(300ms);
  EXPECT_FALSE(::IsWindow(first));
  EXPECT_TRUE(::IsWindow(second));
  EXPECT_TRUE(NoticesOpen());

  ::PostMessageW(second, WM_SYSCOMMAND, SC_CLOSE, 0);
  kx::test::PumpMessagesFor(300ms);
  EXPECT_FALSE(::IsWindow(second));
  EXPECT_FALSE(NoticesOpen());

  ASSERT_EQ(recorder.shown().size(), 2U);
  for (const auto& shown : recorder.shown()) {
    EXPECT_EQ(shown.caption, L"印刷エラー");
    EXPECT_EQ(shown.label, expected);
  }
}

TEST(NoticesOpen, SeesOnlyTheCallingThreadsNotices) {
  ShowSaveAbortedNotice();
  EXPECT_TRUE(NoticesOpen());
  bool seenFromAnotherThread = true;
  std::thread([&] { seenFromAnotherThread = NoticesOpen(); }).join();
  EXPECT_FALSE(seenFromAnotherThread);
  for (const HWND notice : test::ThreadWindowsOfClass(::GetCurrentThreadId(), kSaveAbortedClass)) {
    ::DestroyWindow(notice);
  }
  EXPECT_FALSE(NoticesOpen());
}

}  // namespace
}  // namespace kx::win
