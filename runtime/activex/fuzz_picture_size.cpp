// The header measure on any bytes: it names a size or nothing, and never
// reads past the bytes it is given.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "runtime/activex/picture_size.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly the input's length, so the sanitizer sees any read beyond it.
    std::vector<uint8_t> bytes(data, data + size);
    const auto d = vorne::activex::DeclaredPictureSize(bytes.data(), bytes.size());
    if (d && d->height < 0) std::abort();  // a top-down height is given as its size
    return 0;
}
