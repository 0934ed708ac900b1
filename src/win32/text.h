#pragma once

// UTF-8 inside the program, UTF-16 at the Win32 boundary, and the ANSI code
// page for the few "A" functions that must be called.

#include <windows.h>

#include <string>
#include <string_view>

namespace tintwell::win32 {

std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);
std::string toAnsi(std::string_view utf8);

// The whole text of a window (caption, edit content), as UTF-8.
std::string windowText(HWND window);

}  // namespace tintwell::win32
