// The BMP reader on any bytes: it reads a picture or refuses, and a picture
// it reads writes out and reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "tools/converter/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vorne::converter::Pixels p;
    if (!vorne::converter::ReadBmp(data, size, p)) return 0;
    if (p.Empty()) std::abort();
    vorne::converter::Pixels back;
    if (!vorne::converter::ReadBmp(vorne::converter::WriteBmp(p), back) || back != p) std::abort();
    return 0;
}
