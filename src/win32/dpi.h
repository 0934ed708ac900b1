#pragma once

// What the system says about display scaling, asked for at run time: the
// functions came with Windows 10, and the program also runs on 7 and 8.

#include <windows.h>

namespace tintwell::win32 {

// The system's dots per inch, which the stock fonts are made for.
int systemDpi();

// The DPI of the monitor the window is on; the system's where the system
// cannot tell per monitor.
int dpiOfWindow(HWND window);

// Which of the stored drawings of a picture suits a DPI: the index of the
// nearest of the scales they are drawn at (100 % is 0).
int pictureScaleIndex(int dpi);

}  // namespace tintwell::win32
