#pragma once
// A hidden top-level window whose own procedure records what reaches it.

#include <windows.h>

#include <functional>
#include <vector>

namespace kx::win::test {

struct SeenMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class TestWindow {
 public:
  static constexpr LRESULT kOwnResult = 123;  // for messages from WM_USER on

  TestWindow();
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  [[nodiscard]] HWND get() const { return hwnd_; }
  [[nodiscard]] std::vector<SeenMessage> Seen(UINT message) const;
  [[nodiscard]] LONG_PTR CurrentProcedure() const;
  [[nodiscard]] static LONG_PTR OwnProcedure();

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  std::vector<SeenMessage> seen_;
};

// Dispatches this thread's messages until `done` holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds);

}  // namespace kx::win::test
