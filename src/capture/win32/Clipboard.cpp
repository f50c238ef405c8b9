#include "capture/win32/Clipboard.h"

#include <cstring>
#include <new>
#include <optional>
#include <span>

#include "base/ProductNames.h"
#include "base/win32/ScopedWin.h"
#include "base/win32/Strconv.h"
#include "capture/BmpEncoder.h"
#include "capture/win32/BitmapPixels.h"
#include "capture/win32/PngEncoder.h"

namespace kx::win {
namespace {

constexpr DWORD kRetryMs = 20;

// Movable global memory holding `size` bytes that `fill` writes.
template <typename Fill>
GlobalMemory GlobalBlock(std::size_t size, Fill fill) {
  GlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, size));
  if (!memory) return {};
  auto* bytes = static_cast<std::uint8_t*>(::GlobalLock(memory.get()));
  if (!bytes) return {};
  const bool filled = fill(std::span<std::uint8_t>(bytes, size));
  ::GlobalUnlock(memory.get());
  return filled ? std::move(memory) : GlobalMemory();
}

// The BMP file without its file header: the clipboard's bitmap format.
GlobalMemory DibBlock(const DibView& rows) {
  auto file = BmpFile::Of(rows);
  if (!file) return {};
  std::uint8_t fileHeader[kBmpFileHeaderSize];
  if (file->Read(fileHeader) != sizeof fileHeader) return {};
  return GlobalBlock(file->Size() - kBmpFileHeaderSize, [&](std::span<std::uint8_t> bytes) {
    return file->Read(bytes) == bytes.size();
  });
}

GlobalMemory PngBlock(const DibView& rows) {
  const auto png = EncodePng(rows);
  if (!png) return {};
  return GlobalBlock(png->size(), [&](std::span<std::uint8_t> bytes) {
    std::memcpy(bytes.data(), png->data(), bytes.size());
    return true;
  });
}

bool OpenClipboardWithin(HWND owner, DWORD milliseconds) {
  const ULONGLONG deadline = ::GetTickCount64() + milliseconds;
  while (!::OpenClipboard(owner)) {
    if (::GetTickCount64() >= deadline) return false;
    ::Sleep(kRetryMs);
  }
  return true;
}

// The clipboard owns a block once it is set.
bool Hand(UINT format, GlobalMemory& block) {
  if (!block || !::SetClipboardData(format, block.get())) return false;
  (void)block.release();
  return true;
}

bool Place(HWND owner, const Picture& picture) {
  std::optional<DibImage> read;
  const std::optional<DibView> rows = FileRows(picture, read);
  if (!rows) return false;
  GlobalMemory dib = DibBlock(*rows);
  if (!dib) return false;
  GlobalMemory png = PngBlock(*rows);
  const UINT pngFormat = ::RegisterClipboardFormatW(Utf8ToWide(kPngClipboardFormat).c_str());

  if (!OpenClipboardWithin(owner, kClipboardWaitMs)) return false;
  ::EmptyClipboard();
  const bool placed = Hand(CF_DIB, dib);
  if (pngFormat != 0) Hand(pngFormat, png);
  ::CloseClipboard();
  return placed;
}

}  // namespace

// Lack of memory only means that nothing is put there.
bool CopyPictureToClipboard(HWND owner, const Picture& picture) {
  try {
    return Place(owner, picture);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace kx::win
