#pragma once
// Screenshots of the whole screen, for looking at what the program showed
// when nobody watched (scripts/run without a display).

#include <windows.h>

#include <string>

namespace e2e {

// Writes the screen as a 24-bit .bmp file; throws StepFailed on failure.
void SaveScreenBmp(const std::wstring& path);
// Writes one area of the screen (screen coordinates) the same way.
void SaveScreenRectBmp(const std::wstring& path, const RECT& area);

}  // namespace e2e
