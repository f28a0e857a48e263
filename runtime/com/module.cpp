#include "runtime/com/module.h"

namespace vorne::com {
namespace {
HINSTANCE g_instance = nullptr;
volatile LONG g_objects = 0;
volatile LONG g_locks = 0;
}  // namespace

void Module::Init(HINSTANCE instance) { g_instance = instance; }

HINSTANCE Module::Instance() {
    if (!g_instance) {
        // Linked into an executable (tests, hosts): the module is the process.
        g_instance = GetModuleHandleW(nullptr);
    }
    return g_instance;
}

void Module::ObjectCreated() { InterlockedIncrement(&g_objects); }
void Module::ObjectDestroyed() { InterlockedDecrement(&g_objects); }
void Module::Lock() { InterlockedIncrement(&g_locks); }
void Module::Unlock() { InterlockedDecrement(&g_locks); }
long Module::Objects() { return g_objects; }
long Module::Locks() { return g_locks; }

HRESULT Module::CanUnloadNow() {
    return (g_objects == 0 && g_locks == 0) ? S_OK : S_FALSE;
}

std::wstring Module::FilePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(Instance(), path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return std::wstring();
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring Module::BaseName() {
    std::wstring path = FilePath();
    size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.resize(dot);
    return name;
}

}  // namespace vorne::com
