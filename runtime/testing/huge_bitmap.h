// Test support under Wine: a BMP file far larger than the programs take,
// made in a moment. Only its headers are written; the file is then made as
// long as its pixel rows need with SetEndOfFile, which a sparse file system
// does without writing them. The file goes when the object does.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/text/ansi.h"

namespace vorne::testing {

class HugeBmpFile {
public:
    // A 24-bit picture of width x height pixels at path (ANSI text).
    explicit HugeBmpFile(std::string path, int32_t width = 12000, int32_t height = 12000)
        : path_(std::move(path)) {
        const uint64_t row = (static_cast<uint64_t>(width) * 3 + 3) & ~uint64_t{3};
        const uint64_t pixels = row * static_cast<uint64_t>(height);
        uint8_t head[54] = {'B', 'M'};
        auto put = [&head](int at, uint32_t v) {
            for (int i = 0; i < 4; ++i) head[at + i] = static_cast<uint8_t>(v >> (8 * i));
        };
        put(2, static_cast<uint32_t>(sizeof head + pixels));
        put(10, sizeof head);
        put(14, 40);
        put(18, static_cast<uint32_t>(width));
        put(22, static_cast<uint32_t>(height));
        head[26] = 1;   // planes
        head[28] = 24;  // bits a pixel
        put(34, static_cast<uint32_t>(pixels));
        const std::wstring wide = text::AnsiToWide(path_);
        HANDLE f = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE) return;
        DWORD written = 0;
        LARGE_INTEGER end;
        end.QuadPart = static_cast<LONGLONG>(sizeof head + pixels);
        made_ = WriteFile(f, head, sizeof head, &written, nullptr) && written == sizeof head &&
                SetFilePointerEx(f, end, nullptr, FILE_BEGIN) && SetEndOfFile(f);
        CloseHandle(f);
    }
    ~HugeBmpFile() { DeleteFileW(text::AnsiToWide(path_).c_str()); }
    HugeBmpFile(const HugeBmpFile&) = delete;
    HugeBmpFile& operator=(const HugeBmpFile&) = delete;

    bool Made() const { return made_; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    bool made_ = false;
};

}  // namespace vorne::testing
