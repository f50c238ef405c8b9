// Both programs carry an icon, a version resource and the application
// manifest (DPI awareness, common controls).

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <type_traits>

#include "base/win32/Strconv.h"

namespace kx::e2e {
namespace {

std::filesystem::path BesideTestProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path() / name;
}

struct ModuleDeleter {
  void operator()(HMODULE module) const noexcept { ::FreeLibrary(module); }
};
using ModuleHandle = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter>;

std::string ResourceText(HMODULE module, LPCWSTR type, LPCWSTR name) {
  const HRSRC found = ::FindResourceW(module, name, type);
  if (!found) return {};
  const HGLOBAL loaded = ::LoadResource(module, found);
  const auto* bytes = static_cast<const char*>(::LockResource(loaded));
  return bytes ? std::string(bytes, ::SizeofResource(module, found)) : std::string();
}

std::string VersionValue(const std::filesystem::path& exe, const std::wstring& name) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  std::string block(size, '\0');
  if (size == 0 || !::GetFileVersionInfoW(exe.c_str(), 0, size, block.data())) return {};
  wchar_t* value = nullptr;
  UINT length = 0;
  const std::wstring query = L"\\StringFileInfo\\041104B0\\" + name;
  if (!::VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) {
    return {};
  }
  return win::WideToUtf8(std::wstring(value, length > 0 ? length - 1 : 0));
}

TEST(Resources, BothProgramsCarryIconVersionAndManifest) {
  for (const wchar_t* name : {L"Kaptorix.exe", L"Kaptorix_Key.exe"}) {
    const std::filesystem::path exe = BesideTestProgram(name);
    SCOPED_TRACE(exe.string());
    const ModuleHandle module(::LoadLibraryExW(
        exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    ASSERT_TRUE(module);
    EXPECT_NE(::FindResourceW(module.get(), MAKEINTRESOURCEW(1), RT_GROUP_ICON), nullptr);
    const std::string manifest =
        ResourceText(module.get(), RT_MANIFEST, CREATEPROCESS_MANIFEST_RESOURCE_ID);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    EXPECT_EQ(VersionValue(exe, L"OriginalFilename"), win::WideToUtf8(name));
    EXPECT_EQ(VersionValue(exe, L"ProductName"), "Kaptorix");
    EXPECT_FALSE(VersionValue(exe, L"FileVersion").empty());
  }
}

}  // namespace
}  // namespace kx::e2e
