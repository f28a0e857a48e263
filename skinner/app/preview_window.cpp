#include "skinner/app/preview_window.h"

#include <commdlg.h>

#include "components/component_ids.h"
#include "runtime/activex/component_factory.h"
#include "Dunmere.h"
#include "Plovex1.h"
#include "platform/region/region.h"
#include "runtime/activex/picture.h"
#include "runtime/activex/screen.h"
#include "runtime/com/late_bound.h"
#include "skinner/app/win_pictures.h"

namespace vorne::skinner {

namespace {

namespace ids = vorne::components;
constexpr DISPID kBarType = SCROLLBAR_DISPID_BARTYPE;

// An event argument as a number (by reference or by value), 0 when absent.
double EventNumber(DISPPARAMS* params, UINT i) {
    VARIANT* v = params && i < params->cArgs ? activex::EventArg(params, i) : nullptr;
    if (!v) return 0;
    VARIANT n;
    VariantInit(&n);
    if (FAILED(VariantChangeType(&n, v, 0, VT_R8))) return 0;
    return n.dblVal;
}

// The system's font box preset from font and colour (screen and printer
// fonts, with the effects part).
bool SystemFontBox(HWND owner, vorne::player::skin::SkinFont& font, int32_t& colour) {
    LOGFONTA lf{};
    lf.lfHeight = activex::ScreenFontHeight(font.size);
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikethrough;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    cf.rgbColors = static_cast<COLORREF>(colour);
    cf.Flags = CF_SCREENFONTS | CF_PRINTERFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontA(&cf)) return false;
    colour = static_cast<int32_t>(cf.rgbColors);
    font.bold = lf.lfWeight >= FW_BOLD;
    font.italic = lf.lfItalic != 0;
    font.name = lf.lfFaceName;
    font.size = static_cast<float>(cf.iPointSize) / 10.0f;
    font.strikethrough = lf.lfStrikeOut != 0;
    font.underline = lf.lfUnderline != 0;
    return true;
}

bool SystemColourBox(HWND owner, int32_t& colour) {
    static COLORREF custom[16] = {};
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = static_cast<COLORREF>(colour);
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT;
    if (!ChooseColorA(&cc)) return false;
    colour = static_cast<int32_t>(cc.rgbResult);
    return true;
}

void PutLong(IDispatch* d, DISPID id, long v) { com::PutProperty(d, id, com::LongArg(v)); }

void PutText(IDispatch* d, DISPID id, const std::string& text) {
    VARIANT v = com::TextArg(text);
    com::PutProperty(d, id, v);
    VariantClear(&v);
}

// A picture object of the component's own over a copy of the bitmap.
com::Ptr<IPictureDisp> ComponentPicture(const core::EditorPictureRef& p) {
    forms::PictureRef bmp = BitmapOf(p);
    if (!bmp) return {};
    HBITMAP copy = static_cast<HBITMAP>(CopyImage(bmp->Handle(), IMAGE_BITMAP, 0, 0, 0));
    if (!copy) return {};
    return activex::PictureFromBitmap(copy, true);
}

void PutFont(IDispatch* d, const vorne::player::skin::SkinFont& f) {
    com::Variant font;
    if (FAILED(com::GetProperty(d, vorne::player::skin::kDispidFont, &font)) || !font.AsDispatch()) return;
    IDispatch* fd = font.AsDispatch();
    PutText(fd, vorne::player::skin::kFontName, f.name);
    com::PutProperty(fd, vorne::player::skin::kFontSize, com::DoubleArg(f.size));
    com::PutProperty(fd, vorne::player::skin::kFontBold, com::BoolArg(f.bold));
    com::PutProperty(fd, vorne::player::skin::kFontItalic, com::BoolArg(f.italic));
    com::PutProperty(fd, vorne::player::skin::kFontUnderline, com::BoolArg(f.underline));
    com::PutProperty(fd, vorne::player::skin::kFontStrikethrough, com::BoolArg(f.strikethrough));
}

forms::FontSpec FontOf(const vorne::player::skin::SkinFont& f) {
    forms::FontSpec s;
    s.name = f.name;
    s.size = f.size;
    s.bold = f.bold, s.italic = f.italic, s.underline = f.underline, s.strikethrough = f.strikethrough;
    return s;
}

}  // namespace

frmPrev::frmPrev(core::SkinEditor& editor) : Form("frmPrev"), editor_(editor) {
    SetCaption("Vorne Skin Preview");
    editor_.SetPreview(this);
    ShowMenu = [this](forms::MenuItem& menu) { forms::PopupMenu(*this, menu); };
    ChooseFont = [this](vorne::player::skin::SkinFont& f, int32_t& c) { return SystemFontBox(hWnd(), f, c); };
    ChooseColour = [this](int32_t& c) { return SystemColourBox(hWnd(), c); };
    MakeMenus();
}

frmPrev::~frmPrev() { editor_.SetPreview(nullptr); }

int frmPrev::Px(float twips, bool x) const {
    return x ? editor_.Scale().ToPixelsX(twips) : editor_.Scale().ToPixelsY(twips);
}

void frmPrev::Form_Load() {
    MakeComponents();
    BackgroundChanged();
    ShowAll();
}

void frmPrev::Form_Unload(int& cancel) {
    labels_.clear();
    pics_.clear();
    SLabels.reset();
    ScrollBars.reset();
}

void frmPrev::MakeComponents() {
    auto handler = [this](core::SkinKind kind) {
        return [this, kind](activex::ControlSite& site, DISPID event, DISPPARAMS* params) {
            ComponentEvent(kind, site, event, params);
        };
    };
    if (!SLabels) {
        if (auto f = activex::ComponentFactory(CLSID_Scroller, "Dunmere.ocx")) {
            auto a = std::make_unique<activex::ControlArray>(hWnd(), CLSID_Scroller, f.Get(),
                                                             activex::HostScale::kPixels,
                                                             handler(core::SkinKind::ScrollingLabel));
            if (SUCCEEDED(a->Init(RECT{0, 0, 100, 17}))) SLabels = std::move(a);
        }
    }
    if (!ScrollBars) {
        if (auto f = activex::ComponentFactory(CLSID_ScrollBar, "Plovex1.ocx")) {
            auto a = std::make_unique<activex::ControlArray>(hWnd(), CLSID_ScrollBar, f.Get(),
                                                             activex::HostScale::kPixels,
                                                             handler(core::SkinKind::ScrollBar));
            if (SUCCEEDED(a->Init(RECT{0, 0, 100, 15}))) ScrollBars = std::move(a);
        }
    }
}

void frmPrev::BackgroundChanged() {
    if (!Loaded()) return;
    // A new background or size: a shape cut from the old one no longer fits.
    NormalRegion();
    SetPicture(BitmapOf(editor_.Background()));
    // The inner size is the preview's; the window has only a thin border.
    RECT r{0, 0, Px(editor_.PreviewWidth(), true), Px(editor_.PreviewHeight(), false)};
    AdjustWindowRectEx(&r, Style(), FALSE, ExStyle());
    const float tx = editor_.Scale().x, ty = editor_.Scale().y;
    Move(Left(), Top(), static_cast<float>(r.right - r.left) * tx, static_cast<float>(r.bottom - r.top) * ty);
    Refresh();
}

void frmPrev::ShowAll() {
    for (int k = 0; k < 4; ++k)
        for (const auto& [index, e] : editor_.Elements(static_cast<core::SkinKind>(k))) ShowElement(e);
}

void frmPrev::WireMouse(forms::FormControl& c, core::SkinKind kind, int index) {
    c.OnMouseDown = [this, kind, index](const forms::MouseEvent& m) {
        ElementMouseDown(kind, index, m.button, m.x, m.y);
    };
    c.OnMouseMove = [this, kind, index](const forms::MouseEvent& m) {
        ElementMouseMove(kind, index, m.button, m.x, m.y);
    };
    c.OnMouseUp = [this, kind, index](const forms::MouseEvent& m) { ElementMouseUp(kind, index, m.button, m.x, m.y); };
}

void frmPrev::ShowElement(const core::PreviewElement& e) {
    if (!Loaded()) return;
    const int x = Px(e.left, true), y = Px(e.top, false), w = Px(e.width, true), h = Px(e.height, false);
    switch (e.kind) {
        case core::SkinKind::StaticLabel: {
            auto& l = labels_[e.index];
            if (!l) {
                l = std::make_unique<forms::Label>(*this, "Labels", e.index);
                WireMouse(*l, core::SkinKind::StaticLabel, e.index);
            }
            l->SetBackStyle(0);
            l->SetFont(FontOf(e.font));
            l->SetForeColor(static_cast<COLORREF>(e.foreColor));
            l->SetAlignment(e.captionAlign);
            l->SetCaption(e.caption);
            l->SetAutoSize(true);
            l->Move(x, y);
            l->SetVisible(e.visible);
            l->ZOrder(0);
            break;
        }
        case core::SkinKind::Image: {
            auto& p = pics_[e.index];
            if (!p) {
                p = std::make_unique<forms::Image>(*this, "Pics", e.index);
                WireMouse(*p, core::SkinKind::Image, e.index);
            }
            p->SetPicture(BitmapOf(e.picture));
            p->SetBorderStyle(e.borderStyle);
            if (!e.picture) p->Move(x, y, w, h);
            else p->Move(x, y);
            p->SetVisible(e.visible);
            p->ZOrder(0);
            break;
        }
        case core::SkinKind::ScrollingLabel: {
            if (!SLabels) break;
            if (!(*SLabels)[e.index] && FAILED(SLabels->Load(e.index))) break;
            activex::ControlSite* s = (*SLabels)[e.index];
            IDispatch* d = s->Control();
            PutLong(d, vorne::components::kScrollerForeColor, e.foreColor);
            PutLong(d, vorne::components::kScrollerBackColor, e.backColor);
            PutLong(d, vorne::components::kScrollerTextAlignment, e.textAlign);
            PutLong(d, vorne::components::kScrollerHorizontalAlignment, e.hAlign);
            PutLong(d, vorne::components::kScrollerVerticalAlignment, e.vAlign);
            PutLong(d, vorne::components::kScrollerDirection, e.scrollDir);
            PutLong(d, vorne::components::kScrollerSpeed, e.scrollSpeed);
            PutFont(d, e.font);
            PutText(d, vorne::components::kScrollerCaption, e.caption);
            com::PutProperty(d, vorne::components::kScrollerEnabled, com::BoolArg(e.enabled));
            s->Move(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
            com::CallMethod(d, vorne::player::skin::kDispidResetScroll);
            s->SetVisible(e.visible);
            s->ZOrder(0);
            break;
        }
        case core::SkinKind::ScrollBar: {
            if (!ScrollBars) break;
            if (!(*ScrollBars)[e.index] && FAILED(ScrollBars->Load(e.index))) break;
            activex::ControlSite* s = (*ScrollBars)[e.index];
            IDispatch* d = s->Control();
            com::PutProperty(d, vorne::components::kBarEnabled, com::BoolArg(e.enabled));
            PutLong(d, kBarType, e.barType);
            auto bar = ComponentPicture(e.picture), thumb = ComponentPicture(e.buttonPicture);
            com::PutRefProperty(d, vorne::components::kBarPicture, com::DispatchArg(bar.Get()));
            com::PutRefProperty(d, vorne::components::kBarButtonPicture, com::DispatchArg(thumb.Get()));
            s->Move(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
            s->SetVisible(e.visible);
            s->ZOrder(0);
            break;
        }
        case core::SkinKind::Other: break;
    }
}

void frmPrev::ElementUnloaded(core::SkinKind kind, int index) {
    switch (kind) {
        case core::SkinKind::StaticLabel: labels_.erase(index); break;
        case core::SkinKind::Image: pics_.erase(index); break;
        case core::SkinKind::ScrollingLabel:
            if (SLabels) SLabels->Unload(index);
            break;
        case core::SkinKind::ScrollBar:
            if (ScrollBars) ScrollBars->Unload(index);
            break;
        case core::SkinKind::Other: break;
    }
    if (Loaded()) Refresh();
}

forms::Rect frmPrev::PixelRect(core::SkinKind kind, int index) const {
    switch (kind) {
        case core::SkinKind::StaticLabel:
            if (auto* l = Label(index)) return l->Bounds();
            break;
        case core::SkinKind::Image:
            if (auto* p = Pic(index)) return p->Bounds();
            break;
        default:
            if (auto* s = Component(kind, index)) {
                const RECT& r = s->PixelRect();
                return {r.left, r.top, r.right - r.left, r.bottom - r.top};
            }
            break;
    }
    return {};
}

forms::Label* frmPrev::Label(int index) const {
    auto it = labels_.find(index);
    return it == labels_.end() ? nullptr : it->second.get();
}

forms::Image* frmPrev::Pic(int index) const {
    auto it = pics_.find(index);
    return it == pics_.end() ? nullptr : it->second.get();
}

activex::ControlSite* frmPrev::Component(core::SkinKind kind, int index) const {
    const auto& a = kind == core::SkinKind::ScrollingLabel ? SLabels : ScrollBars;
    if (!a || (kind != core::SkinKind::ScrollingLabel && kind != core::SkinKind::ScrollBar)) return nullptr;
    return (*a)[index];
}

void frmPrev::Form_MouseDown(const forms::MouseEvent& e) {
    // The window drag: a left press on the background moves the window.
    if (e.button != forms::vbLeftButton) return;
    ReleaseCapture();
    SendMessageA(hWnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

// --- the mouse on the elements ------------------------------------------------------------------

namespace {
constexpr UINT kShowMenu = WM_APP + 7;  // wParam: the kind
}

void frmPrev::ElementMouseDown(core::SkinKind kind, int index, int button, float x, float y, bool onThumb) {
    // A press on a bar's thumb belongs to the bar.
    if (kind == core::SkinKind::ScrollBar && onThumb) return;
    grabX_ = x;
    grabY_ = y;
    if (OnSelect) OnSelect(kind, index);
}

void frmPrev::ElementMouseMove(core::SkinKind kind, int index, int button, float x, float y, bool onThumb) {
    // The left button alone drags; the grabbed point stays under the mouse.
    if (button != forms::vbLeftButton || (kind == core::SkinKind::ScrollBar && onThumb)) return;
    const core::PreviewElement* e = editor_.Element(kind, index);
    if (!e) return;
    editor_.SkinChanged = true;
    const float left = e->left + (x - grabX_), top = e->top + (y - grabY_);
    if (left != e->left || top != e->top) editor_.PlaceElement(kind, index, left, top, e->width, e->height);
}

void frmPrev::ElementMouseUp(core::SkinKind kind, int index, int button, float, float) {
    if (button != forms::vbRightButton) return;
    editor_.SkinChanged = true;
    menuIndex_ = index;
    const core::PreviewElement* e = editor_.Element(kind, index);
    if (!e) return;
    switch (kind) {
        case core::SkinKind::StaticLabel: Tick("cmdlblAlgn", 3, e->captionAlign); break;
        case core::SkinKind::ScrollingLabel:
            Tick("cmdSlblHAlgn", 3, e->hAlign);
            Tick("cmdSlblVAlgn", 3, e->vAlign);
            Tick("cmdslblalgn", 3, e->textAlign);
            Tick("cmdSlblScrollDir", 4, e->scrollDir);
            MenuItemNamed("cmdSlblSpeed")->SetCaption("Speed : " + std::to_string(e->scrollSpeed));
            break;
        case core::SkinKind::ScrollBar: Tick("cmdSBType", 4, e->barType); break;
        default: break;
    }
    // Shown once the element's own event has returned.
    PostMessageA(hWnd(), kShowMenu, static_cast<WPARAM>(kind), 0);
}

void frmPrev::ComponentEvent(core::SkinKind kind, activex::ControlSite& site, DISPID event, DISPPARAMS* params) {
    const bool bar = kind == core::SkinKind::ScrollBar;
    const DISPID down = bar ? vorne::components::kBarEventMouseDown : vorne::components::kScrollerEventMouseDown;
    const DISPID move = bar ? vorne::components::kBarEventMouseMove : vorne::components::kScrollerEventMouseMove;
    const DISPID up = bar ? vorne::components::kBarEventMouseUp : vorne::components::kScrollerEventMouseUp;
    if (event != down && event != move && event != up) return;
    const int button = static_cast<int>(EventNumber(params, 0));
    const float x = static_cast<float>(EventNumber(params, 2)), y = static_cast<float>(EventNumber(params, 3));
    const bool onThumb = bar && EventNumber(params, 4) != 0;
    if (event == down) ElementMouseDown(kind, site.Index(), button, x, y, onThumb);
    else if (event == move) ElementMouseMove(kind, site.Index(), button, x, y, onThumb);
    else ElementMouseUp(kind, site.Index(), button, x, y);
}

LRESULT frmPrev::Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    if (msg != kShowMenu) return 0;
    handled = true;
    static const char* const menus[4] = {"mnuLabels", "mnuSLabels", "mnuImage", "mnuScrollBars"};
    const size_t k = static_cast<size_t>(wp);
    if (k < 4 && ShowMenu) ShowMenu(*MenuItemNamed(menus[k]));
    return 0;
}

// --- the popup menus ----------------------------------------------------------------------------

forms::MenuItem& frmPrev::NewItem(forms::MenuItem* parent, const std::string& name, const std::string& caption) {
    items_.push_back(std::make_unique<forms::MenuItem>(name, caption));
    forms::MenuItem& item = *items_.back();
    itemsByName_[name] = &item;
    if (parent) parent->Add(item);
    return item;
}

forms::MenuItem* frmPrev::MenuItemNamed(const std::string& name) const {
    auto it = itemsByName_.find(name);
    return it == itemsByName_.end() ? nullptr : it->second;
}

void frmPrev::ValueItems(core::SkinKind kind, forms::MenuItem& parent, const std::string& name,
                         const std::vector<const char*>& captions, int32_t core::PreviewElement::*field) {
    for (size_t k = 0; k < captions.size(); ++k) {
        const int32_t value = static_cast<int32_t>(k);
        NewItem(&parent, name + std::to_string(k), captions[k]).OnClick = [this, kind, field, value] {
            if (core::PreviewElement* e = MenuElement(kind)) {
                core::PreviewElement changed = *e;
                changed.*field = value;
                Edited(changed);
            }
        };
    }
}

void frmPrev::Tick(const std::string& name, int count, int32_t value) {
    for (int k = 0; k < count; ++k) MenuItemNamed(name + std::to_string(k))->SetChecked(k == value);
}

void frmPrev::MakeMenus() {
    const char* const leftRight[] = {"Left", "Right", "Center"};
    const std::vector<const char*> lr(std::begin(leftRight), std::end(leftRight));
    const char* const sizeItem = "Size and Position Type-in";

    forms::MenuItem& labels = NewItem(nullptr, "mnuLabels", "Labels");
    NewItem(&labels, "cmdlblSize", sizeItem).OnClick = [this] { TypeIn(core::SkinKind::StaticLabel); };
    NewItem(&labels, "Break4", "-");
    NewItem(&labels, "cmdlbfont", "Font").OnClick = [this] { FontCommand(core::SkinKind::StaticLabel); };
    ValueItems(core::SkinKind::StaticLabel, NewItem(&labels, "subLblAlign", "Alignment"), "cmdlblAlgn", lr,
               &core::PreviewElement::captionAlign);

    const core::SkinKind sl = core::SkinKind::ScrollingLabel;
    forms::MenuItem& slabels = NewItem(nullptr, "mnuSLabels", "Scrolling Labels");
    NewItem(&slabels, "cmdSlblSize", sizeItem).OnClick = [this] { TypeIn(core::SkinKind::ScrollingLabel); };
    NewItem(&slabels, "Break5", "-");
    NewItem(&slabels, "cmdSlblFont", "Font").OnClick = [this] { FontCommand(core::SkinKind::ScrollingLabel); };
    ValueItems(sl, NewItem(&slabels, "subslblalgn", "Text Alignment"), "cmdslblalgn", lr, &core::PreviewElement::textAlign);
    NewItem(&slabels, "cmdSlblBackColour", "Back Colour").OnClick = [this] { BackColourCommand(); };
    NewItem(&slabels, "cmdSlblSpeed", "Speed").OnClick = [this] { SpeedCommand(); };
    NewItem(&slabels, "Break2", "-");
    ValueItems(sl, NewItem(&slabels, "subslblHoriz", "Horizontal Display Alignment"), "cmdSlblHAlgn", lr,
               &core::PreviewElement::hAlign);
    ValueItems(sl, NewItem(&slabels, "subslblVert", "Vertical Display Alignment"), "cmdSlblVAlgn",
               {"Top", "Bottom", "Middle"}, &core::PreviewElement::vAlign);
    ValueItems(sl, NewItem(&slabels, "subSlblSD", "Scroll Direction"), "cmdSlblScrollDir",
               {"Scroll Left", "Scroll Right", "Scroll Up", "Scroll Down"}, &core::PreviewElement::scrollDir);

    forms::MenuItem& bars = NewItem(nullptr, "mnuScrollBars", "Scroll Bars");
    NewItem(&bars, "cmdSBSize", sizeItem).OnClick = [this] { TypeIn(core::SkinKind::ScrollBar); };
    NewItem(&bars, "Break6", "-");
    ValueItems(core::SkinKind::ScrollBar, NewItem(&bars, "cmdSBbartype", "Bar Type"), "cmdSBType",
               {"Horizontal (Left to Right)", "Vertical (Top to Bottom)", "Horizontal (Right to Left)",
                "Vertical (Bottom to Top)"},
               &core::PreviewElement::barType);

    forms::MenuItem& image = NewItem(nullptr, "mnuImage", "Image");
    NewItem(&image, "cmdIMGSize", sizeItem).OnClick = [this] { TypeIn(core::SkinKind::Image); };
}

core::PreviewElement* frmPrev::MenuElement(core::SkinKind kind) { return editor_.MutableElement(kind, menuIndex_); }

void frmPrev::Edited(const core::PreviewElement& e) { editor_.ElementEdited(e); }

void frmPrev::TypeIn(core::SkinKind kind) {
    if (editor_.SetEditTarget(kind, menuIndex_) && OnTypeIn) OnTypeIn();
}

void frmPrev::FontCommand(core::SkinKind kind) {
    core::PreviewElement* e = MenuElement(kind);
    if (!e || !ChooseFont) return;
    core::PreviewElement changed = *e;
    if (!ChooseFont(changed.font, changed.foreColor)) return;
    Edited(changed);
}

void frmPrev::BackColourCommand() {
    core::PreviewElement* e = MenuElement(core::SkinKind::ScrollingLabel);
    if (!e || !ChooseColour) return;
    core::PreviewElement changed = *e;
    if (ChooseColour(changed.backColor)) Edited(changed);
}

void frmPrev::SpeedCommand() {
    core::PreviewElement* e = MenuElement(core::SkinKind::ScrollingLabel);
    if (!e) return;
    // Not topmost meanwhile, so that the box cannot be hidden behind them.
    if (SetWindowsOnTop) SetWindowsOnTop(false);
    const std::string answer =
        forms::InputBox("Enter New Value.  The Lower the value, the Faster it will go\r\n\r\n"
                        "To stop the Text from scrolling set this value to 0",
                        "New Scroll Speed", std::to_string(e->scrollSpeed));
    if (SetWindowsOnTop) SetWindowsOnTop(true);
    e = MenuElement(core::SkinKind::ScrollingLabel);
    if (!e || answer.empty()) return;
    core::PreviewElement changed = *e;
    // A speed the control's timer cannot take keeps the old one.
    if (editor_.SetScrollSpeed(changed, answer)) Edited(changed);
}

// --- the window's shape -------------------------------------------------------------------------

void frmPrev::CutToBackground(int32_t colour, int32_t tolerance) {
    forms::PictureRef bmp = BitmapOf(editor_.Background());
    HRGN rgn = bmp ? region::BitmapToRegion(bmp->Handle(), colour, tolerance) : nullptr;
    if (!rgn) return;
    // The picture lies inside the window's border.
    POINT origin{0, 0};
    ClientToScreen(hWnd(), &origin);
    RECT outer{};
    GetWindowRect(hWnd(), &outer);
    OffsetRgn(rgn, origin.x - outer.left, origin.y - outer.top);
    SetWindowRgn(hWnd(), rgn, TRUE);  // the window owns the region now
}

void frmPrev::NormalRegion() {
    if (Loaded()) SetWindowRgn(hWnd(), nullptr, TRUE);
}

void frmPrev::ElementPlaced(const core::PreviewElement& e) {
    if (!Loaded()) return;
    const int x = Px(e.left, true), y = Px(e.top, false), w = Px(e.width, true), h = Px(e.height, false);
    switch (e.kind) {
        case core::SkinKind::StaticLabel:
            if (auto* l = Label(e.index)) l->Move(x, y);
            break;
        case core::SkinKind::Image:
            if (auto* p = Pic(e.index)) {
                if (!e.picture) p->Move(x, y, w, h);
                else p->Move(x, y);
            }
            break;
        default:
            if (auto* s = Component(e.kind, e.index))
                s->Move(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
            break;
    }
}

}  // namespace vorne::skinner
