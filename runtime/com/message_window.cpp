#include "runtime/com/message_window.h"

namespace vorne::com {

HWND CreateMessageWindow(const wchar_t* cls, WNDPROC proc, void* owner) {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    if (!GetClassInfoW(module, cls, &wc)) {
        wc = WNDCLASSW{};
        wc.lpfnWndProc = proc;
        wc.hInstance = module;
        wc.lpszClassName = cls;
        if (!RegisterClassW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    }
    HWND w = CreateWindowExW(0, cls, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, module, nullptr);
    if (w) SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return w;
}

}  // namespace vorne::com
