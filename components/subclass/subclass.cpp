#include "components/subclass/subclass.h"

#include <vector>

#include "components/subclass/errors.h"
#include "components/subclass/property_keys.h"
#include "components/subclass/thread_state.h"
#include "runtime/com/error.h"
#include "runtime/com/module.h"
#include "runtime/com/object.h"

namespace vorne::subclass {
namespace {

using vorne::com::ComError;
using vorne::com::Ptr;

int32_t HandleNumber(HWND hwnd) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(hwnd)); }

LONG_PTR ReadProp(HWND hwnd, const std::string& key) {
    return reinterpret_cast<LONG_PTR>(GetPropA(hwnd, key.c_str()));
}
void WriteProp(HWND hwnd, const std::string& key, LONG_PTR value) {
    SetPropA(hwnd, key.c_str(), reinterpret_cast<HANDLE>(value));
}
void DropProp(HWND hwnd, const std::string& key) { RemovePropA(hwnd, key.c_str()); }

// The canonical _ISubclass pointer of a client: the address stored in the
// window's properties, held there without a reference.
_ISubclass* ClientInterface(IUnknown* client) {
    if (!client) throw ComError(E_POINTER);
    _ISubclass* itf = nullptr;
    if (FAILED(client->QueryInterface(IID__ISubclass, reinterpret_cast<void**>(&itf))) || !itf)
        throw ComError(E_NOINTERFACE);
    itf->Release();  // the caller keeps it alive
    return itf;
}

int FindClient(HWND hwnd, UINT msg, _ISubclass* itf, LONG_PTR count) {
    const int32_t h = HandleNumber(hwnd);
    for (LONG_PTR i = 1; i <= count; ++i) {
        if (ReadProp(hwnd, ClientKey(h, msg, static_cast<int32_t>(i))) == reinterpret_cast<LONG_PTR>(itf))
            return static_cast<int>(i);
    }
    return 0;
}

LRESULT CallPrevious(WNDPROC prev, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // A window whose stored procedure went missing still gets an answer.
    return prev ? CallWindowProcA(prev, hwnd, msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool ReadResponse(_ISubclass* client, EMsgResponse* response) {
    try {
        return SUCCEEDED(client->get_MsgResponse(response));
    } catch (...) {
        return false;
    }
}

}  // namespace

bool IsOwnProcessWindow(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid == GetCurrentProcessId();
}

void AttachWindowMessage(IUnknown* client, HWND hwnd, UINT msg) {
    _ISubclass* itf = ClientInterface(client);
    if (!IsWindow(hwnd)) RaiseLibraryError(kErrInvalidWindow);
    if (!IsOwnProcessWindow(hwnd)) RaiseLibraryError(kErrExternalWindow);

    const int32_t h = HandleNumber(hwnd);
    const LONG_PTR n = ReadProp(hwnd, MessageCountKey(h, msg));
    if (n > 0 && FindClient(hwnd, msg, itf, n)) RaiseLibraryError(kErrAlreadyHandled);

    LONG_PTR c = ReadProp(hwnd, AttachCountKey(h));
    if (c <= 0) {
        if (ReadProp(hwnd, WindowKey(h)) == 0) {
            LONG_PTR prev = SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassWindowProc));
            if (prev == 0) RaiseLibraryError(kErrCantSubclass);
            WriteProp(hwnd, WindowKey(h), prev);
            // Our procedure is in the window's chain: the library must stay loaded.
            vorne::com::Module::Lock();
        }
        // else: a later subclasser sits on top of ours, which stayed behind as
        // a pass-through with its stored procedure; it serves again as it is.
        c = 1;
    } else {
        ++c;
    }
    WriteProp(hwnd, AttachCountKey(h), c);
    WriteProp(hwnd, ClientKey(h, msg, static_cast<int32_t>(n > 0 ? n + 1 : 1)), reinterpret_cast<LONG_PTR>(itf));
    WriteProp(hwnd, MessageCountKey(h, msg), (n > 0 ? n : 0) + 1);
}

void DetachWindowMessage(IUnknown* client, HWND hwnd, UINT msg) {
    _ISubclass* itf = ClientInterface(client);
    const int32_t h = HandleNumber(hwnd);
    const LONG_PTR n = ReadProp(hwnd, MessageCountKey(h, msg));
    if (n <= 0) return;
    const int k = FindClient(hwnd, msg, itf, n);
    if (k == 0) return;

    const LONG_PTR c = ReadProp(hwnd, AttachCountKey(h));
    if (c <= 1) {
        const LONG_PTR prev = ReadProp(hwnd, WindowKey(h));
        const LONG_PTR current = GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
        if (current == reinterpret_cast<LONG_PTR>(&SubclassWindowProc)) {
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, prev);
            DropProp(hwnd, WindowKey(h));
            vorne::com::Module::Unlock();
        }
        // Otherwise someone subclassed the window after us: putting our
        // predecessor back would cut them off, so ours stays as a pass-through.
        DropProp(hwnd, AttachCountKey(h));
    } else {
        WriteProp(hwnd, AttachCountKey(h), c - 1);
    }

    for (LONG_PTR j = k + 1; j <= n; ++j)
        WriteProp(hwnd, ClientKey(h, msg, static_cast<int32_t>(j - 1)),
                  ReadProp(hwnd, ClientKey(h, msg, static_cast<int32_t>(j))));
    DropProp(hwnd, ClientKey(h, msg, static_cast<int32_t>(n)));
    WriteProp(hwnd, MessageCountKey(h, msg), n - 1);
}

LRESULT CALLBACK SubclassWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const int32_t h = HandleNumber(hwnd);
    const WNDPROC prev = reinterpret_cast<WNDPROC>(ReadProp(hwnd, WindowKey(h)));
    const LONG_PTR n = ReadProp(hwnd, MessageCountKey(h, msg));
    if (n <= 0) return CallPrevious(prev, hwnd, msg, wParam, lParam);

    // Walk a counted snapshot of the clients: a client may detach itself or
    // another one while it handles the message.
    std::vector<Ptr<_ISubclass>> clients;
    clients.reserve(static_cast<size_t>(n));
    for (LONG_PTR i = 1; i <= n; ++i) {
        auto* itf = reinterpret_cast<_ISubclass*>(ReadProp(hwnd, ClientKey(h, msg, static_cast<int32_t>(i))));
        if (itf) clients.emplace_back(itf);
    }
    auto stillAttached = [&](_ISubclass* itf) {
        return FindClient(hwnd, msg, itf, ReadProp(hwnd, MessageCountKey(h, msg))) != 0;
    };

    // The previous procedure CallOldWindowProc reaches is this window's only
    // while its clients run; an enclosing dispatch gets its own back after.
    ThreadState& state = CurrentThreadState();
    struct RestorePrevious {
        ThreadState& state;
        WNDPROC saved;
        ~RestorePrevious() { state.currentPrevProc = saved; }
    } restore{state, state.currentPrevProc};
    LRESULT result = 0;
    bool prevRan = false;
    bool anyRan = false;
    for (size_t i = 0; i < clients.size(); ++i) {
        _ISubclass* client = clients[i].Get();
        if (!stillAttached(client)) continue;
        state.currentMsg = static_cast<LONG>(msg);
        state.currentPrevProc = prev;

        EMsgResponse response = emrConsume;
        if (!anyRan && ReadResponse(client, &response) && response == emrPreprocess && !prevRan) {
            CallPrevious(prev, hwnd, msg, wParam, lParam);
            prevRan = true;
        }
        anyRan = true;

        LONG_PTR value = 0;
        try {
            if (SUCCEEDED(client->WindowProc(static_cast<LONG>(h), static_cast<LONG>(msg),
                                             static_cast<LONG_PTR>(wParam), static_cast<LONG_PTR>(lParam), &value)))
                result = value;
        } catch (...) {
            // A failing client never breaks the window's message handling.
        }

        bool last = true;
        for (size_t j = i + 1; j < clients.size() && last; ++j)
            if (stillAttached(clients[j].Get())) last = false;
        if (last) {
            response = emrConsume;
            if (ReadResponse(client, &response) && response == emrPostProcess && !prevRan) {
                result = CallPrevious(prev, hwnd, msg, wParam, lParam);
                prevRan = true;
            }
        }
    }
    if (!anyRan) result = CallPrevious(prev, hwnd, msg, wParam, lParam);
    return result;
}

LRESULT CallPreviousWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WNDPROC prev = CurrentThreadState().currentPrevProc;
    if (!prev) return 0;
    return CallWindowProcA(prev, hwnd, msg, wParam, lParam);
}

LONG GetCurrentMessage() { return CurrentThreadState().currentMsg; }

}  // namespace vorne::subclass
