#pragma once
// The three notice windows as designed: sizes in twips, fonts, colours, texts.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/ProductNames.h"

namespace kx {

struct TwipsBox {
  int left;
  int top;
  int width;
  int height;
};

// Faces in order of preference; the first one installed is used, and with
// none of them the system picks a Japanese face for the character set.
using FaceChoices = std::array<std::string_view, 3>;

struct FontDesign {
  FaceChoices faces;
  double points;
  int weight;
};

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

enum class NoticeFrame {
  Borderless,   // a thin border, no title bar
  FixedDialog,  // dialog frame with title bar and close box
};

enum class TextAlignment { Left, Centre };

struct LabelDesign {
  TwipsBox box;
  TextAlignment alignment;
  FontDesign font;
  std::optional<Rgb> colour;  // the system's button text colour when absent
};

struct ButtonDesign {
  TwipsBox box;
  std::string_view caption;
  FontDesign font;
};

struct NoticeDesign {
  std::string_view className;
  std::string_view caption;
  NoticeFrame frame;
  int clientWidth;  // twips
  int clientHeight;
  LabelDesign label;
  std::optional<ButtonDesign> button;
  unsigned closeAfterMs;  // 0: stays until closed by the user
};

// The result notice: the outcome of a successful action, for half a second.
inline constexpr NoticeDesign kResultNotice{
    kResultNoticeClass,
    "",
    NoticeFrame::Borderless,
    2190,
    750,
    {{120, 120, 1935, 495}, TextAlignment::Centre, {kGothicFaces, 24.0, 400}, std::nullopt},
    std::nullopt,
    500};

// The save-aborted notice: a capture was not saved because the save folder is
// missing.
inline constexpr NoticeDesign kSaveAbortedNotice{kSaveAbortedNoticeClass,
                                                 kSaveAbortedNoticeCaption,
                                                 NoticeFrame::FixedDialog,
                                                 4785,
                                                 1410,
                                                 {{240, 360, 4575, 855},
                                                  TextAlignment::Left,
                                                  {kProportionalGothicFaces, 9.75, 700},
                                                  Rgb{255, 0, 0}},
                                                 std::nullopt,
                                                 5000};

// The print-error notice: printing failed; stays until OK or the close box.
inline constexpr NoticeDesign kPrintErrorNotice{
    kPrintErrorNoticeClass,
    kPrintErrorNoticeCaption,
    NoticeFrame::FixedDialog,
    5730,
    1410,
    {{240, 240, 5295, 615}, TextAlignment::Left, {kGothicFaces, 9.0, 400}, std::nullopt},
    ButtonDesign{{2160, 960, 1425, 345}, kPrintErrorNoticeButton, {kGothicFaces, 9.0, 400}},
    0};

// The error log beside the program: folder, "\", title, ".log" (a folder that
// already ends in "\", such as a drive root, gets no second one).
std::string ErrorLogPath(std::string_view programDir, std::string_view programTitle);

// The three lines of the print-error notice, joined by CR LF.
std::string PrintErrorText(std::string_view programDir, std::string_view programTitle);

}  // namespace kx
