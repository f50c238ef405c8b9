#include "app/OneShotRuns.h"

#include "app/CommandGet.h"
#include "base/Blanks.h"
#include "base/ExitCodes.h"
#include "base/LenientNumber.h"
#include "base/Modifiers.h"
#include "base/ProductNames.h"

namespace kx {

OneShotRequest PrepareStoreRun(CaptureSettings& settings) {
  settings.toStoreFile = true;
  settings.colors = ColorReduction::None;
  OneShotRequest request;
  request.modifiers = kModShift;
  return request;
}

OneShotRequest PrepareOptionRun(std::string_view kindValue, std::string_view commandLine,
                                CaptureSettings& settings) {
  OneShotRequest request;
  if (RoundToInt16(ReadLenientNumber(kindValue)) == 2) request.modifiers += kModShift;

  const auto wait = RoundToInt16(ReadLenientNumber(CommandGet(commandLine, kTimeOption)));
  if (wait && *wait >= 0 && *wait <= kLongestWaitSeconds) request.waitSeconds = *wait;

  if (ReadLenientNumber(CommandGet(commandLine, kActiveOption)) == 1.0) {
    request.modifiers += kModAlt;
    if (request.waitSeconds == 0) request.waitSeconds = 1;
  }

  settings.printer = std::string(TrimBlanks(CommandGet(commandLine, kPrinterOption)));

  const std::string area = CommandGet(commandLine, kAreaOption);
  if (!area.empty()) {
    request.area = ParseAreaOption(area);
    request.areaRefused = !request.area;
  }
  return request;
}

std::optional<ScreenRect> ReadLastRegion(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  const std::optional<AreaOption> area = ParseAreaOption(text);
  if (!area || area->select) return std::nullopt;
  return area->rect;
}

std::string LastRegionText(const ScreenRect& region) {
  return std::to_string(region.left) + "," + std::to_string(region.top) + "," +
         std::to_string(std::int64_t{region.right} - region.left) + "," +
         std::to_string(std::int64_t{region.bottom} - region.top) + "\r\n";
}

int OneShotExitCode(ActionOutcome outcome) {
  switch (outcome) {
    case ActionOutcome::Done:
      return kExitOk;
    case ActionOutcome::SaveFailed:
      return kExitSaveFailed;
    case ActionOutcome::FolderMissing:
      return kExitFolderMissing;
    case ActionOutcome::NoFreeNumber:
      return kExitNoFreeNumber;
    case ActionOutcome::PrintFailed:
      return kExitPrintFailed;
    case ActionOutcome::RegionCancelled:
      return kExitRegionCancelled;
    case ActionOutcome::RegionOffScreen:
      return kExitRegionOffScreen;
    case ActionOutcome::OtherError:
      break;
  }
  return kExitOtherError;
}

}  // namespace kx
