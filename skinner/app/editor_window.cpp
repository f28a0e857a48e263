#include "skinner/app/editor_window.h"

#include <commctrl.h>
#include <commdlg.h>

#include "runtime/registry/associate.h"
#include "runtime/registry/registry_win32.h"
#include "runtime/forms/child_windows.h"
#include "runtime/forms/commands.h"
#include "runtime/forms/help.h"
#include "runtime/forms/window_procs.h"
#include "runtime/text/ansi.h"
#include "runtime/text/paths.h"
#include "skinner/app/tab_keys.h"
#include "skinner/author/author_details.h"
#include "skinner/author/author_dialog.h"

namespace vorne::skinner {

namespace {

const std::vector<std::string> kColumns = {"Object", "Type", "Action", "Image1", "Image2", "Caption",
                                           "Internal Refrence"};
const char* const kKindTexts[4] = {"Static Label", "Scrolling Label", "Image", "Scroll Bar"};

std::vector<std::vector<std::string>> RowTexts(const std::vector<core::ObjectRow>& rows) {
    std::vector<std::vector<std::string>> out;
    for (const core::ObjectRow& r : rows) out.push_back({r.name, r.kind, r.action, r.img1, r.img2, r.caption, r.ref});
    return out;
}

}  // namespace

frmSkinner::frmSkinner()
    : Form("frmSkinner"), editor_(pictures_, forms::ScreenScale()), preview_(std::make_unique<frmPrev>(editor_)) {
    SetCaption("Quarl");
    editor_.ShowAuthorDialog = [] { author::ShowAuthorDialog(); };
    editor_.OnCaption = [this](const std::string& c) { SetCaption(c); };
    preview_->OnSelect = [this](core::SkinKind kind, int index) { SelectItem(kind, index); };
    wh_ = std::make_unique<frmWH>(editor_, [this](core::SkinKind kind, int index) { return preview_->PixelRect(kind, index); });
    preview_->OnTypeIn = [this] { wh_->Open(preview_->hWnd()); };
    preview_->SetWindowsOnTop = [this](bool onTop) { SetWindowsOnTop(onTop); };
    img1_ = std::make_unique<forms::PictureBox>(*this, "img1");
    img2_ = std::make_unique<forms::PictureBox>(*this, "img2");
    img1_->Move(80, 250, 120, 40);
    img2_->Move(266, 250, 120, 40);
    img1_->OnMouseUp = [this](const forms::MouseEvent& e) {
        if (e.button == forms::vbRightButton) ShowPictureMenu(1);
    };
    img2_->OnMouseUp = [this](const forms::MouseEvent& e) {
        if (e.button == forms::vbRightButton) ShowPictureMenu(2);
    };
    CD.Filter = "Picture Files|*.bmp;*.jpg;*.gif";
}

frmSkinner::~frmSkinner() {
    if (transBrush_) DeleteObject(transBrush_);
}

HWND frmSkinner::Child(const char* cls, const char* text, DWORD style, int id, int x, int y, int w, int h,
                       DWORD ex) {
    return forms::MakeChild(hWnd(), cls, text, style, x, y, w, h, id, ex);
}

std::string SkinFileTypeCommand(const std::string& programPath) { return "\"" + programPath + "\""; }

bool RegisterSkinFileType(vorne::registry::Registry& reg, const std::string& programPath) {
    return vorne::registry::AssociateFileType(reg, ".vsk", "Vorne.Skin", "Vorne Skin", SkinFileTypeCommand(programPath),
                                      programPath, "0") == vorne::registry::kRegOk;
}

void frmSkinner::Form_Load() {
    // The File menu.
    HMENU bar = CreateMenu(), file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, kMenuNew, "&New");
    AppendMenuA(file, MF_STRING, kMenuOpen, "&Open");
    AppendMenuA(file, MF_STRING, kMenuSave, "&Save");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, kMenuExit, "E&xit");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_STRING, kMenuHelp, "&Help");
    SetMenu(hWnd(), bar);
    InstallTabKeys();

    const DWORD tab = WS_TABSTOP;
    Child("BUTTON", "Interface Creation", BS_GROUPBOX, -1, 8, 4, 644, 330);
    Child("STATIC", "Current Interface Objects:", 0, -1, 16, 22, 200, 16);
    lv_.Create(hWnd(), kLV, RECT{16, 40, 644, 182}, kColumns);
    Child("STATIC", "Object Name:", 0, -1, 16, 188, 150, 16);
    Child("EDIT", "", tab | ES_AUTOHSCROLL, kTxtName, 16, 204, 150, 22, WS_EX_CLIENTEDGE);
    Child("STATIC", "Select Object Type:", 0, -1, 176, 188, 150, 16);
    Child("COMBOBOX", "", tab | CBS_DROPDOWNLIST | WS_VSCROLL, kCmboObjects, 176, 204, 150, 200);
    Child("STATIC", "Act Like:", 0, -1, 336, 188, 150, 16);
    Child("COMBOBOX", "", tab | CBS_DROPDOWNLIST | WS_VSCROLL, kCmboActions, 336, 204, 170, 320);
    Child("BUTTON", "Extra Info", BS_GROUPBOX, -1, 16, 232, 628, 64);
    Child("STATIC", "Image 1", 0, kLblImg1, 24, 252, 52, 16);
    Child("STATIC", "Image 2", 0, kLblImg2, 210, 252, 52, 16);
    Child("STATIC", "Caption:", 0, kLblCaption, 396, 252, 50, 16);
    Child("EDIT", "", tab | ES_AUTOHSCROLL, kTxtCaption, 450, 250, 186, 22, WS_EX_CLIENTEDGE);
    Child("BUTTON", "Create New Object", tab, kCmdNew, 16, 302, 130, 26);
    Child("BUTTON", "Edit", tab, kCmdEdit, 152, 302, 70, 26);
    Child("BUTTON", "Save", tab, kCmdSave, 228, 302, 70, 26);
    Child("BUTTON", "Cancel", tab, kCmdCancel, 304, 302, 70, 26);
    Child("BUTTON", "Delete", tab, kCmdDel, 380, 302, 70, 26);
    Child("BUTTON", "Type-In", tab, kCmdTypeIn, 456, 302, 70, 26);
    Child("BUTTON", "Background", BS_GROUPBOX, -1, 8, 338, 644, 84);
    Child("BUTTON", "Choose Background", tab, kCmdBack, 16, 356, 130, 26);
    Child("EDIT", "", ES_READONLY | ES_AUTOHSCROLL, kTxtBackPath, 152, 358, 300, 22, WS_EX_CLIENTEDGE);
    Child("BUTTON", "Transparency", tab | BS_AUTOCHECKBOX, kChkTrans, 16, 390, 98, 20);
    Child("STATIC", "Transparent Colour:", SS_LEFTNOWORDWRAP, -1, 118, 392, 124, 16);
    Child("STATIC", "", SS_NOTIFY | WS_BORDER, kPicTrans, 244, 390, 30, 20);
    const int pickW = forms::ScreenScale().ToPixelsX(core::kPaletteWidth), pickH = forms::ScreenScale().ToPixelsY(core::kPaletteHeight);
    Child("BUTTON", "Pick", tab, kCmdPick, 278, 386, pickW, pickH);
    Child("STATIC", "Tolerance:", 0, -1, 340, 392, 56, 16);
    Child("BUTTON", "Test", tab, kCmdTest, 564, 356, 80, 26);
    Child("BUTTON", "Norm", tab, kCmdNorm, 564, 388, 80, 26);
    HWND tol = Child(TRACKBAR_CLASSA, "", tab | TBS_HORZ, kSldrTol, 396, 386, 162, 28);
    // The range does not fit the 16-bit halves of TBM_SETRANGE.
    SendMessageA(tol, TBM_SETRANGEMIN, FALSE, 0);
    SendMessageA(tol, TBM_SETRANGEMAX, TRUE, core::kMaxTolerance);

    // The fields' tips, each on one line.
    const std::pair<int, const char*> tipTexts[] = {
        {kTxtName, "Not required.  Use so you know which object is what"},
        {kCmboObjects, "Type of Interface Object"},
        {kCmboActions, "List of Items that this object can act like"},
        {kTxtCaption, "The % Switches can also be used here. You can find them in the Prefrences Dialog of Vorne"},
        {kCmdNew, "Create a new object with the Current Parameters"},
        {kCmdEdit, "Edit Selected Item's Parameters"},
        {kCmdSave, "Save changes"},
        {kCmdCancel, "Don't save changes"},
        {kCmdDel, "Delete all selected Items"},
        {kCmdTypeIn, "Allow manual Entering of Position and size of Selected Object"},
    };
    for (const auto& [id, text] : tipTexts) forms::SetChildTip(hWnd(), Item(id), text, forms::kTipOneLine);

    MakeColourBox();

    // The inner size of the window's design.
    RECT r{0, 0, 660, 430};
    AdjustWindowRectEx(&r, Style(), TRUE, ExStyle());
    Move(20 * forms::TwipsPerPixelX(), 20 * forms::TwipsPerPixelY(), static_cast<float>(r.right - r.left) * forms::TwipsPerPixelX(),
         static_cast<float>(r.bottom - r.top) * forms::TwipsPerPixelY());
    Sync();

    // The skin file type is bound to this program on every start; a failure
    // is not reported.
    char self[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (n > 0 && n < MAX_PATH) {
        vorne::registry::RegistryWin32 reg;
        RegisterSkinFileType(reg, std::string(self, n));
    }
}

void frmSkinner::Form_Resize() {
    if (!preview_->Loaded()) return;
    const int state = WindowState();
    if (state == forms::vbMinimized) preview_->Hide();
    else if (state == forms::vbNormal) preview_->Show();
}

void frmSkinner::Form_QueryUnload(int& cancel, int mode) {
    if (!editor_.QueryDiscard([this] { return cmdSaveSkin_Click(); })) cancel = 1;
}

void frmSkinner::Form_Unload(int& cancel) {
    author::WriteAuthorFile(author::AuthorFilePath(forms::App::Path()), author::AuthorInfo());
    wh_->Unload();
    preview_->Unload();
}

std::string frmSkinner::WindowText(int id) const { return forms::WindowText(Item(id)); }

void frmSkinner::SetText(int id, const std::string& text) { forms::SetChildText(Item(id), text); }

void frmSkinner::FillCombo(int id, const forms::ComboBox& from) {
    HWND c = Item(id);
    bool same = static_cast<int>(SendMessageA(c, CB_GETCOUNT, 0, 0)) == from.ListCount();
    for (int i = 0; same && i < from.ListCount(); ++i) {
        char buf[256] = {};
        SendMessageA(c, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buf));
        same = from.List(i) == buf;
    }
    if (!same) {
        SendMessageA(c, CB_RESETCONTENT, 0, 0);
        for (int i = 0; i < from.ListCount(); ++i)
            SendMessageA(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(from.List(i).c_str()));
    }
    SendMessageA(c, CB_SETCURSEL, static_cast<WPARAM>(from.ListIndex()), 0);
    EnableWindow(c, from.Enabled() ? TRUE : FALSE);
}

void frmSkinner::Sync() {
    if (!Loaded()) return;
    syncing_ = true;
    core::SkinEditor& m = editor_;
    auto rows = RowTexts(m.Rows());
    if (rows != shownRows_) {
        lv_.SetRows(rows);
        shownRows_ = rows;
    }
    for (int i = 0; i < static_cast<int>(m.Rows().size()); ++i)
        if (lv_.Selected(i) != m.Rows()[static_cast<size_t>(i)].selected)
            lv_.SetSelected(i, m.Rows()[static_cast<size_t>(i)].selected);
    lv_.SetEnabled(m.LV.Enabled());
    SetText(kTxtName, m.txtName.Text());
    EnableWindow(Item(kTxtName), m.txtName.Enabled() ? TRUE : FALSE);
    FillCombo(kCmboObjects, m.cmboObjects);
    FillCombo(kCmboActions, m.cmboActions);
    SetText(kTxtCaption, m.txtCaption.Text());
    SetText(kTxtBackPath, m.txtBackPath.Text());
    auto show = [this](int id, bool on) { ShowWindow(Item(id), on ? SW_SHOW : SW_HIDE); };
    show(kLblImg1, m.img1.Visible());
    show(kLblImg2, m.img2.Visible());
    show(kLblCaption, m.txtCaption.Visible());
    show(kTxtCaption, m.txtCaption.Visible());
    img1_->SetVisible(m.img1.Visible());
    img2_->SetVisible(m.img2.Visible());
    img1_->SetPicture(BitmapOf(m.Image1()));
    img2_->SetPicture(BitmapOf(m.Image2()));
    img1_->Cls();
    img2_->Cls();
    const std::pair<int, const forms::Control*> buttons[] = {
        {kCmdNew, &m.cmdNew}, {kCmdEdit, &m.cmdEdit}, {kCmdSave, &m.cmdSave},
        {kCmdCancel, &m.cmdCancel}, {kCmdDel, &m.cmdDel}};
    for (const auto& [id, c] : buttons) EnableWindow(Item(id), c->Enabled() ? TRUE : FALSE);
    SendMessageA(Item(kChkTrans), BM_SETCHECK, m.chkTrans.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageA(Item(kSldrTol), TBM_SETPOS, TRUE, m.tolerance);
    if (shownTrans_ != m.transColour) {
        shownTrans_ = m.transColour;
        ::InvalidateRect(Item(kPicTrans), nullptr, TRUE);
    }
    syncing_ = false;
}

void frmSkinner::SelectItem(core::SkinKind kind, int index) {
    core::SkinEditor& m = editor_;
    if (!m.LV.Enabled()) return;
    m.SelectOnly(-1);
    const int k = static_cast<int>(kind);
    for (int i = 0; k >= 0 && k < 4 && i < static_cast<int>(m.Rows().size()); ++i) {
        const core::ObjectRow& r = m.Rows()[static_cast<size_t>(i)];
        if (r.kind == kKindTexts[k] && vorne::player::skin::ToLong(r.ref) == index) {
            m.SelectOnly(i);
            m.GetInfo();
            break;
        }
    }
    Sync();
}

// --- transparency --------------------------------------------------------------------------------

void frmSkinner::cmdTest_Click() {
    // The colour whether or not "Transparency" is ticked; the skin does not change.
    preview_->CutToBackground(editor_.transColour, editor_.tolerance);
}

void frmSkinner::cmdNorm_Click() { preview_->NormalRegion(); }

// The palette: a box over the "Pick" button with the eight swatches and the
// selector that follows the mouse.
void frmSkinner::MakeColourBox() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ColourBoxProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = "QuarlColourBox";
        registered = RegisterClassA(&wc) != 0;
    }
    RECT pick{};
    GetWindowRect(Item(kCmdPick), &pick);
    MapWindowPoints(nullptr, hWnd(), reinterpret_cast<POINT*>(&pick), 2);
    colourBox_ = CreateWindowExA(0, "QuarlColourBox", "", WS_CHILD | WS_CLIPSIBLINGS, pick.left, pick.top,
                                 pick.right - pick.left, pick.bottom - pick.top, hWnd(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kColourBox)), GetModuleHandleA(nullptr),
                                 nullptr);
    SetWindowLongPtrA(colourBox_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // The selector's tip, given its text as the mouse moves over a swatch.
    forms::SetChildTip(hWnd(), colourBox_, "", forms::kTipOneLine);
}

void frmSkinner::ShowPalette() {
    if (!colourBox_) return;
    if (palette_.Visible()) SetWindowPos(colourBox_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    else ShowWindow(colourBox_, SW_HIDE);
    forms::UpdateChildTip(hWnd(), colourBox_, palette_.SelectorTip());
    ::InvalidateRect(colourBox_, nullptr, TRUE);
}

LRESULT CALLBACK frmSkinner::ColourBoxProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<frmSkinner*>(GetWindowLongPtrA(h, GWLP_USERDATA));
    if (!self) return DefWindowProcA(h, msg, wp, lp);
    const activex::TwipsScale sc = forms::ScreenScale();
    auto box = [&sc](float left, float top, float size) {
        return RECT{sc.ToPixelsX(left), sc.ToPixelsY(top), sc.ToPixelsX(left + size), sc.ToPixelsY(top + size)};
    };
    // The swatches' clicks are commands like any other: what they let out
    // ends here (see RunHandlers).
    return forms::RunHandlers([&]() -> LRESULT {
        switch (msg) {
            case WM_PAINT: {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(h, &ps);
                RECT all{};
                GetClientRect(h, &all);
                FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
                for (const core::Swatch& s : core::PaletteSwatches()) {
                    const RECT r = box(s.left, s.top, core::kSwatchSize);
                    HBRUSH b = CreateSolidBrush(static_cast<COLORREF>(s.colour));
                    FillRect(dc, &r, b);
                    DeleteObject(b);
                }
                if (self->palette_.SelectorVisible()) {
                    const RECT r = box(self->palette_.SelectorLeft(), self->palette_.SelectorTop(), core::kSelectorSize);
                    HBRUSH b = CreateSolidBrush(RGB(128, 128, 255));
                    FillRect(dc, &r, b);
                    DeleteObject(b);
                }
                EndPaint(h, &ps);
                return 0;
            }
            case WM_MOUSEMOVE: {
                const int k = core::Palette::SwatchAt(sc.ToTwipsX(static_cast<short>(LOWORD(lp))), sc.ToTwipsY(static_cast<short>(HIWORD(lp))));
                // Only a change is shown again, so the palette does not flicker.
                if (k >= 0 && (k != self->palette_.HoverSwatch() || !self->palette_.SelectorVisible()))
                    self->picSelect_MouseMove(k);
                return 0;
            }
            case WM_LBUTTONUP: {
                const float x = sc.ToTwipsX(static_cast<short>(LOWORD(lp))), y = sc.ToTwipsY(static_cast<short>(HIWORD(lp)));
                const core::Palette& p = self->palette_;
                if (p.SelectorVisible() && x >= p.SelectorLeft() && x < p.SelectorLeft() + core::kSelectorSize &&
                    y >= p.SelectorTop() && y < p.SelectorTop() + core::kSelectorSize)
                    self->imgSelectr_Click();
                else if (const int k = core::Palette::SwatchAt(x, y); k >= 0)
                    self->picSelect_Click(k);
                return 0;
            }
            default: return DefWindowProcA(h, msg, wp, lp);
        }
    });
}

void frmSkinner::cmdPick_Click() {
    palette_.cmdPick_Click();
    ShowPalette();
}

void frmSkinner::picSelect_MouseMove(int index) {
    palette_.picSelect_MouseMove(index);
    ShowPalette();
}

void frmSkinner::picSelect_Click(int index) {
    // Neither ticks "Transparency" nor marks the skin changed.
    const int32_t colour = palette_.picSelect_Click(index);
    if (colour >= 0) editor_.transColour = colour;
    ShowPalette();
    Sync();
}

void frmSkinner::imgSelectr_Click() { picSelect_Click(palette_.HoverSwatch()); }

// --- the position and size dialog ----------------------------------------------------------------

void frmSkinner::cmdTypeIn_Click() {
    const int row = editor_.SelectedItem();
    if (row >= 0 && row < static_cast<int>(editor_.Rows().size())) {
        const core::ObjectRow& r = editor_.Rows()[static_cast<size_t>(row)];
        const int kind = core::KindPosition(r.kind);
        const auto index = vorne::player::skin::ToLong(r.ref);
        if (kind >= 0 && index && editor_.SetEditTarget(static_cast<core::SkinKind>(kind), static_cast<int>(*index)))
            wh_->Open(hWnd());
    }
    wh_->RefreshValues();
}

void frmSkinner::SetWindowsOnTop(bool onTop) {
    int16_t flag = onTop ? 1 : 0;
    forms::SetOnTop(flag, hWnd());
    if (preview_->Loaded()) forms::SetOnTop(flag, preview_->hWnd());
}

std::string frmSkinner::SkinsFolder() const {
    std::string f = forms::App::Path();
    if (f.empty() || f.back() != '\\') f += '\\';
    return f + "Skins";
}

void frmSkinner::cmdNewSkin_Click() {
    if (!editor_.QueryDiscard([this] { return cmdSaveSkin_Click(); })) return;
    editor_.CleanAll();
    editor_.SetPreviewSize(core::kEmptyPreviewWidth, core::kEmptyPreviewHeight);
    editor_.SkinChanged = false;
    SetCaption("Quarl");
    Sync();
}

bool frmSkinner::OpenCommandLine(const std::string& command) {
    std::string path = command;
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    if (path.empty() || !text::FileExists(path)) return false;
    // Pictures are named bare and lie beside the skin.
    const std::string folder = text::ChopFileOff(path);
    if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
    editor_.OpenSkin(path);
    Sync();
    return true;
}

void frmSkinner::cmdOpen_Click() {
    // The question comes before the dialog: a skin with changes is never
    // replaced without being asked.
    if (!editor_.QueryDiscard([this] { return cmdSaveSkin_Click(); })) return;
    CD1.InitDir = SkinsFolder();
    CD1.Filter = "Vorne Skins|*.vsk";
    CD1.FileName = editor_.CurrentSkinPath();
    CD1.Flags = forms::cdlOFNFileMustExist | forms::cdlOFNHideReadOnly;
    // Not topmost meanwhile, so that the dialog cannot be hidden behind them.
    SetWindowsOnTop(false);
    const bool chosen = CD1.ShowOpen();
    SetWindowsOnTop(true);
    if (!chosen) return;
    const std::string path = CD1.FileName;
    // Pictures are named bare and lie beside the skin.
    const std::string folder = text::ChopFileOff(path);
    if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
    editor_.SetPreviewSize(core::kEmptyPreviewWidth, core::kEmptyPreviewHeight);
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    editor_.OpenSkin(path);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    Sync();
}

bool frmSkinner::cmdSaveSkin_Click() {
    CD1.Filter = "Vorne Skins|*.vsk";
    CD1.FileName = editor_.CurrentSkinPath();
    CD1.Flags = forms::cdlOFNOverwritePrompt | forms::cdlOFNHideReadOnly | 0x8000;  // no read-only file
    CD1.InitDir = SkinsFolder();
    if (!CD1.ShowSave()) return false;
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const bool saved = editor_.SaveSkin(CD1.FileName);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    Sync();
    return saved;
}

void frmSkinner::cmdBack_Click() {
    CD.FileName.clear();
    if (CD.ShowOpen()) editor_.ChooseBackground(CD.FileName);
    Sync();
}

void frmSkinner::cmdBrowse1_Click() {
    CD.FileName.clear();
    if (CD.ShowOpen()) editor_.ChooseImage1(CD.FileName);
    Sync();
}

void frmSkinner::cmdBrowse2_Click() {
    CD.FileName.clear();
    if (CD.ShowOpen()) editor_.ChooseImage2(CD.FileName);
    Sync();
}

void frmSkinner::ShowPictureMenu(int which) {
    HMENU m = CreatePopupMenu();
    AppendMenuA(m, MF_STRING, which == 1 ? kBrowse1 : kBrowse2, "Browse for Image");
    AppendMenuA(m, MF_STRING, which == 1 ? kRemove1 : kRemove2, "Remove Image");
    POINT p;
    GetCursorPos(&p);
    const int chosen = TrackPopupMenu(m, TPM_RETURNCMD | TPM_RIGHTBUTTON, p.x, p.y, 0, hWnd(), nullptr);
    DestroyMenu(m);
    if (chosen) Command(chosen, 0);
}

void frmSkinner::ChooseTransColour() {
    static COLORREF custom[16] = {};
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = hWnd();
    cc.rgbResult = static_cast<COLORREF>(editor_.transColour);
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (ChooseColorA(&cc)) editor_.transColour = static_cast<int32_t>(cc.rgbResult);
    Sync();
}

void frmSkinner::Command(int id, int code) {
    core::SkinEditor& m = editor_;
    switch (id) {
        case kMenuNew: cmdNewSkin_Click(); return;
        case kMenuOpen: cmdOpen_Click(); return;
        case kMenuSave: cmdSaveSkin_Click(); return;
        case kMenuExit: cmdExit_Click(); return;
        case kBrowse1: cmdBrowse1_Click(); return;
        case kBrowse2: cmdBrowse2_Click(); return;
        case kRemove1: m.cmdRemove1_Click(); break;
        case kRemove2: m.cmdRemove2_Click(); break;
        case kCmdNew: m.cmdNew_Click(); break;
        case kCmdEdit: m.cmdEdit_Click(); break;
        case kCmdSave: m.cmdSave_Click(); break;
        case kCmdCancel: m.cmdCancel_Click(); break;
        case kCmdDel: m.cmdDel_Click(); break;
        case kCmdBack: cmdBack_Click(); return;
        case kMenuHelp: forms::ShowProgramHelp(); return;
        case kCmdTest: cmdTest_Click(); return;
        case kCmdNorm: cmdNorm_Click(); return;
        case kCmdPick: cmdPick_Click(); return;
        case kCmdTypeIn: cmdTypeIn_Click(); return;
        case kChkTrans:
            m.chkTrans.SetValue(SendMessageA(Item(kChkTrans), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
            return;
        case kPicTrans:
            if (code == STN_CLICKED) ChooseTransColour();
            return;
        case kTxtName:
            if (code == EN_CHANGE) m.txtName.SetText(WindowText(kTxtName));
            return;
        case kTxtCaption:
            if (code == EN_CHANGE) m.txtCaption.SetText(WindowText(kTxtCaption));
            return;
        case kCmboObjects:
        case kCmboActions:
            if (code != CBN_SELCHANGE) return;
            (id == kCmboObjects ? m.cmboObjects : m.cmboActions)
                .SetListIndex(static_cast<int>(SendMessageA(Item(id), CB_GETCURSEL, 0, 0)));
            break;
        default: return;
    }
    Sync();
}

void frmSkinner::Notify(NMHDR* n) {
    if (n->idFrom != kLV) return;
    if (n->code == LVN_ITEMCHANGED) {
        auto* c = reinterpret_cast<NMLISTVIEW*>(n);
        if (c->iItem >= 0 && (c->uChanged & LVIF_STATE))
            editor_.SetSelected(c->iItem, (c->uNewState & LVIS_SELECTED) != 0);
    } else if (n->code == NM_CLICK) {
        auto* a = reinterpret_cast<NMITEMACTIVATE*>(n);
        if (a->iItem < 0) return;
        // ItemClick: the clicked row is the list's selected item.
        editor_.SetSelected(a->iItem, true);
        editor_.GetInfo();
        Sync();
    }
}

LRESULT frmSkinner::Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    switch (msg) {
        case WM_COMMAND:
            if (syncing_) return 0;
            handled = true;
            Command(LOWORD(wp), HIWORD(wp));
            return 0;
        case WM_NOTIFY:
            if (syncing_) return 0;
            handled = true;
            Notify(reinterpret_cast<NMHDR*>(lp));
            return 0;
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lp) == Item(kSldrTol) && !syncing_) {
                handled = true;
                editor_.tolerance = static_cast<int32_t>(SendMessageA(Item(kSldrTol), TBM_GETPOS, 0, 0));
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lp) == Item(kPicTrans)) {
                handled = true;
                if (transBrush_) DeleteObject(transBrush_);
                transBrush_ = CreateSolidBrush(static_cast<COLORREF>(editor_.transColour));
                return reinterpret_cast<LRESULT>(transBrush_);
            }
            return 0;
        default: return 0;
    }
}

}  // namespace vorne::skinner
