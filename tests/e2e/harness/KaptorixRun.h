#pragma once
// Runs the real Kaptorix_Key.exe from a fresh folder of its own.

#include <windows.h>

#include <filesystem>
#include <string>

#include "e2e/harness/ChildProcess.h"
#include "support/TempFolder.h"

namespace kx::e2e {

// A fresh folder holding a copy of Kaptorix_Key.exe (taken from beside the
// test program), removed with everything in it at the end.
class KaptorixFolder {
 public:
  KaptorixFolder();

  const std::filesystem::path& dir() const { return temp_.path(); }
  std::filesystem::path exe() const { return dir() / L"Kaptorix_Key.exe"; }
  std::filesystem::path operator/(const std::wstring& name) const { return dir() / name; }

  // Writes "Kaptorix.ini" from UTF-8 text, in the ANSI code page.
  void WriteIni(const std::string& utf8Text) const;
  // The folder's path in UTF-8, as the settings file names folders.
  std::string Utf8Path(const std::wstring& name = L"") const;

 private:
  test::TempFolder temp_;
};

// One started Kaptorix_Key.exe; killed at the end if it is still running.
class KaptorixProcess : public ChildProcess {
 public:
  // Starts the exe of `folder` with the argument text `arguments` (UTF-8).
  KaptorixProcess(const KaptorixFolder& folder, const std::string& arguments)
      : ChildProcess(folder.exe(), arguments, folder.dir()) {}
};

}  // namespace kx::e2e
