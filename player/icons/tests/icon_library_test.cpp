// The icon library's icons 0..5 show the same pictures as the program's
// icon resources 101..106 (this test program carries the same resources).
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <vector>

#include "player/icons/icons.h"

namespace vorne::player::icons {
namespace {

std::vector<std::uint32_t> Pixels(HICON icon, int size) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = size;
    bi.bmiHeader.biHeight = -size;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT r{0, 0, size, size};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::vector<std::uint32_t> out(static_cast<std::uint32_t*>(bits), static_cast<std::uint32_t*>(bits) + size * size);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return out;
}

TEST(IconLibrary, IconsZeroToFiveAreTheProgramsIcons101To106) {
    const char* path = VORNE_ICL_PATH;
    EXPECT_EQ(static_cast<UINT>(reinterpret_cast<UINT_PTR>(ExtractIconA(GetModuleHandleA(nullptr), path, static_cast<UINT>(-1)))), 6u);
    std::vector<std::vector<std::uint32_t>> seen;
    for (int n = 0; n < 6; ++n) {
        HICON fromLibrary = ExtractIconA(GetModuleHandleA(nullptr), path, static_cast<UINT>(n));
        ASSERT_TRUE(fromLibrary && reinterpret_cast<UINT_PTR>(fromLibrary) != 1) << n;
        HICON fromProgram = LoadFileTypeIcon(n, GetSystemMetrics(SM_CXICON));
        ASSERT_TRUE(fromProgram) << n;
        const int size = GetSystemMetrics(SM_CXICON);
        const auto a = Pixels(fromLibrary, size), b = Pixels(fromProgram, size);
        EXPECT_EQ(a, b) << "icon " << n;
        for (const auto& earlier : seen) EXPECT_NE(earlier, a) << "icon " << n;
        seen.push_back(a);
        DestroyIcon(fromLibrary);
        DestroyIcon(fromProgram);
    }
    EXPECT_FALSE(LoadFileTypeIcon(6, 32));  // the count ends at six
}

TEST(IconLibrary, MenuAndTrayListsHoldTheirPictures) {
    HIMAGELIST menu = LoadMenuIcons(), tray = LoadTrayPictures();
    ASSERT_TRUE(menu && tray);
    EXPECT_EQ(ImageList_GetImageCount(menu), 20);
    EXPECT_EQ(ImageList_GetImageCount(tray), 6);
    ImageList_Destroy(menu);
    ImageList_Destroy(tray);
}

}  // namespace
}  // namespace vorne::player::icons
