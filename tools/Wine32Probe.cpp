// wine32_probe CODE
// Exits with CODE (1..255) only when it runs as a 32-bit process whose GDI
// works: a screen DC, a compatible memory DC and bitmap, and a BitBlt from
// the screen. wine32-guard.sh runs it before any 32-bit test: Wine's WoW64
// fallback without the i386 DLLs exits 0 from every program, and with them
// that mode has no working memory DC.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <type_traits>

static_assert(sizeof(void*) == 4, "the probe checks the 32-bit (i686) half of Wine");

namespace {

constexpr int kUsage = 2;
constexpr int kNoScreen = 3;
constexpr int kNoMemoryDc = 4;
constexpr int kNoBitmap = 5;
constexpr int kNoBlit = 6;

struct ScreenDcRelease {
  void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct DcDelete {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ObjectDelete {
  void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcRelease>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDelete>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, ObjectDelete>;

int Fail(int code, const char* what) {
  std::fprintf(stderr, "wine32_probe: %s\n", what);
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  const long code = argc == 2 ? std::strtol(argv[1], nullptr, 10) : 0;
  if (code < 1 || code > 255) return Fail(kUsage, "usage: wine32_probe CODE (1..255)");

  const ScreenDc screen(GetDC(nullptr));
  if (!screen) return Fail(kNoScreen, "GetDC(NULL) failed");
  const MemoryDc memory(CreateCompatibleDC(screen.get()));
  if (!memory) return Fail(kNoMemoryDc, "CreateCompatibleDC failed");
  const Bitmap bitmap(CreateCompatibleBitmap(screen.get(), 4, 4));
  if (!bitmap) return Fail(kNoBitmap, "CreateCompatibleBitmap failed");
  const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
  const BOOL blitted = BitBlt(memory.get(), 0, 0, 4, 4, screen.get(), 0, 0, SRCCOPY);
  SelectObject(memory.get(), previous);
  if (!blitted) return Fail(kNoBlit, "BitBlt from the screen failed");
  return static_cast<int>(code);
}
