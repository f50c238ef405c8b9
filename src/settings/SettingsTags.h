#pragma once
// The tags of "Kaptorix.ini" and the record field each one sets, in the order
// in which a line is tested. Shared by the reader and the settings program.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "base/ProductNames.h"
#include "settings/CaptureSettings.h"

namespace kx {

struct MarginsField {};    // four 2-character numbers: left, right, top, bottom
struct ExtensionField {};  // 1 gives ".bmp", anything else ".BMP"

// A member of the record, by its type, or one of `Special` fields.
template <typename... Special>
using RecordMember = std::variant<std::int32_t CaptureSettings::*,    // strict number
                                  std::int16_t CaptureSettings::*,    // lenient number
                                  bool CaptureSettings::*,            // lenient number, on for 1
                                  ColorReduction CaptureSettings::*,  // codes: lenient numbers
                                  HeaderLayout CaptureSettings::*, PrintQuality CaptureSettings::*,
                                  Orientation CaptureSettings::*, FileFormat CaptureSettings::*,
                                  Screen CaptureSettings::*,
                                  std::string CaptureSettings::*,  // text, unchanged
                                  Special...>;

using SettingsField = RecordMember<MarginsField, ExtensionField>;

inline constexpr std::size_t kTagLength = 6;

inline const std::array<std::pair<std::string_view, SettingsField>, 22> kSettingsTags{{
    {kKeyTag, &CaptureSettings::hotKey},
    {kSaveFolderTag, &CaptureSettings::saveFolder},
    {kColorsTag, &CaptureSettings::colors},
    {kPrintPercentTag, &CaptureSettings::printPercent},
    {kHeaderTextTag, &CaptureSettings::headerText},
    {kHeaderLayoutTag, &CaptureSettings::headerLayout},
    {kMarginsTag, MarginsField{}},
    {kQualityTag, &CaptureSettings::quality},
    {kPrintDateTag, &CaptureSettings::printDate},
    {kInvertTag, &CaptureSettings::invert},
    {kAlwaysSaveTag, &CaptureSettings::alwaysSave},
    {kOrientationTag, &CaptureSettings::orientation},
    {kFilePrefixTag, &CaptureSettings::filePrefix},
    {kSerialDigitsTag, &CaptureSettings::serialDigits},
    {kExtensionTag, ExtensionField{}},
    {kCursorTag, &CaptureSettings::cursor},
    {kPrinterTag, &CaptureSettings::printer},
    {kFileFormatTag, &CaptureSettings::fileFormat},
    {kClipboardTag, &CaptureSettings::clipboard},
    {kScreenTag, &CaptureSettings::screen},
    {kTrayTag, &CaptureSettings::tray},
    {kRegionTag, &CaptureSettings::region},
}};

// Tags that files of earlier versions lack. The settings program writes
// them only when they hold other than the default or are in the file
// already, so that a file whose user never chose them stays as it was.
inline constexpr std::array<std::string_view, 5> kOptionalTags{kFileFormatTag, kClipboardTag,
                                                               kScreenTag, kTrayTag, kRegionTag};

// Character offsets (from 0) of the four margin fields of a "[HEAD]" line.
inline constexpr std::array<std::size_t, 4> kMarginOffsets{6, 9, 12, 15};
inline constexpr std::size_t kMarginWidth = 2;

}  // namespace kx
