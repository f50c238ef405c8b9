#include <windows.h>

#include "base/Paths.h"
#include "base/ProductNames.h"
#include "base/win32/ProcessInfo.h"
#include "base/win32/SystemLibrary.h"
#include "launcher/Launcher.h"
#include "launcher/win32/Arguments.h"
#include "launcher/win32/KeyProgramControl.h"
#include "launcher/win32/LauncherOutputs.h"
#include "launcher/win32/SettingsDialog.h"
#include "launcher/win32/Win32SettingsFile.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  kx::win::SearchDllsInSystemFolderOnly();
  using namespace kx;
  const std::vector<std::string> arguments = win::SplitArguments(::GetCommandLineW());
  const std::string programDir = win::ProgramDir();
  win::Win32SettingsFile file(JoinPath(programDir, kSettingsFileName));
  win::KeyProgramControl key(programDir);
  win::Win32SettingsProbe probe;

  const std::variant<LauncherCommand, std::string> parsed = ParseLauncherArguments(arguments);
  if (const auto* refusal = std::get_if<std::string>(&parsed)) {
    win::ConsoleOutput console;
    console.ReportError({std::string(kInputErrorTitle), *refusal});
    return kExitRefused;
  }
  const LauncherCommand& command = std::get<LauncherCommand>(parsed);
  if (command.action == LauncherAction::Dialog) {
    return win::RunSettingsDialog(instance, programDir, file, key, probe);
  }
  win::ConsoleOutput console;
  Launcher launcher(programDir, file, key, probe, console);
  return launcher.Run(command);
}
