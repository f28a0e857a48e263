// Test support under Wine: the message loop run until a condition holds, and
// a whole file read by its ANSI name.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "runtime/forms/forms.h"
#include "runtime/text/ansi.h"

namespace vorne::testing {

// Runs the message loop until pred() holds or ms have passed; pred()'s last
// answer.
template <class Pred>
bool PumpUntil(Pred pred, DWORD ms = 10000) {
    const DWORD until = GetTickCount() + ms;
    while (!pred() && GetTickCount() < until) {
        forms::DoEvents();
        Sleep(5);
    }
    return pred();
}

inline void Pump(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

// The bytes of the file, "" when it cannot be read.
inline std::string ReadAll(const std::string& ansiPath) {
    std::string s;
    if (std::FILE* f = text::OpenFile(ansiPath, "rb")) {
        char b[4096];
        size_t n;
        while ((n = std::fread(b, 1, sizeof b, f)) > 0) s.append(b, n);
        std::fclose(f);
    }
    return s;
}

}  // namespace vorne::testing
