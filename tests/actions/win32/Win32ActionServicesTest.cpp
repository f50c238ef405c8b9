// Capture actions through the real services, on the session's display.

#include "actions/win32/Win32ActionServices.h"

#include <gtest/gtest.h>

#include "actions/CaptureAction.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"
#include "support/TempFolder.h"

namespace kx::win {
namespace {

// Whatever the action drew or reduced, afterwards the surface holds no
// picture; only the spare for the next capture stays, for a while.
TEST(Win32ActionServices, AfterAnActionTheSurfaceHoldsNoPicture) {
  const UniqueWindow window(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                              nullptr, nullptr, nullptr));
  const kx::test::TempFolder folder;
  PictureSurface surface;
  Win32ActionServices services(window.get(), surface);
  const struct {
    ColorReduction colors;
    bool cursor, invert;
  } cases[] = {{ColorReduction::None, false, false}, {ColorReduction::To256, true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cursor);
    CaptureSettings settings;
    settings.saveFolder = WideToUtf8(folder.path().wstring());
    settings.colors = c.colors;
    settings.cursor = c.cursor;
    settings.invert = c.invert;
    EXPECT_EQ(RunCaptureAction(kModShift, settings, settings.saveFolder, services).outcome,
              ActionOutcome::Done);
    EXPECT_FALSE(surface.HoldsPicture());
    EXPECT_TRUE(surface.HoldsSpare());
  }
}

}  // namespace
}  // namespace kx::win
