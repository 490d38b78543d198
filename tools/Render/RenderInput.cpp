#include "tools/Render/RenderInput.h"

#include <windows.h>

namespace orvtools {

using namespace orv;

void Pump(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

void MouseTo(TPoint screen) {
    SetCursorPos(screen.X, screen.Y);
    Pump(30);
}

void MouseButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof(input));
    Pump(30);
}

void CopyScreen(TBitmap& bmp, TPoint origin) {
    HDC screen = GetDC(nullptr);
    BitBlt(bmp.Canvas().Handle(), 0, 0, bmp.Width(), bmp.Height(), screen, origin.X, origin.Y, SRCCOPY);
    ReleaseDC(nullptr, screen);
}

}  // namespace orvtools
