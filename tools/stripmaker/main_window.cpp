#include "tools/stripmaker/main_window.h"

#include "runtime/forms/app_text.h"
#include "runtime/forms/help.h"
#include "runtime/text/ansi.h"
#include "tools/stripmaker/bitmap_pixels.h"
#include "tools/stripmaker/bmp_file.h"

namespace vorne::stripmaker {

namespace {

// The window's client area: 5070 x 4335 twips.
constexpr int kClientWidth = 338, kClientHeight = 289;

// Controls are laid out in the strip maker's twips.
void Place(forms::Control& c, float left, float top, float width, float height) {
    c.Move(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

forms::PictureRef PictureOf(const PixelBuffer& p) {
    HBITMAP bmp = BitmapOf(p);
    return bmp ? std::make_shared<forms::Picture>(bmp) : nullptr;
}

}  // namespace

FrmMain::FrmMain()
    : Form("frmMain"), cmdNorm(*this, "cmdNorm"), cmdActv(*this, "cmdActv"), cmdDown(*this, "cmdDown"),
      cmdDis(*this, "cmdDis"), lblTitles7(*this, "lblTitles", 7), Picture1(*this, "Picture1"),
      lblTitles0(*this, "lblTitles", 0), Images2(*this, "Images2"), Images4(*this, "Images4"), Menus(*this),
      mnuExit("mnuExit", "&File"), cmdCap("cmdCap", "Re-Capture Images"), cmdExit("cmdExit", "E&xit"),
      cmdHelp("cmdHelp", "&Help"), mnuSave1("mnuSave1", "mnuSave1"), cmdSave1("cmdSave1", "Save"),
      mnuSave2("mnuSave2", "mnuSave2"), cmdSave2("cmdSave2", "Save") {
    SetCaption("Quarlh (Quarl Helper)");
    for (int k = 1; k <= 4; ++k) views_[static_cast<size_t>(k - 1)] = std::make_unique<FrmView>(*this, k);
    Family.Changed = [this](int number) { View(number).ShowSelection(); };
    Family.StripsChanged = [this] { ShowStrips(); };

    cmdNorm.SetCaption("Normal    Image");
    cmdActv.SetCaption("Mouse Over Image");
    cmdDown.SetCaption("Mouse Down Image");
    cmdDis.SetCaption("Disabled  Image");
    Place(cmdNorm, 120, 120, 1215, 495);
    Place(cmdActv, 1320, 120, 1215, 495);
    Place(cmdDown, 2520, 120, 1215, 495);
    Place(cmdDis, 3720, 120, 1215, 495);
    cmdNorm.OnClick = [this] { cmdNorm_Click(); };
    cmdActv.OnClick = [this] { cmdActv_Click(); };
    cmdDown.OnClick = [this] { cmdDown_Click(); };
    cmdDis.OnClick = [this] { cmdDis_Click(); };

    forms::FontSpec arial;
    arial.name = "Arial";
    arial.size = 8.25f;
    const COLORREF back = GetSysColor(COLOR_INACTIVECAPTION), text = GetSysColor(COLOR_INACTIVECAPTIONTEXT);
    for (forms::Label* l : {&lblTitles7, &Picture1, &lblTitles0}) {
        l->SetFont(arial);
        l->SetBackColor(back);
        l->SetForeColor(text);
    }
    lblTitles7.SetCaption("2 Button Creation");
    Place(lblTitles7, 120, 750, 4815, 210);
    // The title bar of the 4-cell strip, its label inside it 45 twips down.
    Place(Picture1, 120, 2520, 4815, 255);
    lblTitles0.SetCaption("4 Button Creation");
    Place(lblTitles0, 120, 2520 + 45, 4815, 210);
    Place(Images2, 120, 960, 4815, 1455);
    Place(Images4, 120, 2760, 4815, 1455);
    Images2.SetBackColor(GetSysColor(COLOR_BTNFACE));
    Images4.SetBackColor(GetSysColor(COLOR_BTNFACE));
    Images2.OnMouseUp = [this](const forms::MouseEvent& e) {
        if (e.button == forms::vbRightButton) forms::PopupMenu(*this, mnuSave1);
    };
    Images4.OnMouseUp = [this](const forms::MouseEvent& e) {
        if (e.button == forms::vbRightButton) forms::PopupMenu(*this, mnuSave2);
    };

    mnuExit.Add(cmdCap);
    mnuExit.Add(cmdExit);
    mnuSave1.Add(cmdSave1);
    mnuSave2.Add(cmdSave2);
    mnuSave1.SetVisible(false);
    mnuSave2.SetVisible(false);
    Menus.Add(mnuExit);
    Menus.Add(cmdHelp);
    Menus.Add(mnuSave1);
    Menus.Add(mnuSave2);
    cmdCap.OnClick = [this] { cmdCap_Click(); };
    cmdExit.OnClick = [this] { cmdExit_Click(); };
    cmdHelp.OnClick = [this] { cmdHelp_Click(); };
    cmdSave1.OnClick = [this] { cmdSave1_Click(); };
    cmdSave2.OnClick = [this] { cmdSave2_Click(); };

    CD.Filter = "Picture Files|*.bmp;*.jpg;*.gif";
    CD.FileName = "*.bmp;*.jpg;*.gif";
    CD.Flags = forms::cdlOFNHideReadOnly;
}

FrmMain::~FrmMain() {
    for (auto& v : views_) v->Unload();
    Unload();
}

void FrmMain::Form_Load() {
    HelpFile = forms::HelpFilePath(forms::App::Path());
    // A fixed frame around a 338 x 289 pixel client area, centred on the screen.
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&outer, Style(), TRUE, ExStyle());
    const int w = outer.right - outer.left, h = outer.bottom - outer.top;
    SetWindowPos(hWnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w,
                 h, SWP_NOZORDER | SWP_NOACTIVATE);
    // The menu bar may take more than one line: fit the client area again.
    RECT client;
    GetClientRect(hWnd(), &client);
    if (client.bottom != kClientHeight)
        SetWindowPos(hWnd(), nullptr, 0, 0, w, h + kClientHeight - client.bottom, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    for (int k = 1; k <= 4; ++k) View(k).Show();
}

void FrmMain::Form_Unload(int& cancel) {
    // Every other form of the program goes with the main window.
    std::vector<forms::Form*> forms = forms::Form::LoadedForms();
    for (forms::Form* f : forms)
        if (f != this) f->Unload();
}

void FrmMain::cmdHelp_Click() {
    HelpFile = forms::HelpFilePath(forms::App::Path());
    forms::ShowProgramHelp();
}

void FrmMain::LoadStatePicture(int number) {
    // Any failure ends the command with nothing changed.
    if (!CD.ShowOpen()) return;
    forms::PictureRef picture = forms::Picture::FromFile(CD.FileName);
    if (!picture) return;
    auto pixels = std::make_shared<PixelBuffer>(PixelsOf(picture->Handle()));
    if (pixels->Empty()) return;
    View(number).SetPicture(picture);
    Family.SetPicture(number, std::move(pixels));
}

void FrmMain::SaveStrip(int cells) {
    const PixelBuffer& strip = cells == 2 ? Family.Images2() : Family.Images4();
    if (strip.Empty()) return;  // nothing built yet
    // Never propose the last picture picked: that is usually a state
    // picture, which a hasty "Save" would overwrite. Start in its folder.
    const std::string last = CD.FileName;
    const std::string folder = forms::FolderOf(last);
    if (!folder.empty()) CD.InitDir = folder;
    for (;;) {
        CD.FileName.clear();
        if (!CD.ShowSave()) {
            CD.FileName = last;
            return;
        }
        if (!text::FileExists(CD.FileName)) break;
        const int answer = forms::MsgBox(CD.FileName + " already exists.\nDo you want to replace it?",
                                         forms::vbYesNo | forms::vbExclamation | forms::vbDefaultButton2);
        if (answer == forms::vbYes) break;
    }
    // A strip that did not reach the disk must not pass for saved.
    if (!SaveBmp(CD.FileName, strip))
        forms::MsgBox(CD.FileName + " could not be written.", forms::vbOKOnly | forms::vbExclamation);
}

void FrmMain::ShowStrips() {
    // Each display shows its strip from the top-left corner, cut off where
    // the strip is larger than the display; the saved file holds it whole.
    struct Display {
        forms::PictureBox& box;
        const PixelBuffer& strip;
    };
    for (Display d : {Display{Images2, Family.Images2()}, Display{Images4, Family.Images4()}}) {
        d.box.Cls();
        if (forms::PictureRef p = PictureOf(d.strip)) d.box.PaintPicture(*p, 0, 0);
    }
}

}  // namespace vorne::stripmaker
