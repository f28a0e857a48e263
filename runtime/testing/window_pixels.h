// Test support under Wine: what the screen or a window shows, as pixels
// (bitmap::Image, 0x00RRGGBB, rows from the top), and such pictures saved
// as BMP files to look at.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>

#include "runtime/bitmap/bmp_core.h"
#include "runtime/text/ansi.h"

namespace vorne::testing {

// The w x h pixels that draw(dc) puts into a 32-bit top-down DIB section
// (black where it draws nothing); dc is compatible with like.
template <typename Draw>
bitmap::Image DrawnPixels(HDC like, int w, int h, Draw draw) {
    if (!like || w <= 0 || h <= 0) return {};
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    HDC mem = CreateCompatibleDC(like);
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(like, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bitmap::Image out;
    if (bmp && bits) {
        HGDIOBJ old = SelectObject(mem, bmp);
        draw(mem);
        GdiFlush();
        out = bitmap::Image(w, h);
        const auto* px = static_cast<const std::uint32_t*>(bits);
        for (std::size_t i = 0; i < out.pixels.size(); ++i) out.pixels[i] = px[i] & 0xFFFFFFu;
        SelectObject(mem, old);
    }
    if (bmp) DeleteObject(bmp);
    DeleteDC(mem);
    return out;
}

// The w x h pixels at (x, y) of dc.
inline bitmap::Image CaptureDc(HDC from, int x, int y, int w, int h) {
    return DrawnPixels(from, w, h, [&](HDC mem) { BitBlt(mem, 0, 0, w, h, from, x, y, SRCCOPY); });
}

// A rectangle of the screen, as it shows now.
inline bitmap::Image CaptureScreenRect(const RECT& r) {
    HDC screen = GetDC(nullptr);
    bitmap::Image out = CaptureDc(screen, r.left, r.top, r.right - r.left, r.bottom - r.top);
    ReleaseDC(nullptr, screen);
    return out;
}

inline bitmap::Image CaptureScreen() {
    return CaptureScreenRect(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

// What the screen shows of a window, frame and all.
inline bitmap::Image CaptureWindow(HWND window) {
    RECT r{};
    if (!window || !GetWindowRect(window, &r)) return {};
    return CaptureScreenRect(r);
}

// A window's client area, from its own device context.
inline bitmap::Image CaptureClient(HWND window) {
    RECT r{};
    if (!window || !GetClientRect(window, &r)) return {};
    HDC dc = GetDC(window);
    bitmap::Image out = CaptureDc(dc, 0, 0, r.right, r.bottom);
    ReleaseDC(window, dc);
    return out;
}

// A window's client area as the window paints it when asked to
// (WM_PRINTCLIENT), whether or not it shows on the screen.
inline bitmap::Image PrintClient(HWND window) {
    RECT r{};
    if (!window || !GetClientRect(window, &r)) return {};
    HDC dc = GetDC(window);
    bitmap::Image out = DrawnPixels(dc, r.right, r.bottom, [window](HDC mem) {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem), PRF_CLIENT);
    });
    ReleaseDC(window, dc);
    return out;
}

// The picture as a 24-bit BMP file at path (ANSI); false when it is empty or
// cannot be written.
inline bool SaveBmpFile(const std::string& path, const bitmap::Image& picture) {
    if (picture.Empty()) return false;
    const std::vector<std::uint8_t> bytes = bitmap::EncodeBmp(picture);
    HANDLE f = CreateFileW(text::AnsiToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(f);
    return ok;
}

// Pictures to look at: saved as <name>.bmp into the folder VORNE_SHOT_DIR
// names, nothing when it is not set.
inline void SaveScreenShot(const RECT& r, const std::string& name) {
    const char* dir = std::getenv("VORNE_SHOT_DIR");
    if (!dir) return;
    SaveBmpFile(std::string(dir) + "\\" + name + ".bmp", CaptureScreenRect(r));
}

// A window once its painting has settled.
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
