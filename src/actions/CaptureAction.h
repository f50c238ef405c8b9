#pragma once
// One capture action, from the picture to the saved file or printed page.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "actions/ActionServices.h"
#include "base/Modifiers.h"
#include "settings/CaptureSettings.h"

namespace kx {

// Captures the chosen screen (or, with Alt in `modifiers`, the foreground
// window), then saves it (with Shift, or always when the settings say so) as
// a BMP or PNG file or prints it, puts it on the clipboard when asked to
// once that worked, and tells the user the outcome. Holds the busy flag (KeyBusy.h) throughout.
// An error that ends the action early is shown in an error box. The outcome
// is reported to `services` before the user sees it, and returned. At the
// end the surface lets go of the picture, whatever happened.
ActionResult RunCaptureAction(int modifiers, CaptureSettings& settings,
                              const std::string& programDir, ActionServices& services);

// Puts an action's picture on the surface, with the pointer when the
// settings ask for it; or ends the action early with its result, which has
// been reported.
using PictureStep = std::function<std::optional<ActionResult>()>;

// The road of every capture from its picture on: the step, inversion, then
// the save (`save`) or the print-out, the clipboard and the notices, with the
// busy flag held and errors shown as RunCaptureAction does.
ActionResult RunPictureAction(bool save, const PictureStep& takePicture, CaptureSettings& settings,
                              const std::string& programDir, ActionServices& services);

// Tells the script first, then returns the result for the user to be shown it.
ActionResult Report(ActionServices& services, ActionOutcome outcome, std::string line);

}  // namespace kx
