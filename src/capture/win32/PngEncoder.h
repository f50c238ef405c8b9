#pragma once
// PNG files of bitmaps, encoded by the system's imaging component (WIC).

#include <cstdint>
#include <optional>
#include <vector>

#include "capture/Dib.h"

namespace kx::win {

// How rows are filtered before they are compressed. Chosen: none for a
// palette image, Sub for RGB, which compresses screens and photos about as
// well as the adaptive choice in less time; EncoderDefault leaves it to the
// imaging component.
enum class PngFilter { Chosen, EncoderDefault, None, Sub, Up, Average, Paeth, Adaptive };

// The PNG file of a bitmap: 1, 4 and 8 bits per pixel as a palette image of
// the same depth with the bitmap's colour table, 24 and 32 bits as 8-bit RGB
// without alpha. Nothing when the imaging component cannot be used, does not
// take the depth as it is, or fails, and for lack of memory. Uses COM on the
// calling thread; a caller that encodes often keeps a ComApartment, so that
// the component stays loaded between files.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> EncodePng(
    const DibView& dib, PngFilter filter = PngFilter::Chosen);

}  // namespace kx::win
