#pragma once
// The two runs that take one capture and end: the store run and the option run.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "actions/ActionServices.h"
#include "region/AreaOption.h"
#include "settings/CaptureSettings.h"

namespace kx {

struct OneShotRequest {
  int modifiers = 0;             // modifier bits for the action: 1 Alt, 4 Shift
  std::int32_t waitSeconds = 0;  // 0 to 20
  // "/AREA=": a region in place of the screen (Alt then means nothing);
  // `areaRefused` when the option's text is neither form.
  std::optional<AreaOption> area;
  bool areaRefused = false;
};

inline constexpr std::int32_t kLongestWaitSeconds = 20;

// Full colour into the store file: sets toStoreFile and clears colors.
OneShotRequest PrepareStoreRun(CaptureSettings& settings);

// Reads "/TIME=", "/ACTIVE=", "/PRNT=" and "/AREA=" from the command line; the printer
// named there (trimmed, possibly empty) replaces the settings' printer.
OneShotRequest PrepareOptionRun(std::string_view kindValue, std::string_view commandLine,
                                CaptureSettings& settings);

// The region last taken by a one-shot run as the file beside the programs
// holds it ("x,y,w,h"), and that text; nothing for a broken text.
[[nodiscard]] std::optional<ScreenRect> ReadLastRegion(std::string_view text);
std::string LastRegionText(const ScreenRect& region);

// The exit code of a one-shot run that came to `outcome` (base/ExitCodes.h).
int OneShotExitCode(ActionOutcome outcome);

}  // namespace kx
