// Strips saved by Quarlh, read by the player's own skin reader: a 4-cell
// strip behind a "Play Button" is a four-state button whose cells are the
// four state pictures, and a 2-cell strip behind "Close" a push button of
// the normal and the pressed look.
#include <windows.h>

#include <fstream>

#include <gtest/gtest.h>

#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "tools/stripmaker/bitmap_pixels.h"
#include "tools/stripmaker/tests/window_fixture.h"

namespace vorne::stripmaker::testing {
namespace {

// The player's main window with only what reading a skin needs.
class PlayerFace : public player::FrmMain {
protected:
    void Form_Load() override { PrepareFace(); }
};

class StripInPlayer : public StripMakerWindow {
protected:
    // Saves a strip through the "Save" command of its display.
    std::string Save(int cells, const std::string& leaf) {
        const std::string file = dir_ + leaf;
        files_.Queue(file);
        if (cells == 2)
            main_->cmdSave1_Click();
        else
            main_->cmdSave2_Click();
        return file;
    }
    // Cell `cell` of the strip behind image element 1, as the player cuts it.
    PixelBuffer PlayerCell(PlayerFace& face, forms::ControlArray<forms::Image>& images,
                           const forms::PictureRef& strip, int cells, int cell) {
        face.MapPicture(images[1], strip, 1, cells, cell);
        const forms::PictureRef& shown = images[1].GetPicture();
        return shown ? PixelsOf(shown->Handle()) : PixelBuffer();
    }
    // The state picture's part under the selection, (10, 10) 20 x 15.
    PixelBuffer Selected(int state) {
        PixelBuffer p(20, 15);
        CopyRect(states_[static_cast<size_t>(state)], 10, 10, 20, 15, p, 0, 0);
        return p;
    }
};

TEST_F(StripInPlayer, ASavedFourCellStripIsAFourStateButtonOfThePlayer) {
    LoadFourStates();
    DragInView(4, 10, 10, 29, 24);
    Save(4, "play.bmp");
    Save(2, "close.bmp");
    std::ofstream(dir_ + "strips.vsk", std::ios::binary)
        << "[Vorne Skin]\r\nInfo0=Quarlh\r\nInfo1=\r\nInfo2=\r\nInfo3=\r\n\r\n[Interface]\r\n"
           "BackImage=\r\nBackTransColour=-1\r\nBackTransTolerance=0\r\n\r\n"
           "Object=Image\r\nName=play\r\nAction=Play Button\r\nImg1=play.bmp\r\nImg2=\r\nTxt=\r\n"
           "[Extra Object Info]\r\nLeft=10\r\nTop=10\r\n[End of Object]\r\n\r\n"
           "Object=Image\r\nName=close\r\nAction=Close\r\nImg1=close.bmp\r\nImg2=\r\nTxt=\r\n"
           "[Extra Object Info]\r\nLeft=40\r\nTop=10\r\n[End of Object]\r\n";

    player::Options.PlayListVisible = false;
    PlayerFace face;
    face.Load();
    ASSERT_TRUE(face.OpenSkin(dir_ + "strips.vsk"));
    ASSERT_EQ(face.Tables.imgPICS4imgInfo[1].Action, "Play Button");
    const forms::PictureRef play = face.Tables.imgPICS4imgInfo[1].Picture;
    ASSERT_TRUE(play);
    EXPECT_EQ(play->Width(), 80);
    EXPECT_EQ(play->Height(), 15);
    // The button shows its normal cell, 80 / 4 pixels wide.
    EXPECT_EQ(face.imgPICS4img[1].Width(), 20);
    EXPECT_EQ(PixelsOf(face.imgPICS4img[1].GetPicture()->Handle()), Selected(bsNormal));
    for (int k : {bsNormal, bsMouseOver, bsMouseDown, bsDisabled})
        EXPECT_EQ(PlayerCell(face, face.imgPICS4img, play, 4, k), Selected(k)) << "cell " << k;

    ASSERT_EQ(face.Tables.imgPICS2imgInfo[1].Action, "Close");
    const forms::PictureRef close = face.Tables.imgPICS2imgInfo[1].Picture;
    ASSERT_TRUE(close);
    EXPECT_EQ(close->Width(), 40);
    EXPECT_EQ(PlayerCell(face, face.imgPICS2img, close, 2, 0), Selected(bsNormal));
    EXPECT_EQ(PlayerCell(face, face.imgPICS2img, close, 2, 1), Selected(bsMouseDown));
    face.Unload();
}

}  // namespace
}  // namespace vorne::stripmaker::testing
