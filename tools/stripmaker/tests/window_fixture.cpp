#include "tools/stripmaker/tests/window_fixture.h"

#include <objbase.h>

#include "tools/stripmaker/bmp_file.h"

namespace vorne::stripmaker::testing {

std::string TempFolder(const std::string& tag) {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    std::string dir = std::string(base) + "quarlh_" + tag + "_" + std::to_string(GetCurrentProcessId()) + "_" +
                      std::to_string(GetTickCount()) + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

PixelBuffer StatePicture(int state, int w, int h) {
    PixelBuffer p(w, h);
    const std::uint32_t tint = 0x400000u * static_cast<std::uint32_t>(state + 1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint32_t c = tint | static_cast<std::uint32_t>((x * 2) & 0xFF) << 8 | static_cast<std::uint32_t>((y * 3) & 0xFF);
            if (x == y) c = 0xFFFFFFu;
            p.Set(x, y, c);
        }
    return p;
}

void Post(HWND window, UINT msg, WPARAM keys, int x, int y) {
    PostMessageA(window, msg, keys, MAKELPARAM(x, y));
    forms::DoEvents();
}

COLORREF PixelAt(HDC dc, int x, int y) { return GetPixel(dc, x, y); }

std::uint32_t Rgb(COLORREF c) {
    return static_cast<std::uint32_t>(GetRValue(c)) << 16 | static_cast<std::uint32_t>(GetGValue(c)) << 8 | GetBValue(c);
}

void StripMakerWindow::SetUp() {
    OleInitialize(nullptr);
    boxes_scope_ = std::make_unique<forms::ScopedDialogs>(boxes_);
    files_scope_ = std::make_unique<forms::ScopedFileDialogs>(files_);
    main_ = std::make_unique<FrmMain>();
    main_->Show();
    forms::DoEvents();
    dir_ = TempFolder("win");
}

void StripMakerWindow::TearDown() {
    main_.reset();
    files_scope_.reset();
    boxes_scope_.reset();
    EXPECT_EQ(files_.Pending(), 0u);
    EXPECT_EQ(boxes_.Pending(), 0u);
    OleUninitialize();
}

void StripMakerWindow::LoadThroughDialog(int number, const std::string& path) {
    files_.Queue(path);
    switch (number) {
    case 1: main_->cmdNorm_Click(); break;
    case 2: main_->cmdActv_Click(); break;
    case 3: main_->cmdDown_Click(); break;
    default: main_->cmdDis_Click(); break;
    }
    forms::DoEvents();
}

void StripMakerWindow::LoadFourStates() {
    for (int k = 0; k < 4; ++k) {
        states_[static_cast<size_t>(k)] = StatePicture(k);
        const std::string file = dir_ + "state" + std::to_string(k) + ".bmp";
        ASSERT_TRUE(SaveBmp(file, states_[static_cast<size_t>(k)]));
        LoadThroughDialog(k + 1, file);
    }
}

void StripMakerWindow::DragInView(int number, int x0, int y0, int x1, int y1) {
    HWND w = main_->View(number).hWnd();
    Post(w, WM_LBUTTONDOWN, MK_LBUTTON, x0, y0);
    Post(w, WM_MOUSEMOVE, MK_LBUTTON, (x0 + x1) / 2, (y0 + y1) / 2);
    Post(w, WM_MOUSEMOVE, MK_LBUTTON, x1, y1);
    Post(w, WM_LBUTTONUP, 0, x1, y1);
}

}  // namespace vorne::stripmaker::testing
