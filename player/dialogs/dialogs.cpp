#include "player/dialogs/dialogs.h"

#include "player/commands/author_links.h"
#include "player/dialogs/about_text.h"
#include "player/dialogs/child_controls.h"
#include "runtime/forms/child_windows.h"

namespace vorne::player::dialogs {

namespace {

using forms::MakeChild;
using forms::WindowText;

constexpr int kClose = 100, kReset = 101, kLinkBase = 200;

HFONT MakeFont(const char* face, int height, int weight, bool underline = false) {
    return CreateFontA(-height, 0, 0, 0, weight, FALSE, underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

bool IsClick(UINT msg, WPARAM wp, int id) {
    return msg == WM_COMMAND && LOWORD(wp) == id && HIWORD(wp) == BN_CLICKED;
}

}  // namespace

// ---------------------------------------------------------------- FrmStats

FrmStats::FrmStats(core::Statistics& stats) : Form("frmStats"), Timer1(*this, "Timer1"), stats_(stats) {
    SetCaption("Play Statistics");
    Timer1.SetInterval(2000);
    Timer1.OnTimer = [this] { RefreshCaptions(); };
}

void FrmStats::Form_Load() {
    HWND w = hWnd();
    SizeAndCentre(*this, 300, 206);
    SetBackColor(GetSysColor(COLOR_BTNFACE));
    ApplyOnTopRule(w);
    titleFont_ = MakeFont("Arial", 18, FW_BOLD);
    HWND title = MakeChild(w, "STATIC", "Play and Usage Statistics", SS_CENTER, 10, 10, 280, 24);
    SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);
    MakeChild(w, "BUTTON", "", BS_GROUPBOX, 10, 38, 280, 120);
    const char* const labels[4] = {"Total Play Time:", "Total Songs Played:", "Total Times Vorne has been run:",
                                   "Total Skins Loaded:"};
    for (int i = 0; i < 4; ++i) {
        MakeChild(w, "STATIC", labels[i], 0, 22, 56 + 24 * i, 192, 18);
        values_[static_cast<size_t>(i)] =
            MakeChild(w, "STATIC", captions_[static_cast<size_t>(i)], SS_RIGHT, 216, 56 + 24 * i, 62, 18);
    }
    MakeChild(w, "BUTTON", "Reset", WS_TABSTOP, 10, 168, 88, 26, kReset);
    MakeChild(w, "BUTTON", "&Close", WS_TABSTOP | BS_DEFPUSHBUTTON, 202, 168, 88, 26, kClose);
    RefreshCaptions();
}

void FrmStats::RefreshCaptions() {
    const unsigned changed = commands::RefreshStatisticCaptions(stats_, captions_);
    for (size_t i = 0; i < 4; ++i)
        if ((changed & (1u << i)) && values_[i]) SetWindowTextA(values_[i], captions_[i].c_str());
}

void FrmStats::cmdRst_Click() { commands::ResetStatistics(stats_); }

void FrmStats::Form_Unload(int&) {
    values_ = {};
    if (titleFont_) DeleteObject(titleFont_);
    titleFont_ = nullptr;
}

LRESULT FrmStats::Form_Message(UINT msg, WPARAM wp, LPARAM, bool& handled) {
    if (IsClick(msg, wp, kReset)) {
        handled = true;
        cmdRst_Click();
    } else if (IsClick(msg, wp, kClose) || (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL)) {
        handled = true;
        Command1_Click();
    }
    return 0;
}

// ---------------------------------------------------------------- FrmAbout

FrmAbout::FrmAbout() : Form("frmAbout") { SetCaption("About Vorne"); }

void FrmAbout::Form_Load() {
    HWND w = hWnd();
    SizeAndCentre(*this, 520, 380);
    SetBackColor(GetSysColor(COLOR_BTNFACE));
    ApplyOnTopRule(w);
    titleFont_ = MakeFont("Arial", 22, FW_BOLD);
    // Picture1 and Picture2: the program's artwork, its file-type icons.
    HWND pic1 = MakeChild(w, "STATIC", "", SS_ICON, 14, 12, 32, 32);
    HWND pic2 = MakeChild(w, "STATIC", "", SS_ICON, 474, 12, 32, 32);
    HINSTANCE self = GetModuleHandleA(nullptr);
    for (auto [pic, id] : {std::pair{pic1, 102}, std::pair{pic2, 101}}) {
        HICON icon = static_cast<HICON>(LoadImageA(self, MAKEINTRESOURCEA(id), IMAGE_ICON, 32, 32, 0));
        if (icon) SendMessageA(pic, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
    HWND title = MakeChild(w, "STATIC", "History", SS_CENTER, 60, 14, 400, 28);
    SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);
    MakeChild(w, "STATIC",
              "Vorne is a skinnable media player: it plays your music and videos from a play list, "
              "wearing whatever skin you give it.",
              0, 14, 52, 492, 30);
    MakeChild(w, "STATIC", "It builds on the media player control of the system, so it plays what that plays.", 0,
              14, 84, 492, 16);
    MakeChild(w, "STATIC", "History:", 0, 14, 108, 200, 16);
    txtHist_ = MakeChild(w, "EDIT", "", WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_TABSTOP, 14,
                         126, 300, 206, 0, WS_EX_CLIENTEDGE);
    SetWindowTextA(txtHist_, ReleaseHistoryText().c_str());
    MakeChild(w, "STATIC", "Special Thanks and Credits:", 0, 328, 108, 180, 16);
    MakeChild(w, "STATIC", "Everyone who made a skin\r\nThe play list testers", 0, 340, 126, 168, 40);
    MakeChild(w, "STATIC", "Bug Reports and Testing:", 0, 328, 178, 180, 16);
    MakeChild(w, "STATIC", "The users who wrote in\r\nThe beta group", 0, 340, 196, 168, 40);
    MakeChild(w, "STATIC", "Questions and bug reports: see the help file, Vornes.hlp.", 0, 14, 344, 380, 16);
    MakeChild(w, "BUTTON", "Close", WS_TABSTOP | BS_DEFPUSHBUTTON, 418, 340, 88, 26, kClose);
}

std::string FrmAbout::HistoryText() const { return txtHist_ ? WindowText(txtHist_) : std::string(); }

void FrmAbout::Form_Unload(int&) {
    txtHist_ = nullptr;
    if (titleFont_) DeleteObject(titleFont_);
    titleFont_ = nullptr;
}

LRESULT FrmAbout::Form_Message(UINT msg, WPARAM wp, LPARAM, bool& handled) {
    if (IsClick(msg, wp, kClose) || (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL)) {
        handled = true;
        Command1_Click();
    }
    return 0;
}

// ---------------------------------------------------------------- FrmInfo

FrmInfo::FrmInfo(const AuthorDetails& details) : Form("frmInfo"), details_(details) {
    SetCaption("View Author Details");
}

void FrmInfo::Form_Load() {
    HWND w = hWnd();
    SizeAndCentre(*this, 380, 232);
    SetBackColor(GetSysColor(COLOR_BTNFACE));
    ApplyOnTopRule(w);
    linkFont_ = MakeFont("MS Sans Serif", 11, FW_NORMAL, true);
    const char* const labels[4] = {"Author Name:", "Description:", "Author E-mail:", "Home Page:"};
    // Rows: name, e-mail, home page, then the description box.
    const int rows[3] = {0, 2, 3};
    for (int i = 0; i < 3; ++i) {
        const int y = 12 + 26 * i;
        MakeChild(w, "STATIC", labels[rows[i]], SS_RIGHT, 8, y, 88, 18);
        links_[static_cast<size_t>(i)] = MakeChild(w, "STATIC", details_[static_cast<size_t>(rows[i])],
                                                   SS_NOTIFY | SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS, 104, y, 264, 18,
                                                   kLinkBase + i);
        SendMessageA(links_[static_cast<size_t>(i)], WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_), FALSE);
    }
    MakeChild(w, "STATIC", labels[1], SS_RIGHT, 8, 90, 88, 18);
    description_ = MakeChild(w, "EDIT", details_[1], WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 104,
                             90, 264, 94, 0, WS_EX_CLIENTEDGE);
    MakeChild(w, "BUTTON", "Close", WS_TABSTOP | BS_DEFPUSHBUTTON, 280, 196, 88, 26, kClose);
}

std::string FrmInfo::LinkCaption(int index) const {
    if (index < 0 || index > 2 || !links_[static_cast<size_t>(index)]) return {};
    return WindowText(links_[static_cast<size_t>(index)]);
}

std::string FrmInfo::DescriptionText() const { return description_ ? WindowText(description_) : std::string(); }

bool FrmInfo::txtAuthorInfo1_Click(int index) {
    const auto target = commands::AuthorLinkTarget(index, LinkCaption(index));
    if (!target) return false;
    OpenTarget(Loaded() ? hWnd() : nullptr, *target);
    return true;
}

void FrmInfo::Form_Unload(int&) {
    links_ = {};
    description_ = nullptr;
    if (linkFont_) DeleteObject(linkFont_);
    linkFont_ = nullptr;
}

LRESULT FrmInfo::Form_Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    if (IsClick(msg, wp, kClose) || (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL)) {
        handled = true;
        cmdSave_Click();
    } else if (msg == WM_COMMAND && HIWORD(wp) == STN_CLICKED && LOWORD(wp) >= kLinkBase &&
               LOWORD(wp) < kLinkBase + 3) {
        handled = true;
        txtAuthorInfo1_Click(LOWORD(wp) - kLinkBase);
    } else if (msg == WM_CTLCOLORSTATIC) {
        for (HWND link : links_)
            if (link && reinterpret_cast<HWND>(lp) == link) {
                handled = true;
                HDC dc = reinterpret_cast<HDC>(wp);
                SetTextColor(dc, RGB(0, 0, 0xCC));
                SetBkMode(dc, TRANSPARENT);
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
    } else if (msg == WM_SETCURSOR) {
        for (HWND link : links_)
            if (link && reinterpret_cast<HWND>(wp) == link) {
                handled = true;
                SetCursor(LoadCursorA(nullptr, IDC_HAND));
                return TRUE;
            }
    }
    return 0;
}

}  // namespace vorne::player::dialogs
