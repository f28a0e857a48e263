// The real message box and input box.
#include <windows.h>

#include <vector>

#include "runtime/forms/dialogs.h"

namespace vorne::forms {

namespace {

enum : WORD { kIdPrompt = 100, kIdEdit = 101 };

struct InputState {
    const std::string* prompt;
    const std::string* title;
    const std::string* text;
    std::string result;
};

INT_PTR CALLBACK InputProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    auto* st = reinterpret_cast<InputState*>(GetWindowLongPtrA(dlg, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        st = reinterpret_cast<InputState*>(lp);
        SetWindowLongPtrA(dlg, DWLP_USER, lp);
        SetWindowTextA(dlg, st->title->c_str());
        SetDlgItemTextA(dlg, kIdPrompt, st->prompt->c_str());
        SetDlgItemTextA(dlg, kIdEdit, st->text->c_str());
        SendDlgItemMessageA(dlg, kIdEdit, EM_SETSEL, 0, -1);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK) {
            HWND edit = GetDlgItem(dlg, kIdEdit);
            int n = GetWindowTextLengthA(edit);
            std::vector<char> buf(static_cast<size_t>(n) + 1);
            GetWindowTextA(edit, buf.data(), n + 1);
            st->result.assign(buf.data());
            EndDialog(dlg, IDOK);
            return TRUE;
        }
        if (LOWORD(wp) == IDCANCEL) {
            EndDialog(dlg, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// An in-memory dialog template: a prompt, OK and Cancel beside it, and an
// edit line under it.
class TemplateWriter {
public:
    void Word(WORD w) { data_.push_back(w); }
    void DWord(DWORD d) { Word(LOWORD(d)); Word(HIWORD(d)); }
    void Text(const wchar_t* s) {
        do Word(static_cast<WORD>(*s)); while (*s++);
    }
    void Align() {
        if (data_.size() % 2) Word(0);
    }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD cls, const wchar_t* text) {
        Align();
        DWord(style | WS_CHILD | WS_VISIBLE);
        DWord(0);
        Word(static_cast<WORD>(x)); Word(static_cast<WORD>(y));
        Word(static_cast<WORD>(cx)); Word(static_cast<WORD>(cy));
        Word(id);
        Word(0xFFFF); Word(cls);
        Text(text);
        Word(0);
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(data_.data()); }
    std::vector<WORD> data_;
};

class SystemDialogService : public DialogService {
public:
    int MsgBox(const std::string& prompt, int style, const std::string& title) override {
        return MessageBoxA(GetActiveWindow(), prompt.c_str(), title.c_str(), static_cast<UINT>(style) | MB_SETFOREGROUND);
    }

    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& default_text) override {
        TemplateWriter t;
        t.DWord(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
        t.DWord(0);
        t.Word(4);  // items
        t.Word(0); t.Word(0); t.Word(240); t.Word(90);
        t.Word(0);  // no menu
        t.Word(0);  // default class
        t.Word(0);  // title set at init
        t.Word(8);
        t.Text(L"MS Shell Dlg");
        t.Item(SS_LEFT, 7, 7, 170, 50, kIdPrompt, 0x0082, L"");
        t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 185, 7, 48, 14, IDOK, 0x0080, L"OK");
        t.Item(BS_PUSHBUTTON | WS_TABSTOP, 185, 25, 48, 14, IDCANCEL, 0x0080, L"Cancel");
        t.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 68, 226, 14, kIdEdit, 0x0081, L"");
        InputState st{&prompt, &title, &default_text, {}};
        INT_PTR r = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), t.Get(), GetActiveWindow(), InputProc,
                                            reinterpret_cast<LPARAM>(&st));
        return r == IDOK ? st.result : std::string();
    }
};

}  // namespace

DialogService& SystemDialogs() {
    static SystemDialogService service;
    return service;
}

}  // namespace vorne::forms
