#pragma once
// Exit codes of the two programs, as scripts see them. Kaptorix.exe's own
// codes stay below 10; a one-shot run of Kaptorix_Key.exe ends with 0 or a
// code from 10 on, which "Kaptorix.exe capture" and "store" pass on, so a
// script can tell every case apart.

#include <algorithm>
#include <array>

namespace kx {

// Both programs: the capture was saved, stored or printed; the command did
// what it was asked.
inline constexpr int kExitOk = 0;

// Kaptorix.exe.
inline constexpr int kExitRefused = 1;       // arguments or a value refused; nothing changed
inline constexpr int kExitFailed = 2;        // a file or a program could not be handled
inline constexpr int kExitStillWaiting = 3;  // the run waits for an answer on screen

// A one-shot run of Kaptorix_Key.exe.
inline constexpr int kExitSaveFailed = 10;     // the file could not be written
inline constexpr int kExitFolderMissing = 11;  // the save folder does not exist
inline constexpr int kExitNoFreeNumber = 12;   // no serial number left for the file name
inline constexpr int kExitPrintFailed = 13;    // no printer, printer not found, or printing failed
inline constexpr int kExitStartupFailed = 14;  // start-up refused (launcher word, Kaptorix.ini)
inline constexpr int kExitOtherError = 15;     // the capture failed, or anything unforeseen
inline constexpr int kExitRegionCancelled = 16;  // the region's selection was cancelled
inline constexpr int kExitRegionOffScreen = 17;  // no pixel of the region is on a monitor

// Every code either program ends with, in the order the usage lists them.
inline constexpr std::array kExitCodes{
    kExitOk,           kExitRefused,         kExitFailed,
    kExitStillWaiting, kExitSaveFailed,      kExitFolderMissing,
    kExitNoFreeNumber, kExitPrintFailed,     kExitStartupFailed,
    kExitOtherError,   kExitRegionCancelled, kExitRegionOffScreen};

// A code a one-shot run of Kaptorix_Key.exe ends with: 0 or one from 10 on.
constexpr bool IsKeyRunExitCode(long long code) {
  return (code == kExitOk || code >= kExitSaveFailed) &&
         std::find(kExitCodes.begin(), kExitCodes.end(), code) != kExitCodes.end();
}

}  // namespace kx
