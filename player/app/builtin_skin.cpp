// The built-in face: the program's own bitmaps 101..117 placed as fixed
// elements, shaped by pure white.
#include "components/component_ids.h"
#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "player/app/trace.h"
#include "runtime/com/late_bound.h"

#include "runtime/activex/picture.h"

namespace vorne::player {

namespace {

struct ButtonRow {
    const char* action;
    int strip;
    int left, top;
};

constexpr ButtonRow kFourState[] = {
    {"Previous Button", 102, 4, 52}, {"Play Button", 103, 41, 52}, {"Pause Button", 104, 78, 52},
    {"Stop Button", 105, 113, 52},   {"Next Button", 106, 149, 52}, {"Open Button", 117, 7, 27},
};
constexpr ButtonRow kToggles[] = {
    {"Play List Button", 112, 12, 86}, {"Random Button", 107, 99, 88}, {"Repeat Button", 108, 142, 88},
};
constexpr ButtonRow kPushButtons[] = {
    {"Close", 109, 276, 3}, {"Minimize", 110, 245, 3}, {"System Menu", 111, 18, 5},
};

struct LabelRow {
    const char* action;
    int left, top;
    const char* caption;
    float size;
    COLORREF colour;
};
constexpr LabelRow kLabels[] = {
    {"Time Display", 53, 92, "00:00", 9.75f, RGB(0, 255, 0)},
    {"Kbps Display", 222, 84, "0", 8.25f, RGB(255, 255, 0)},
    {"Frequency Display", 272, 84, "0", 8.25f, RGB(255, 255, 0)},
};

com::Ptr<IPictureDisp> ResourcePicture(HINSTANCE module, int id) {
    HBITMAP b = static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!b) return {};
    return activex::PictureFromBitmap(b, true);
}

}  // namespace

void FrmMain::MapDefaults(HINSTANCE module) {
    if (!module) module = GetModuleHandleA(nullptr);
    const bool wasVisible = Visible();
    Hide();
    CleanAll();

    auto strip = [module](int id) { return forms::Picture::FromResource(id, module); };
    auto place = [](forms::Image& img, int left, int top) {
        img.SetStretch(false);
        img.SetBorderStyle(0);
        img.Move(left, top);
        img.SetVisible(true);
        img.SetEnabled(true);
        img.ZOrder(0);
    };

    // One array of buttons, in the order of its rows; cells 0: no picture
    // yet (the toggles take theirs from their options below).
    auto buttons = [&](const auto& rows, forms::ControlArray<forms::Image>& array,
                       std::array<vorne::player::skin::ImageElementInfo<forms::PictureRef>, vorne::player::skin::kTableSize>& table, int cells) {
        int i = 1;
        for (const ButtonRow& r : rows) {
            forms::Image& img = array.Load(i);
            place(img, r.left, r.top);
            table[i] = {r.action, strip(r.strip)};
            if (cells > 0) MapPicture(img, table[i].Picture, 1, cells, 0);
            ++i;
        }
    };
    buttons(kFourState, imgPICS4img, Tables.imgPICS4imgInfo, 4);
    buttons(kToggles, imgPICS2optn, Tables.imgPICS2optnInfo, 0);
    buttons(kPushButtons, imgPICS2img, Tables.imgPICS2imgInfo, 2);

    int i = 1;
    if (ScrollBars) {
        struct BarRow {
            const char* action;
            int track, thumb;
            bool volume;
            int left, top;
        };
        const BarRow bars[] = {{"Position Bar", 113, 114, false, 12, 78}, {"Volume Bar", 115, 116, true, 214, 103}};
        i = 1;
        for (const BarRow& r : bars) {
            if (FAILED(ScrollBars->Load(i))) break;
            activex::ControlSite* s = (*ScrollBars)[i];
            s->SetVisible(true);
            com::PutProperty(s->Control(), vorne::components::kBarEnabled, com::BoolArg(true));
            s->ZOrder(0);
            Tables.ScrollBarsInfo[i] = r.action;
            IDispatch* d = s->Control();
            if (auto p = ResourcePicture(module, r.track)) com::PutRefProperty(d, vorne::components::kBarPicture, com::DispatchArg(p.Get()));
            if (auto p = ResourcePicture(module, r.thumb)) com::PutRefProperty(d, vorne::components::kBarButtonPicture, com::DispatchArg(p.Get()));
            if (r.volume) com::PutProperty(d, vorne::components::kBarMax, com::LongArg(65536));
            s->Move(static_cast<float>(r.left), static_cast<float>(r.top), s->Width(), s->Height());
            ++i;
        }
    }

    i = 1;
    for (const LabelRow& r : kLabels) {
        forms::Label& l = Labels.Load(i);
        l.Move(r.left, r.top);
        l.SetVisible(true);
        l.SetEnabled(true);
        l.ZOrder(0);
        Tables.LabelsInfo[i] = {r.action, ""};
        l.SetCaption(r.caption);
        forms::FontSpec f = l.Font();
        f.size = r.size;
        f.bold = true;
        l.SetFont(f);
        l.SetAlignment(forms::Label::kRight);
        l.SetForeColor(r.colour);
        ++i;
    }

    if (SLabels && SUCCEEDED(SLabels->Load(1))) {
        activex::ControlSite* s = (*SLabels)[1];
        s->SetVisible(true);
        IDispatch* d = s->Control();
        com::PutProperty(d, vorne::components::kScrollerEnabled, com::BoolArg(true));
        s->ZOrder(0);
        Tables.SLabelsInfo[1] = "Song Info";
        VARIANT empty = com::TextArg("");
        com::PutProperty(d, vorne::components::kScrollerCaption, empty);
        VariantClear(&empty);
        s->Move(202, 33, 93, 54);
        com::Variant font;
        if (SUCCEEDED(com::GetProperty(d, vorne::components::kFont, &font)) && font.AsDispatch())
            com::PutProperty(font.AsDispatch(), vorne::components::kFontSize, com::DoubleArg(8.25));
        com::PutProperty(d, vorne::components::kScrollerSpeed, com::LongArg(200));
        com::PutProperty(d, vorne::components::kScrollerDirection, com::LongArg(0));
        com::PutProperty(d, vorne::components::kScrollerForeColor, com::LongArg(0xFF));
        com::PutProperty(d, vorne::components::kScrollerBackColor, com::LongArg(0x232323));
        com::PutProperty(d, vorne::components::kScrollerTextAlignment, com::LongArg(2));
        com::PutProperty(d, vorne::components::kScrollerHorizontalAlignment, com::LongArg(2));
        com::PutProperty(d, vorne::components::kScrollerVerticalAlignment, com::LongArg(2));
    }

    SetPicture(forms::Picture::FromResource(101, module));
    AutoSizeMe(*this);
    UpdateBitFreqLabels();
    RefreshAllOptions();
    TransColour = 0xFFFFFF;
    TransTolerance = 0;
    ApplyRegion(TransColour, TransTolerance);
    designer.HideFields();
    SetupVolume();
    if (wasVisible) ShowFace();
    Trace("built-in skin elements " + std::to_string(ElementCount()));
}

}  // namespace vorne::player
