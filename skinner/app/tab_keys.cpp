#include "skinner/app/tab_keys.h"

#include <windows.h>

namespace vorne::skinner {

namespace {

HHOOK g_tabHook = nullptr;

bool IsFormWindow(HWND w) {
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    return lstrcmpA(cls, "VorneForm") == 0;
}

LRESULT CALLBACK TabHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && wp == PM_REMOVE) {
        MSG* m = reinterpret_cast<MSG*>(lp);
        if (m->message == WM_KEYDOWN && m->wParam == VK_TAB && m->hwnd) {
            HWND top = GetAncestor(m->hwnd, GA_ROOT);
            const LRESULT wants = SendMessageA(m->hwnd, WM_GETDLGCODE, m->wParam, reinterpret_cast<LPARAM>(m));
            if (top && top != m->hwnd && IsFormWindow(top) &&
                !(wants & (DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))) {
                HWND field = m->hwnd;
                // A control inside a control (the edit box of a combo box).
                while (GetParent(field) && GetParent(field) != top) field = GetParent(field);
                if (HWND next = GetNextDlgTabItem(top, field, GetKeyState(VK_SHIFT) < 0)) {
                    SetFocus(next);
                    if (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
                        SendMessageA(next, EM_SETSEL, 0, -1);
                }
                m->message = WM_NULL;
            }
        }
    }
    return CallNextHookEx(g_tabHook, code, wp, lp);
}

}  // namespace

void InstallTabKeys() {
    if (!g_tabHook) g_tabHook = SetWindowsHookExA(WH_GETMESSAGE, TabHook, nullptr, GetCurrentThreadId());
}

}  // namespace vorne::skinner
