#include "e2e/harness/KaptorixRun.h"

#include "base/win32/Strconv.h"

namespace kx::e2e {

KaptorixFolder::KaptorixFolder() {
  std::filesystem::copy_file(TestProgramDir() / L"Kaptorix_Key.exe", exe());
}

void KaptorixFolder::WriteIni(const std::string& utf8Text) const {
  test::WriteAll(dir() / L"Kaptorix.ini", win::Utf8ToAnsi(utf8Text));
}

std::string KaptorixFolder::Utf8Path(const std::wstring& name) const {
  return win::WideToUtf8((name.empty() ? dir() : dir() / name).wstring());
}

}  // namespace kx::e2e
