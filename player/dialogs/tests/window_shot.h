#pragma once
// Tests: a picture of a window as the screen shows it, written as a BMP
// file into the folder VORNE_SHOT_DIR names (nothing when it is not set).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace vorne::testing {

// A rectangle of the screen, as it shows now.
inline void SaveScreenShot(const RECT& r, const std::string& name) {
    const char* dir = std::getenv("VORNE_SHOT_DIR");
    if (!dir) return;
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(dc, bmp);
    BitBlt(dc, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(dc, old);
    BITMAPINFOHEADER bi{};
    bi.biSize = sizeof(bi);
    bi.biWidth = w;
    bi.biHeight = h;
    bi.biPlanes = 1;
    bi.biBitCount = 24;
    const int stride = ((w * 3) + 3) & ~3;
    std::vector<char> pixels(static_cast<size_t>(stride) * h);
    GetDIBits(dc, bmp, 0, static_cast<UINT>(h), pixels.data(), reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(bi);
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(pixels.size());
    const std::string path = std::string(dir) + "\\" + name + ".bmp";
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&fh, sizeof(fh), 1, f);
        std::fwrite(&bi, sizeof(bi), 1, f);
        std::fwrite(pixels.data(), 1, pixels.size(), f);
        std::fclose(f);
    }
}

inline void SaveWindowShot(HWND window, const std::string& name) {
    if (!std::getenv("VORNE_SHOT_DIR") || !window) return;
    UpdateWindow(window);
    MSG msg;
    for (int i = 0; i < 50; ++i) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
    RECT r;
    GetWindowRect(window, &r);
    SaveScreenShot(r, name);
}

}  // namespace vorne::testing
