// Time from the start of a capture action to its file being closed, for a
// full-colour save and an 8-bit save of the whole screen. Prints the median
// and the fastest of several runs in milliseconds.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "actions/CaptureAction.h"
#include "actions/win32/Win32ActionServices.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"
#include "capture/win32/PictureSurface.h"

namespace {

double NowMs() {
  LARGE_INTEGER count{}, frequency{};
  ::QueryPerformanceCounter(&count);
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The real services, with the moment the file is closed noted and no notice.
class TimedServices final : public kx::ActionServices {
 public:
  explicit TimedServices(kx::ActionServices& real) : real_(real) {}
  void CopyDesktopToSurface(kx::Screen screen) override { real_.CopyDesktopToSurface(screen); }
  void CopyForegroundToSurface() override { real_.CopyForegroundToSurface(); }
  void DrawPointerOnSurface(bool foreground) override { real_.DrawPointerOnSurface(foreground); }
  void InvertSurface() override { real_.InvertSurface(); }
  void ReduceSurfaceColors(std::int16_t colors) override { real_.ReduceSurfaceColors(colors); }
  kx::SaveResult SaveSurfaceBmp(const std::string& fileName, kx::SaveMode mode) override {
    const kx::SaveResult result = real_.SaveSurfaceBmp(fileName, mode);
    savedAt = NowMs();
    return result;
  }
  kx::SaveResult SaveSurfacePng(const std::string& fileName, kx::SaveMode mode) override {
    const kx::SaveResult result = real_.SaveSurfacePng(fileName, mode);
    savedAt = NowMs();
    return result;
  }
  kx::PrintReport PrintSurface(const kx::CaptureSettings& settings) override {
    return real_.PrintSurface(settings);
  }
  void ReleaseSurface() override { real_.ReleaseSurface(); }
  void CopySurfaceToClipboard() override { real_.CopySurfaceToClipboard(); }
  bool DirectoryExists(const std::string& path) override { return real_.DirectoryExists(path); }
  bool PlainFileExists(const std::string& path) override { return real_.PlainFileExists(path); }
  void ShowResultNotice(const std::string&) override {}
  void ShowSaveAbortedNotice() override { real_.ShowSaveAbortedNotice(); }
  void ShowErrorBox(const std::string& text) override { std::printf("error: %s\n", text.c_str()); }
  void ReportOutcome(const kx::ActionResult&) override {}

  double savedAt = 0;

 private:
  kx::ActionServices& real_;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  constexpr int kRuns = 9;
  const kx::win::UniqueWindow window(::CreateWindowExW(0, L"STATIC", L"bench", WS_POPUP, 0, 0, 1, 1,
                                                       nullptr, nullptr, nullptr, nullptr));
  kx::win::PictureSurface surface;
  kx::win::Win32ActionServices real(window.get(), surface);
  TimedServices services(real);

  const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"kx-save-bench";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directory(folder);

  std::printf("screen %dx%d\n", ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
  for (const kx::ColorReduction colors : {kx::ColorReduction::None, kx::ColorReduction::To256}) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
      kx::CaptureSettings settings;
      settings.saveFolder = kx::win::WideToUtf8(folder.wstring());
      settings.colors = colors;
      const double start = NowMs();
      kx::RunCaptureAction(kx::kModShift, settings, settings.saveFolder, services);
      times.push_back(services.savedAt - start);
      std::filesystem::remove(folder / L"KX001.BMP");
    }
    std::printf("%s save: median %.1f ms, fastest %.1f ms\n",
                colors == kx::ColorReduction::None ? "full-colour" : "8-bit", Median(times),
                *std::min_element(times.begin(), times.end()));
  }
  std::filesystem::remove_all(folder);
  return 0;
}
