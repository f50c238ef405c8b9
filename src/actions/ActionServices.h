#pragma once
// What a capture action needs from the system: the picture surface, files,
// the printer and the user. The Win32 side implements it on the main window.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "actions/PrintOut.h"
#include "base/AtomicSave.h"
#include "settings/CaptureSettings.h"

namespace kx {

// A failure that ends an action early; its text is shown in an error box.
class ActionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What an action came to, as a one-shot run's exit code tells it.
enum class ActionOutcome {
  Done,
  SaveFailed,
  FolderMissing,
  NoFreeNumber,
  PrintFailed,
  OtherError,
  RegionCancelled,  // nothing was taken, nothing is shown
  RegionOffScreen,
};

struct ActionResult {
  ActionOutcome outcome = ActionOutcome::Done;
  // Done: the file written or the printer printed on. Otherwise the failure,
  // in one line.
  std::string line;

  bool operator==(const ActionResult&) const = default;
};

class ActionServices {
 public:
  virtual ~ActionServices() = default;

  // The picture surface: capture, overlay, inversion, reduction, save, print,
  // and a copy on the clipboard. The pointer is drawn where it stands
  // relative to the last capture.
  virtual void CopyDesktopToSurface(Screen screen) = 0;
  virtual void CopyForegroundToSurface() = 0;
  virtual void DrawPointerOnSurface(bool foregroundCapture) = 0;
  virtual void InvertSurface() = 0;
  virtual void ReduceSurfaceColors(std::int16_t colors) = 0;
  virtual SaveResult SaveSurfaceBmp(const std::string& fileName, SaveMode mode) = 0;
  virtual SaveResult SaveSurfacePng(const std::string& fileName, SaveMode mode) = 0;
  virtual PrintReport PrintSurface(const CaptureSettings& settings) = 0;
  // The end of an action: the surface lets go of its picture.
  virtual void ReleaseSurface() = 0;
  // Never fails the action: a clipboard that stays busy is skipped.
  virtual void CopySurfaceToClipboard() = 0;

  // Files: an existing folder (a path ending in "\" is none), a plain file.
  virtual bool DirectoryExists(const std::string& path) = 0;
  virtual bool PlainFileExists(const std::string& path) = 0;

  // The user: the modal result notice, the modeless save-aborted notice, and
  // a modal error box titled kErrorTitle.
  virtual void ShowResultNotice(const std::string& text) = 0;
  virtual void ShowSaveAbortedNotice() = 0;
  virtual void ShowErrorBox(const std::string& text) = 0;
  // The outcome for a script, told once per action before the user is shown it.
  virtual void ReportOutcome(const ActionResult& result) = 0;
};

}  // namespace kx
