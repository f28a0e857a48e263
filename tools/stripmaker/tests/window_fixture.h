// What the strip maker's window tests share: a main window with its four
// views and scripted dialogs, state pictures written as files, posted mouse
// messages and pixel reads.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "runtime/forms/file_dialog.h"
#include "tools/stripmaker/main_window.h"

namespace vorne::stripmaker::testing {

// A fresh folder under the temporary folder, with a trailing backslash.
std::string TempFolder(const std::string& tag);

// A w x h state picture: a border of one colour, a diagonal and a gradient,
// so that cells cut from it can be told apart pixel by pixel.
PixelBuffer StatePicture(int state, int w = 120, int h = 80);

// Posts a mouse message with the position in pixels of window's client
// area and runs the queue.
void Post(HWND window, UINT msg, WPARAM keys, int x, int y);

COLORREF PixelAt(HDC dc, int x, int y);
std::uint32_t Rgb(COLORREF c);

class StripMakerWindow : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Loads the state picture file into view number through its load command.
    void LoadThroughDialog(int number, const std::string& path);
    // Writes StatePicture(k) for the four states and loads them.
    void LoadFourStates();
    // A left drag in view number from pixel (x0, y0) to (x1, y1), by posted messages.
    void DragInView(int number, int x0, int y0, int x1, int y1);

    forms::ScriptedDialogs boxes_;
    forms::ScriptedFileDialogs files_;
    std::unique_ptr<forms::ScopedDialogs> boxes_scope_;
    std::unique_ptr<forms::ScopedFileDialogs> files_scope_;
    std::unique_ptr<FrmMain> main_;
    std::string dir_;
    std::array<PixelBuffer, 4> states_;
};

}  // namespace vorne::stripmaker::testing
