#pragma once
// Lines for whoever reads a program's standard output or error: a console
// gets UTF-16, a file or a pipe the ANSI code page. A program started
// without them (a windowed program, as usual) writes nothing.

#include <windows.h>

#include <string_view>

namespace kx::win {

// True for a handle that can be written to.
bool Usable(HANDLE handle);

// Writes the text as it stands.
void WriteText(HANDLE target, std::string_view utf8);

// Writes the text as one line to STD_OUTPUT_HANDLE or STD_ERROR_HANDLE: line
// breaks inside it become blanks, CR LF ends it.
void WriteStandardLine(DWORD which, std::string_view utf8);

}  // namespace kx::win
