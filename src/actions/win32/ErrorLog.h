#pragma once
// The print error log beside the program, in the system's ANSI code page.

#include <string>

namespace kx::win {

// "<program folder>\Kaptorix_Key.log".
std::string ErrorLogPath();

// Appends `text` and CR LF to the error log, creating it when missing. Other
// programs may append at the same time; one that holds the file without
// sharing it is waited for up to a second. A file that cannot be opened or
// written loses the text quietly.
void AppendErrorLog(const std::string& text);

// The same for the log file at `path`.
void AppendErrorLogAt(const std::string& path, const std::string& text);

}  // namespace kx::win
