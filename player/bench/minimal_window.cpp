// The smallest window program, started the same way as the player to put
// the player's start-up time beside it: one class, one window shown, and
// "shown" appended to the file named by VORNE_TRACE once it is on screen.
#include <windows.h>

#include <cstdlib>

namespace {
LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_TIMER) {
        DestroyWindow(h);
        return 0;
    }
    if (m == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(h, m, w, l);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmd, int) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH));
    wc.lpszClassName = "VorneMinimalWindow";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, wc.lpszClassName, "Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 317,
                             119, nullptr, nullptr, instance, nullptr);
    ShowWindow(w, SW_SHOW);
    UpdateWindow(w);
    char trace[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("VORNE_TRACE", trace, MAX_PATH);
    if (n > 0 && n < MAX_PATH) {
        HANDLE f = CreateFileA(trace, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(f, "shown\r\n", 7, &written, nullptr);
            CloseHandle(f);
        }
    }
    const long ms = std::atol(cmd);
    if (ms > 0) SetTimer(w, 1, static_cast<UINT>(ms), nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
