#include "tools/stripmaker/selection.h"

namespace vorne::stripmaker {

SelectionView::SelectionView(ViewFamily& family, int number) : family_(family), number_(number) {
    // The start rectangles differ: the normal view's lies further right.
    if (number == 1)
        Selectr = Box{1800, 1080, 1095, 615, false};
    else
        Selectr = Box{1440, 1200, 1095, 615, false};
    Mover = Box{0, 0, kHandleSize, kHandleSize, false};
    Sizer = Box{0, 0, kHandleSize, kHandleSize, false};
    AlignButton();
}

void SelectionView::AlignButton() {
    Sizer.Left = Selectr.Left + Selectr.Width;
    Sizer.Top = Selectr.Top + Selectr.Height;
    Mover.Left = Sizer.Left - Mover.Width - kHandleGap;
    Mover.Top = Selectr.Top + Selectr.Height;
    family_.Notify(number_);
}

void SelectionView::CalcPos() {
    // One pixel (15 twips) more than the distance: both the anchor's and the
    // corner's pixels belong to the selection.
    const float px = kTwipsPerPixel;
    if (StartX < EndX && StartY < EndY)
        Selectr = Box{StartX, StartY, EndX - StartX + px, EndY - StartY + px, Selectr.Visible};
    else if (StartX < EndX && StartY > EndY)
        Selectr = Box{StartX, EndY, EndX - StartX + px, StartY - EndY + px, Selectr.Visible};
    else if (StartX > EndX && StartY > EndY)
        Selectr = Box{EndX, EndY, StartX - EndX + px, StartY - EndY + px, Selectr.Visible};
    else if (StartX > EndX && StartY < EndY)
        Selectr = Box{EndX, StartY, StartX - EndX + px, EndY - StartY + px, Selectr.Visible};
    else
        return;  // on the anchor's row or column: the rectangle stays
    family_.Notify(number_);
}

void SelectionView::Synchronise() { family_.UpdateForms(*this, number_); }

void SelectionView::Form_MouseDown(int button, float x, float y) {
    if (button != kLeftButton) return;
    StartX = x;
    StartY = y;
    Synchronise();
}

void SelectionView::Form_MouseMove(int button, float x, float y) {
    if (button != kLeftButton) return;
    EndX = x;
    EndY = y;
    CalcPos();
    Synchronise();
    AlignButton();
}

void SelectionView::Form_MouseUp(int button, float x, float y) {
    if (button != kLeftButton) return;
    EndX = x;
    EndY = y;
    CalcPos();
    Synchronise();
    family_.GetImages();
    AlignButton();
    Sizer.Visible = true;
    Mover.Visible = true;
    family_.Notify(number_);
}

// Either handle: where it was pressed, and the end of its drag.
void SelectionView::Grab(float x, float y) {
    GrabX = x;
    GrabY = y;
}

void SelectionView::EndHandleDrag() {
    Synchronise();
    family_.GetImages();
}

void SelectionView::Mover_MouseDown(int button, float x, float y) { Grab(x, y); }

void SelectionView::Mover_MouseMove(int button, float x, float y) {
    if (button != kLeftButton) return;
    const float dx = x - GrabX, dy = y - GrabY;
    Mover.Left += dx;
    Mover.Top += dy;
    Selectr.Left += dx;
    Selectr.Top += dy;
    Sizer.Left = Selectr.Left + Selectr.Width;
    Sizer.Top = Selectr.Top + Selectr.Height;
    family_.Notify(number_);
    Synchronise();
}

void SelectionView::Mover_MouseUp(int button, float x, float y) { EndHandleDrag(); }

void SelectionView::Sizer_MouseDown(int button, float x, float y) { Grab(x, y); }

void SelectionView::Sizer_MouseMove(int button, float x, float y) {
    if (button != kLeftButton) return;
    // The handle cannot pass the selection's left or top edge, so the
    // top-left corner stays and the size never goes below 0.
    bool xHeld = false, yHeld = false;
    if (Sizer.Left + x - GrabX < Selectr.Left) {
        Sizer.Left = Selectr.Left;
        xHeld = true;
    }
    if (Sizer.Top + y - GrabY < Selectr.Top) {
        Sizer.Top = Selectr.Top;
        yHeld = true;
    }
    if (!yHeld) Sizer.Top += y - GrabY;
    if (!xHeld) Sizer.Left += x - GrabX;
    Selectr.Width = Sizer.Left - Selectr.Left;
    Selectr.Height = Sizer.Top - Selectr.Top;
    Mover.Left = Sizer.Left - Mover.Width - kHandleGap;
    Mover.Top = Selectr.Top + Selectr.Height;
    family_.Notify(number_);
    Synchronise();
}

void SelectionView::Sizer_MouseUp(int button, float x, float y) { EndHandleDrag(); }

ViewFamily::ViewFamily() {
    for (int k = 0; k < 4; ++k) views_[static_cast<size_t>(k)] = std::make_unique<SelectionView>(*this, k + 1);
}

void ViewFamily::SetPicture(int number, std::shared_ptr<const PixelBuffer> picture) {
    pictures_.at(static_cast<size_t>(number - 1)) = std::move(picture);
    Notify(number);
}

void ViewFamily::UpdateForms(const SelectionView& from, int formNum) {
    for (auto& v : views_) {
        v->Selectr.Visible = v->Mover.Visible = v->Sizer.Visible = true;
    }
    // Read the source once: from may be one of the views written below
    // only when formNum does not name it.
    const Box source = from.Selectr;
    for (int k = 1; k <= 4; ++k) {
        SelectionView& v = View(k);
        if (k != formNum) {
            v.Selectr.Left = source.Left;
            v.Selectr.Top = source.Top;
            v.Selectr.Width = source.Width;
            v.Selectr.Height = source.Height;
            v.AlignButton();
        } else {
            Notify(k);
        }
    }
}

void ViewFamily::GetImages() {
    StateSources sources;
    for (int k = 0; k < 4; ++k) {
        const Box& s = views_[static_cast<size_t>(k)]->Selectr;
        sources[static_cast<size_t>(k)] = StateSource{pictures_[static_cast<size_t>(k)], {s.Left, s.Top, s.Width, s.Height}};
    }
    strips_ = stripmaker::GetImages(sources);
    if (StripsChanged) StripsChanged();
}

}  // namespace vorne::stripmaker
