#include "tools/converter/converter_window.h"

#include "runtime/forms/help.h"
#include "skinner/author/author_dialog.h"
#include "tools/converter/picture_win32.h"
#include "tools/converter/skin_export.h"

namespace vorne::converter {
namespace {

// Layout in pixels: the two pictures side by side under their captions.
constexpr int kMargin = 12, kCaptionH = 18, kGap = 16;
constexpr int kClientW = kMargin + kInterfaceWidth + kGap + kInterfaceWidth + kMargin;
constexpr int kClientH = kMargin + kCaptionH + kInterfaceHeight + kMargin;

// The open dialog: file must exist, path must exist, no read-only box.
constexpr long kOpenFlags = forms::cdlOFNFileMustExist | forms::cdlOFNPathMustExist | forms::cdlOFNHideReadOnly;
// The save dialog: path must exist, no read-only box.
constexpr long kSaveFlags = forms::cdlOFNPathMustExist | forms::cdlOFNHideReadOnly;

std::unique_ptr<forms::Label> TitleLabel(forms::Form& f, int index, const char* text, int x) {
    auto l = std::make_unique<forms::Label>(f, "lblTitles", index);
    forms::FontSpec font;
    font.name = "Arial";
    font.size = 9;
    font.bold = true;
    l->SetFont(font);
    l->SetBackStyle(0);
    l->SetCaption(text);
    l->Move(x, kMargin, kInterfaceWidth, kCaptionH);
    return l;
}

std::unique_ptr<forms::PictureBox> Surface(forms::Form& f, const char* name, int x) {
    auto p = std::make_unique<forms::PictureBox>(f, name);
    p->SetBackColor(RGB(0, 0, 0));
    p->Move(x, kMargin + kCaptionH, kInterfaceWidth, kInterfaceHeight);
    return p;
}

// The interface picture with its two thumbs in their places.
forms::PictureRef Shown(const Pixels& face, const Pixels& pos, const Pixels& vol) {
    Pixels p = face;
    Draw(p, kPosThumbX, kPosThumbY, pos);
    Draw(p, kVolThumbX, kVolThumbY, vol);
    HBITMAP bmp = BitmapOfPixels(p);
    return bmp ? std::make_shared<forms::Picture>(bmp) : nullptr;
}

}  // namespace

frmConverter::frmConverter()
    : Form("frmConverter"),
      mnuFile("mnuFile", "&File"),
      cmdImport("cmdImport", "Import Winamp Skin"),
      cmdExport("cmdExport", "Export to Vorne Skin"),
      Break1("Break1", "-"),
      cmdExit("cmdExit", "E&xit"),
      cmdHelp("cmdHelp", "&Help") {
    SetCaption("Drelk (Winamp to Vorne Skin Converter)");
    SetBackColor(GetSysColor(COLOR_BTNFACE));
    title_up_ = TitleLabel(*this, 0, "Normal Interface", kMargin);
    title_dn_ = TitleLabel(*this, 1, "Activated Interface", kMargin + kInterfaceWidth + kGap);
    up_ = Surface(*this, "picWinampUP", kMargin);
    dn_ = Surface(*this, "picWinampDN", kMargin + kInterfaceWidth + kGap);
    for (forms::MenuItem* item : {&cmdImport, &cmdExport, &Break1, &cmdExit}) mnuFile.Add(*item);
    cmdImport.OnClick = [this] { cmdImport_Click(); };
    cmdExport.OnClick = [this] { cmdExport_Click(); };
    cmdExit.OnClick = [this] { cmdExit_Click(); };
    cmdHelp.OnClick = [this] { cmdHelp_Click(); };
    menu_bar_ = std::make_unique<forms::MenuBar>(*this);
    menu_bar_->Add(mnuFile);
    menu_bar_->Add(cmdHelp);
}

frmConverter::~frmConverter() = default;

std::string frmConverter::ProgramFolder() const {
    return program_folder_.empty() ? forms::App::Path() : program_folder_;
}

void frmConverter::Form_Load() {
    RECT r{0, 0, kClientW, kClientH};
    AdjustWindowRectEx(&r, Style(), TRUE, ExStyle());
    const float px = forms::TwipsPerPixelX(), py = forms::TwipsPerPixelY();
    Move(Left(), Top(), static_cast<float>(r.right - r.left) * px, static_cast<float>(r.bottom - r.top) * py);

    // The author details of the last run; the file is made when missing.
    skinner::author::ReadAuthorFile(skinner::author::AuthorFilePath(ProgramFolder()), skinner::author::AuthorInfo());
    ShowPictures();
}

void frmConverter::Form_Unload(int&) {
    skinner::author::WriteAuthorFile(skinner::author::AuthorFilePath(ProgramFolder()), skinner::author::AuthorInfo());
}

void frmConverter::ShowPictures() {
    up_->SetPicture(Shown(interface_.up, interface_.posUp, interface_.volUp));
    dn_->SetPicture(Shown(interface_.dn, interface_.posDn, interface_.volDn));
    up_->Refresh();
    dn_->Refresh();
}

void frmConverter::cmdImport_Click() {
    CD.Filter = "Winamp Bitmap Skins|*.bmp";
    CD.FileName = "Main.bmp";
    CD.Flags = kOpenFlags;
    if (!CD.ShowOpen()) return;
    PictureSheetLoader loader;
    if (!ImportWinampSkin(CD.FileName, loader, interface_).ok) {
        forms::Dialogs().MsgBox("The main sheet " + CD.FileName + " could not be loaded. Nothing was imported.",
                                forms::vbExclamation, kConverterTitle);
        return;
    }
    ShowPictures();
}

void frmConverter::ShowAuthorDetails() { skinner::author::ShowAuthorDialog(skinner::author::AuthorInfo()); }

void frmConverter::cmdExport_Click() {
    CD.Filter = "Vorne Skins|*.vsk";
    CD.FileName = "*.vsk";
    CD.Flags = kSaveFlags;
    if (!CD.ShowSave()) return;
    ShowAuthorDetails();
    HCURSOR before = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    ExportConvertedSkin(CD.FileName, interface_, skinner::author::AuthorInfo(), forms::Dialogs());
    SetCursor(before ? before : LoadCursor(nullptr, IDC_ARROW));
}

void frmConverter::cmdExit_Click() { Unload(); }

void frmConverter::cmdHelp_Click() { forms::ShowProgramHelp(); }

}  // namespace vorne::converter
