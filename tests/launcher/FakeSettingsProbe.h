#pragma once

#include <set>
#include <string>

#include "launcher/SettingChecks.h"

namespace kx::test {

// Folders that exist, and a code page that cannot hold one marked character.
class FakeSettingsProbe : public SettingsProbe {
 public:
  static constexpr std::string_view kUnencodable = "😀";

  std::set<std::string> folders = {"C:\\Tools\\Kaptorix", "D:\\Shots"};

  bool FolderExists(const std::string& path) override { return folders.contains(path); }
  bool FitsFileCodePage(std::string_view text) override {
    return text.find(kUnencodable) == std::string_view::npos;
  }
};

}  // namespace kx::test
