#pragma once
// One picture on one page: fitted inside the margins, scaled, centred, with a
// heading line above it.

#include <cstdint>

#include "actions/PrintDate.h"
#include "actions/PrintErrorReporter.h"
#include "actions/PrintParameters.h"
#include "actions/PrinterBackend.h"

namespace kx {

inline constexpr std::int16_t kQualityDraft = -1;
inline constexpr std::int16_t kQualityMedium = -3;
inline constexpr std::int16_t kQualityHigh = -4;

// Sets the printer's print quality; a printer that refuses keeps its own.
void SetPrintQuality(PrinterBackend& printer, std::int16_t value);

// Draws the picture and its heading on the printer's page. False after a
// failure, which has been reported with the step that failed; the open job is
// left to the caller to end or abort.
bool PrintPictureToFitPage(PrinterBackend& printer, const PrintPicture& picture,
                           const PrintParameters& parameters, const LocalTime& now,
                           PrintErrorReporter& reporter);

}  // namespace kx
