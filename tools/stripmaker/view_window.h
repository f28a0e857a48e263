// One of the strip maker's four views: a window showing one state picture
// at its natural size from the top-left corner, with the shared selection
// outline and its move and resize handles. The selection itself lives in
// the main window's view family; this window shows it and hands it the
// mouse. Win32 only.
#pragma once

#include <string>

#include "runtime/forms/forms.h"
#include "tools/stripmaker/selection.h"

namespace vorne::stripmaker {

class FrmMain;

class FrmView : public forms::Form {
public:
    // number 1..4: normal, mouse over, mouse down, disabled.
    FrmView(FrmMain& main, int number);

    int Number() const { return number_; }
    SelectionView& Model();

    forms::Image Mover, Sizer;

    // Puts the handles where the model has them and repaints the outline.
    void ShowSelection();
    // Twips of the strip maker (15 to a pixel) of a mouse event's
    // coordinate, which comes in the screen's twips.
    static float StripTwipsX(float screen_twips);
    static float StripTwipsY(float screen_twips);

protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int mode) override;
    void Form_MouseDown(const forms::MouseEvent& e) override;
    void Form_MouseMove(const forms::MouseEvent& e) override;
    void Form_MouseUp(const forms::MouseEvent& e) override;
    void Form_Paint(HDC dc) override;

private:
    FrmMain& main_;
    int number_;
};

// The view captions, by number.
const char* ViewCaption(int number);

}  // namespace vorne::stripmaker
