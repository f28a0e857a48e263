// The face of the main window: reading a skin file, the element factory, the
// element tables and the state pictures of the buttons.
#include <algorithm>
#include <cmath>

#include "Dunmere.h"
#include "Plovex1.h"
#include "platform/picclip/picture_clip.h"
#include "platform/region/region.h"
#include "runtime/text/ansi.h"
#include "components/component_ids.h"
#include "runtime/activex/component_factory.h"
#include "player/app/globals.h"
#include "player/app/main_window.h"
#include "player/app/main_window_playback.h"
#include "runtime/text/ansi.h"
#include "player/app/trace.h"
#include "player/library/playlist_store.h"
#include "player/skin/skin_file.h"
#include "runtime/activex/picture.h"
#include "runtime/basic/basic.h"
#include "runtime/com/late_bound.h"

namespace vorne::player {

namespace {

using namespace vorne::components;

// A picture object of its own for a component (the element's copy lives as
// long as the component wants it, whatever happens to ours).
com::Ptr<IPictureDisp> ComponentPicture(const forms::PictureRef& p) {
    if (!p) return {};
    HBITMAP copy = static_cast<HBITMAP>(CopyImage(p->Handle(), IMAGE_BITMAP, 0, 0, 0));
    if (!copy) return {};
    return activex::PictureFromBitmap(copy, true);
}

void PutLong(IDispatch* d, DISPID id, long v) { com::PutProperty(d, id, com::LongArg(v)); }

}  // namespace

// --- the hosted components -------------------------------------------------------------------

void FrmMain::PrepareFace() {
    if (cmboObjects.ListCount() == 0) designer.FillKinds();
    MakeComponentArrays();
}

void FrmMain::MakeComponentArrays() {
    if (SLabels && ScrollBars) return;
    const RECT none{0, 0, 0, 0};
    // The components' events reach the handlers of their array with the
    // element's index; each runs as an element event.
    auto scrollerEvents = [this](activex::ControlSite& site, DISPID event, DISPPARAMS* params) {
        RunElementEvent([&] { SLabels_Event(site.Index(), event, params); });
    };
    auto barEvents = [this](activex::ControlSite& site, DISPID event, DISPPARAMS* params) {
        RunElementEvent([&] { ScrollBars_Event(site.Index(), event, params); });
    };
    if (!SLabels) {
        if (auto f = activex::ComponentFactory(CLSID_Scroller, "Dunmere.ocx")) {
            auto a = std::make_unique<activex::ControlArray>(hWnd(), CLSID_Scroller, f.Get(),
                                                             activex::HostScale::kPixels, scrollerEvents);
            if (SUCCEEDED(a->Init(RECT{0, 0, 60, 20}))) {
                // The template: Arial 6.75 points, 200 ms a step.
                IDispatch* d = (*a)[0]->Control();
                com::Variant font;
                if (SUCCEEDED(com::GetProperty(d, vorne::player::skin::kDispidFont, &font)) && font.AsDispatch()) {
                    VARIANT name = com::TextArg("Arial");
                    com::PutProperty(font.AsDispatch(), vorne::player::skin::kFontName, name);
                    VariantClear(&name);
                    com::PutProperty(font.AsDispatch(), vorne::player::skin::kFontSize, com::DoubleArg(6.75));
                }
                PutLong(d, kScrollerSpeed, 200);
                SLabels = std::move(a);
            } else {
                Trace("component Dunmere.Scroller not created");
            }
        }
    }
    if (!ScrollBars) {
        if (auto f = activex::ComponentFactory(CLSID_ScrollBar, "Plovex1.ocx")) {
            auto a = std::make_unique<activex::ControlArray>(hWnd(), CLSID_ScrollBar, f.Get(),
                                                             activex::HostScale::kPixels, barEvents);
            if (SUCCEEDED(a->Init(none)))
                ScrollBars = std::move(a);
            else
                Trace("component Tolvaner.ScrollBar not created");
        }
    }
    (void)none;
}

// --- CleanAll ----------------------------------------------------------------------------------

template <class T>
void FrmMain::Retire(forms::ControlArray<T>& array) {
    while (array.UBound() > 0) {
        std::unique_ptr<T> e = array.Take(array.UBound());
        if (!e) break;
        if (InElementEvent()) {
            // One of the elements may be running its own event: keep them
            // all, hidden and unbound, until that event has returned.
            e->SetVisible(false);
            graveyard_.push_back(std::move(e));
        }
    }
}

void FrmMain::Retire(activex::ControlArray* array) {
    if (!array) return;
    if (!InElementEvent()) {
        array->Clear();
        return;
    }
    // A hosted component may be raising the event that removes it: it stays
    // open, hidden and out of its array, until that event has returned.
    while (array->UBound() > 0) {
        com::Ptr<activex::ControlSite> site = array->Take(array->UBound());
        if (!site) break;
        site->SetVisible(false);
        retiredSites_.push_back(site);
    }
}

void FrmMain::BuryRetired() {
    graveyard_.clear();
    std::vector<com::Ptr<activex::ControlSite>> sites;
    sites.swap(retiredSites_);
    for (auto& site : sites) site->Destroy();
}

void FrmMain::CleanAll() {
    // A fade or a drag over the old skin's bars ends with it.
    if (playback_) playback_->SkinChanging();
    Tables.Clear();
    Retire(Labels);
    Retire(SLabels.get());
    Retire(imgPICS);
    Retire(imgPICS4img);
    Retire(imgPICS2img);
    Retire(imgPICS2optn);
    Retire(ScrollBars.get());
    Refresh();
}

int FrmMain::ElementCount() const {
    int n = 0;
    n += std::max(0, Labels.UBound());
    for (auto* a : {&imgPICS, &imgPICS4img, &imgPICS2img, &imgPICS2optn}) n += std::max(0, a->UBound());
    if (SLabels) n += std::max(0, SLabels->UBound());
    if (ScrollBars) n += std::max(0, ScrollBars->UBound());
    return n;
}

// --- the element factory ---------------------------------------------------------------------

FrmMain::ImageTarget FrmMain::ImageTargetFor(int actionPosition) {
    switch (vorne::player::skin::ImageArrayFor(actionPosition)) {
    case vorne::player::skin::ImageArray::Pics: return {&imgPICS, Tables.imgPICSInfo.data()};
    case vorne::player::skin::ImageArray::Pics4: return {&imgPICS4img, Tables.imgPICS4imgInfo.data()};
    case vorne::player::skin::ImageArray::Pics2: return {&imgPICS2img, Tables.imgPICS2imgInfo.data()};
    case vorne::player::skin::ImageArray::Pics2Optn: return {&imgPICS2optn, Tables.imgPICS2optnInfo.data()};
    case vorne::player::skin::ImageArray::None: break;
    }
    return {};
}

void FrmMain::cmdNew_Click() {
    const int kind = designer.Kind();
    if (kind < 0 || kind > 3) return;
    const std::string action = designer.ActionText();
    switch (kind) {
    case 0: {  // Static Label
        const int i = Labels.UBound() + 1;
        if (!vorne::player::skin::CanBind(i)) return;
        forms::Label& l = Labels.Load(i);
        Tables.LabelsInfo[i].Action = action;
        l.Move(0, 0);
        l.SetVisible(true);
        l.SetEnabled(true);
        l.ZOrder(0);
        const std::string text = vorne::player::skin::StaticLabelText(action, txtCaption.Text());
        txtCaption.SetText(text);
        l.SetCaption(ExpandTemplate(text, "", false));
        Tables.LabelsInfo[i].Template = text;
        return;
    }
    case 1: {  // Scrolling Label
        if (!SLabels) return;
        const int i = SLabels->UBound() + 1;
        if (!vorne::player::skin::CanBind(i) || FAILED(SLabels->Load(i))) return;
        activex::ControlSite* s = (*SLabels)[i];
        Tables.SLabelsInfo[i] = action;
        s->Move(0, 0, s->Width(), s->Height());
        s->SetVisible(true);
        com::PutProperty(s->Control(), kScrollerEnabled, com::BoolArg(true));
        s->ZOrder(0);
        const std::string text = vorne::player::skin::ScrollingLabelText(designer.CaptionShown(), txtCaption.Text(), VersionText);
        txtCaption.SetText(text);
        VARIANT caption = com::TextArg(ExpandTemplate(text, "", false));
        com::PutProperty(s->Control(), kScrollerCaption, caption);
        VariantClear(&caption);
        return;
    }
    case 2: {  // Image
        const vorne::player::skin::ImageArray which = vorne::player::skin::ImageArrayFor(designer.ActionPosition());
        const ImageTarget target = ImageTargetFor(designer.ActionPosition());
        if (!target.array) return;
        forms::ControlArray<forms::Image>* array = target.array;
        vorne::player::skin::ImageElementInfo<forms::PictureRef>* table = target.table;
        const int i = array->UBound() + 1;
        if (!vorne::player::skin::CanBind(i)) return;
        forms::Image* img = &array->Load(i);
        img->SetStretch(false);
        table[i].Action = action;
        table[i].Picture = img1.Picture;
        img->Move(0, 0);
        img->SetVisible(true);
        img->SetEnabled(true);
        img->ZOrder(0);
        if (Img1Path.empty()) {
            img->SetBorderStyle(1);
            img->SetPicture(nullptr);
        } else {
            img->SetBorderStyle(0);
            const int cells = vorne::player::skin::CellsOf(which);
            if (cells <= 1 || !img1.Picture) {
                img->SetPicture(img1.Picture);
            } else {
                // The first cell: the left N-th of the strip at its full height.
                const forms::PictureRef& strip = img1.Picture;
                img->SetPicture(forms::Picture::Copy(strip->Handle(), 0, 0, strip->Width() / cells, strip->Height()));
            }
        }
        return;
    }
    case 3: {  // Scroll Bar
        if (!ScrollBars) return;
        const int i = ScrollBars->UBound() + 1;
        if (!vorne::player::skin::CanBind(i) || FAILED(ScrollBars->Load(i))) return;
        activex::ControlSite* s = (*ScrollBars)[i];
        Tables.ScrollBarsInfo[i] = action;
        s->Move(0, 0, s->Width(), s->Height());
        s->SetVisible(true);
        com::PutProperty(s->Control(), kBarEnabled, com::BoolArg(true));
        s->ZOrder(0);
        IDispatch* d = s->Control();
        if (!Img1Path.empty())
            if (auto p = ComponentPicture(img1.Picture)) com::PutRefProperty(d, kBarPicture, com::DispatchArg(p.Get()));
        if (!Img2Path.empty())
            if (auto p = ComponentPicture(img2.Picture))
                com::PutRefProperty(d, kBarButtonPicture, com::DispatchArg(p.Get()));
        if (action == "Volume Bar") PutLong(d, kBarMax, 65536);
        return;
    }
    }
}

// --- reading a skin file ---------------------------------------------------------------------

class FrmMain::SkinApplier : public vorne::player::skin::SkinReadHandler {
public:
    SkinApplier(FrmMain& w, std::string folder) : w_(w), folder_(std::move(folder)) {}

    forms::PictureRef background;
    bool unexpectedEnd = false;

    void Info(int n, const std::string& v) override {
        if (n >= 0 && n < 4) AuthorInfo[static_cast<size_t>(n)] = v;
    }
    void BackImage(const std::string& v) override {
        if (auto p = Load(v)) background = p;
    }
    void BackTransColour(const std::string& v) override {
        if (auto n = vorne::player::skin::ToLong(v)) w_.TransColour = *n;
    }
    void BackTransTolerance(const std::string& v) override {
        if (auto n = vorne::player::skin::ToLong(v)) w_.TransTolerance = *n;
    }
    void BeginObject(const vorne::player::skin::ObjectHead& head) override {
        w_.cmboObjects.SetText(head.kind);
        w_.txtName.SetText(head.name);
        w_.cmboActions.SetText(head.action);
        if (!head.img1.empty()) {
            if (auto p = Load(head.img1)) {
                w_.img1.Picture = p;
                w_.Img1Path = folder_ + head.img1;
            }
        }
        if (!head.img2.empty()) {
            if (auto p = Load(head.img2)) {
                w_.img2.Picture = p;
                w_.Img2Path = folder_ + head.img2;
            }
        }
        w_.txtCaption.SetText(head.txt);
        const int before = w_.ElementCount();
        try {
            w_.cmdNew_Click();
        } catch (...) {
            // A failing element is skipped; reading goes on.
        }
        // A record whose element was not made (a full array, a header
        // action) has nothing for its keyed lines to set.
        created_ = w_.ElementCount() > before;
    }
    void KeyedLine(const vorne::player::skin::ObjectHead& head, const std::string& line) override {
        if (!created_) return;
        const vorne::player::skin::SkinKind kind = vorne::player::skin::KindFromText(head.kind);
        try {
            Apply(kind, line);
        } catch (...) {
        }
        if (kind == vorne::player::skin::SkinKind::ScrollingLabel && w_.SLabels) {
            if (auto* s = (*w_.SLabels)[w_.SLabels->UBound()]; s && w_.SLabels->UBound() > 0)
                com::CallMethod(s->Control(), vorne::player::skin::kDispidResetScroll);
        }
    }
    void EndObject(const vorne::player::skin::ObjectHead&, bool complete) override {
        if (!complete) unexpectedEnd = true;
    }

private:
    forms::PictureRef Load(const std::string& name) {
        // Names are taken relative to the skin's folder; a name with a drive
        // or a leading backslash does not load.
        return forms::Picture::FromFile(folder_ + name);
    }

    void Apply(vorne::player::skin::SkinKind kind, const std::string& line) {
        for (const vorne::player::skin::KeyedSetting& s : vorne::player::skin::MatchKeyedLine(kind, line)) {
            switch (kind) {
            case vorne::player::skin::SkinKind::StaticLabel: ApplyLabel(s); break;
            case vorne::player::skin::SkinKind::ScrollingLabel:
            case vorne::player::skin::SkinKind::ScrollBar: ApplyComponent(kind, s); break;
            case vorne::player::skin::SkinKind::Image: ApplyImage(s); break;
            case vorne::player::skin::SkinKind::Other: break;
            }
        }
    }

    static int Pixels(float v) { return static_cast<int>(std::lround(v)); }

    void ApplyLabel(const vorne::player::skin::KeyedSetting& s) {
        if (w_.Labels.UBound() < 1) return;
        forms::Label& l = w_.Labels[w_.Labels.UBound()];
        forms::FontSpec f = l.Font();
        using P = vorne::player::skin::SkinProperty;
        switch (s.property) {
        case P::ForeColor: if (auto v = vorne::player::skin::ToLong(s.value)) l.SetForeColor(static_cast<COLORREF>(*v)); break;
        case P::Left: if (auto v = vorne::player::skin::ToSingle(s.value)) l.SetLeft(Pixels(*v)); break;
        case P::Top: if (auto v = vorne::player::skin::ToSingle(s.value)) l.SetTop(Pixels(*v)); break;
        case P::CaptionAlign:
            if (auto v = vorne::player::skin::ToInteger(s.value); v && *v >= 0 && *v <= 2) l.SetAlignment(*v);
            break;
        case P::FontName: f.name = s.value; l.SetFont(f); break;
        case P::FontSize:
            if (auto v = vorne::player::skin::ToSingle(s.value); v && *v > 0 && *v < 2048) { f.size = *v; l.SetFont(f); }
            break;
        case P::FontBold: if (auto v = vorne::player::skin::ToBoolean(s.value)) { f.bold = *v; l.SetFont(f); } break;
        case P::FontItalic: if (auto v = vorne::player::skin::ToBoolean(s.value)) { f.italic = *v; l.SetFont(f); } break;
        case P::FontStrikethrough:
            if (auto v = vorne::player::skin::ToBoolean(s.value)) { f.strikethrough = *v; l.SetFont(f); }
            break;
        case P::FontUnderline: if (auto v = vorne::player::skin::ToBoolean(s.value)) { f.underline = *v; l.SetFont(f); } break;
        default: break;
        }
    }

    void ApplyImage(const vorne::player::skin::KeyedSetting& s) {
        forms::ControlArray<forms::Image>* array = w_.ImageTargetFor(w_.designer.ActionPosition()).array;
        if (!array) return;
        if (array->UBound() < 1) return;
        forms::Image& img = (*array)[array->UBound()];
        auto v = vorne::player::skin::ToSingle(s.value);
        if (!v) return;
        if (s.property == vorne::player::skin::SkinProperty::Left) img.SetLeft(Pixels(*v));
        if (s.property == vorne::player::skin::SkinProperty::Top) img.SetTop(Pixels(*v));
    }

    void ApplyComponent(vorne::player::skin::SkinKind kind, const vorne::player::skin::KeyedSetting& s) {
        activex::ControlArray* array = kind == vorne::player::skin::SkinKind::ScrollingLabel ? w_.SLabels.get() : w_.ScrollBars.get();
        if (!array || array->UBound() < 1) return;
        activex::ControlSite* site = (*array)[array->UBound()];
        if (!site) return;
        using P = vorne::player::skin::SkinProperty;
        switch (s.property) {
        case P::Left: case P::Top: case P::Width: case P::Height: {
            auto v = vorne::player::skin::ToSingle(s.value);
            if (!v) return;
            float l = site->Left(), t = site->Top(), wd = site->Width(), h = site->Height();
            if (s.property == P::Left) l = *v;
            if (s.property == P::Top) t = *v;
            if (s.property == P::Width) wd = *v;
            if (s.property == P::Height) h = *v;
            site->Move(l, t, wd, h);
            return;
        }
        case P::FontName: case P::FontSize: case P::FontBold: case P::FontItalic: case P::FontStrikethrough:
        case P::FontUnderline: {
            com::Variant font;
            if (FAILED(com::GetProperty(site->Control(), vorne::player::skin::kDispidFont, &font)) || !font.AsDispatch()) return;
            if (s.property == P::FontName) {
                VARIANT name = com::TextArg(s.value);
                com::PutProperty(font.AsDispatch(), s.dispid, name);
                VariantClear(&name);
            } else if (s.property == P::FontSize) {
                if (auto v = vorne::player::skin::ToSingle(s.value)) com::PutProperty(font.AsDispatch(), s.dispid, com::DoubleArg(*v));
            } else if (auto b = vorne::player::skin::ToBoolean(s.value)) {
                com::PutProperty(font.AsDispatch(), s.dispid, com::BoolArg(*b));
            }
            return;
        }
        default:
            if (auto v = vorne::player::skin::ToLong(s.value)) PutLong(site->Control(), s.dispid, *v);
            return;
        }
    }

    FrmMain& w_;
    std::string folder_;
    bool created_ = false;
};

bool FrmMain::OpenSkin(const std::string& path) {
    if (path.empty()) return false;
    WIN32_FILE_ATTRIBUTE_DATA facts{};
    if (!GetFileAttributesExW(text::AnsiToWide(path).c_str(), GetFileExInfoStandard, &facts) ||
        (facts.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
        return false;
    const uint64_t size = (static_cast<uint64_t>(facts.nFileSizeHigh) << 32) | facts.nFileSizeLow;
    // The file is read and its header checked before anything of the face
    // changes: a file that is not a skin leaves the current face standing.
    std::optional<std::string> data;
    if (size <= vorne::player::skin::kMaxSkinFileBytes) data = vorne::basic::ReadWholeFile(path);
    std::vector<std::string> lines;
    if (data) lines = vorne::player::skin::SplitSkinLines(*data);
    if (!data || lines.empty() || !vorne::player::skin::IsSkinHeader(lines.front())) {
        Trace("skin invalid " + path);
        forms::MsgBox("Invalid Skin File", forms::vbOKOnly);
        return false;
    }
    const int state = WindowState();
    SetWindowState(forms::vbNormal);
    Options.RepeatOn = chkRepeat.GetValue() != 0;
    Options.RandomOn = chkRandom.GetValue() != 0;
    Hide();
    CleanAll();
    TransColour = -1;
    TransTolerance = -1;
    SkinApplier applier(*this, vorne::player::library::ChopFileOff(path));
    vorne::player::skin::ReadSkin(lines, applier);
    if (applier.unexpectedEnd) forms::MsgBox("Unexpected End of File.", forms::vbOKOnly);
    // F2..F9
    if (applier.background) SetPicture(applier.background);
    AutoSizeMe(*this);
    UpdateBitFreqLabels();
    ApplyRegion(TransColour, TransTolerance);
    designer.HideFields();
    SetupVolume();
    SetWindowState(state);
    if (state != forms::vbMinimized) ShowFace();
    Trace("skin loaded " + path + " elements " + std::to_string(ElementCount()));
    return true;
}

void FrmMain::ApplyRegion(long colour, long tolerance) {
    HRGN region = nullptr;
    if (colour != -1 && GetPicture()) region = region::BitmapToRegion(GetPicture()->Handle(), colour, tolerance);
    if (!region) {
        // No transparent colour (or no picture to cut it from): the whole window.
        RECT r;
        GetWindowRect(hWnd(), &r);
        region = CreateRectRgn(0, 0, r.right - r.left, r.bottom - r.top);
    }
    WindowRegion = region;
    SetWindowRgn(hWnd(), region, TRUE);
}

// --- state pictures --------------------------------------------------------------------------

void FrmMain::MapPicture(forms::Image& target, const forms::PictureRef& strip, int rows, int cols, int cell) {
    target.SetPicture(nullptr);
    if (!strip) return;
    picclip::CellError error = picclip::CellError::None;
    HBITMAP cut = picclip::CutCell(strip->Handle(), cols, rows, cell, error);
    if (cut) target.SetPicture(std::make_shared<forms::Picture>(cut));
}

void FrmMain::CleanControlImages() {
    static const char* const kTransport[] = {"Previous Button", "Play Button", "Pause Button", "Stop Button",
                                             "Next Button"};
    for (int i = 1; i <= std::min(imgPICS4img.UBound(), vorne::player::skin::kMaxElementIndex); ++i) {
        forms::Image* img = imgPICS4img.Find(i);
        if (!img) continue;
        for (const char* a : kTransport)
            if (Tables.imgPICS4imgInfo[i].Action == a) MapPicture(*img, Tables.imgPICS4imgInfo[i].Picture, 1, 4, 0);
    }
}

void FrmMain::Refresh4Controls() {
    if (LastHoverButton < 1 || LastHoverButton > vorne::player::skin::kMaxElementIndex) return;
    forms::Image* img = imgPICS4img.Find(LastHoverButton);
    if (img && img->Enabled()) MapPicture(*img, Tables.imgPICS4imgInfo[LastHoverButton].Picture, 1, 4, 0);
}

void FrmMain::RefreshAllOptions() {
    for (int i = 1; i <= std::min(imgPICS2optn.UBound(), vorne::player::skin::kMaxElementIndex); ++i) {
        forms::Image* img = imgPICS2optn.Find(i);
        if (!img) continue;
        const auto& e = Tables.imgPICS2optnInfo[i];
        bool on;
        if (e.Action == "Random Button") on = Options.RandomOn;
        else if (e.Action == "Repeat Button") on = Options.RepeatOn;
        else if (e.Action == "Play List Button") on = Options.ShowPlayList;
        else continue;
        MapPicture(*img, e.Picture, 1, 2, on ? 1 : 0);
    }
}

void FrmMain::AutoSizeMe(forms::Form& frm) {
    const forms::PictureRef& p = frm.GetPicture();
    const int w = p ? p->Width() : 0, h = p ? p->Height() : 0;
    if (w <= 0 || h <= 0) return;  // no picture: the window keeps its size
    frm.SetWidth(forms::TwipsPerPixelX() * static_cast<float>(w));
    frm.SetHeight(forms::TwipsPerPixelY() * static_cast<float>(h));
}

}  // namespace vorne::player
