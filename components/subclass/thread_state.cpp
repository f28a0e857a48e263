#include "components/subclass/thread_state.h"

#include <new>

#include "components/subclass/timer.h"

namespace vorne::subclass {
namespace {
DWORD g_tls = TLS_OUT_OF_INDEXES;

void FreeState(ThreadState* s) {
    if (!s) return;
    ReleaseTimerSlots(*s);
    delete s;
}
}  // namespace

void ThreadStateProcessAttach() {
    if (g_tls == TLS_OUT_OF_INDEXES) g_tls = TlsAlloc();
}

ThreadState& CurrentThreadState() {
    if (g_tls == TLS_OUT_OF_INDEXES) ThreadStateProcessAttach();
    auto* s = static_cast<ThreadState*>(TlsGetValue(g_tls));
    if (!s) {
        s = new ThreadState();
        TlsSetValue(g_tls, s);
    }
    return *s;
}

void ThreadStateThreadDetach() {
    if (g_tls == TLS_OUT_OF_INDEXES) return;
    FreeState(static_cast<ThreadState*>(TlsGetValue(g_tls)));
    TlsSetValue(g_tls, nullptr);
}

void ThreadStateProcessDetach(bool processExit) {
    // The system frees the memory and the timers of an ending process; the
    // timers' sinks must not be called from here.
    if (processExit) return;
    ThreadStateThreadDetach();
    if (g_tls != TLS_OUT_OF_INDEXES) {
        TlsFree(g_tls);
        g_tls = TLS_OUT_OF_INDEXES;
    }
}

}  // namespace vorne::subclass
