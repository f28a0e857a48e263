// The strip maker's four views and the one selection rectangle they share,
// without windows: each view's selection outline with its move and resize
// handles, the rubber band, move and resize drags, and the family that
// copies a change in one view to the other three and rebuilds the strips at
// the end of each drag. Everything is in twips of the view's client area
// (15 to a pixel); handle events carry twips from the handle's own corner.
// Window-free.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "tools/stripmaker/button_strip.h"

namespace vorne::stripmaker {

// A rectangle of a view: the selection outline or one of its handles.
struct Box {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = false;
};

// Size of either handle: 13 x 13 pixels.
inline constexpr float kHandleSize = 195.0f;
// Gap between the move handle and the resize handle: 2 pixels.
inline constexpr float kHandleGap = 30.0f;
inline constexpr int kLeftButton = 1, kRightButton = 2;

class ViewFamily;

class SelectionView {
public:
    SelectionView(ViewFamily& family, int number);
    SelectionView(const SelectionView&) = delete;
    SelectionView& operator=(const SelectionView&) = delete;

    // 1 normal, 2 mouse over, 3 mouse down, 4 disabled.
    int Number() const { return number_; }

    Box Selectr, Mover, Sizer;
    float StartX = 0, StartY = 0, EndX = 0, EndY = 0, GrabX = 0, GrabY = 0;

    // Puts both handles under the selection's bottom-right corner: the
    // resize handle's corner on it, the move handle to its left.
    void AlignButton();
    // The selection from the anchor (StartX, StartY) and the corner (EndX,
    // EndY), both pixels included; nothing changes when the corner lies on
    // the anchor's row or column.
    void CalcPos();

    // Mouse events; button is the button that changed (down, up) or the
    // buttons held (move).
    void Form_MouseDown(int button, float x, float y);
    void Form_MouseMove(int button, float x, float y);
    void Form_MouseUp(int button, float x, float y);
    void Mover_MouseDown(int button, float x, float y);
    void Mover_MouseMove(int button, float x, float y);
    void Mover_MouseUp(int button, float x, float y);
    void Sizer_MouseDown(int button, float x, float y);
    void Sizer_MouseMove(int button, float x, float y);
    void Sizer_MouseUp(int button, float x, float y);

private:
    void Synchronise();
    void Grab(float x, float y);
    void EndHandleDrag();
    ViewFamily& family_;
    int number_;
};

// The four views with their state pictures, and the two strips built from
// them. The windows listen to Changed (a view's selection or handles) and
// StripsChanged.
class ViewFamily {
public:
    ViewFamily();
    ViewFamily(const ViewFamily&) = delete;
    ViewFamily& operator=(const ViewFamily&) = delete;

    // number 1..4.
    SelectionView& View(int number) { return *views_.at(static_cast<size_t>(number - 1)); }
    const SelectionView& View(int number) const { return *views_.at(static_cast<size_t>(number - 1)); }

    // The view's state picture (null: none). Changing it leaves the strips
    // as they are until the next rebuild.
    const std::shared_ptr<const PixelBuffer>& Picture(int number) const {
        return pictures_.at(static_cast<size_t>(number - 1));
    }
    void SetPicture(int number, std::shared_ptr<const PixelBuffer> picture);

    // Shows every selection and handle, then gives every view but formNum
    // the selection of from and aligns its handles.
    void UpdateForms(const SelectionView& from, int formNum);
    // Rebuilds both strips from the four pictures under their selections.
    void GetImages();

    // The last built strips; empty before the first build.
    const PixelBuffer& Images2() const { return strips_.two; }
    const PixelBuffer& Images4() const { return strips_.four; }

    std::function<void(int number)> Changed;
    std::function<void()> StripsChanged;

private:
    friend class SelectionView;
    void Notify(int number) {
        if (Changed) Changed(number);
    }
    std::array<std::unique_ptr<SelectionView>, 4> views_;
    std::array<std::shared_ptr<const PixelBuffer>, 4> pictures_;
    Strips strips_;
};

}  // namespace vorne::stripmaker
