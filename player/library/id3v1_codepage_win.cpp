#include "id3v1_codepage_win.h"

#include <windows.h>

namespace vorne::library {

namespace {

std::string Utf8ToAnsi(std::string_view text) {
    if (text.empty()) return std::string();
    int wn = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (wn <= 0) return std::string(text);
    std::wstring w(static_cast<size_t>(wn), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), w.data(), wn);
    int an = WideCharToMultiByte(CP_ACP, 0, w.data(), wn, nullptr, 0, nullptr, nullptr);
    if (an <= 0) return std::string();
    std::string a(static_cast<size_t>(an), '\0');
    WideCharToMultiByte(CP_ACP, 0, w.data(), wn, a.data(), an, nullptr, nullptr);
    return a;
}

}  // namespace

CodePage AnsiCodePage() {
    return CodePage{Utf8ToAnsi, [](unsigned char b) { return IsDBCSLeadByte(b) != 0; }};
}

}  // namespace vorne::library
