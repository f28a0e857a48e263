// Any bytes as a skin file, read into a whole skin and written again: the
// written file must read back complete, with every text as one line of the
// first reading, and writing that reading again gives the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "player/skin/skin_document.h"

using namespace vorne::player::skin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view in(reinterpret_cast<const char*>(data), size);
    SkinDocument first;
    if (ReadSkinDocument(in, first) == ReadResult::Invalid) return 0;
    const std::string text = WriteSkinText(first);
    SkinDocument second;
    if (ReadSkinDocument(text, second) != ReadResult::Complete) std::abort();
    if (second.objects.size() != first.objects.size()) std::abort();
    for (size_t i = 0; i < first.objects.size(); ++i) {
        const SkinObjectData &a = first.objects[i], &b = second.objects[i];
        if (b.kind != OneLine(a.kind) || b.name != OneLine(a.name) || b.action != OneLine(a.action) ||
            b.img1 != OneLine(a.img1) || b.img2 != OneLine(a.img2) || b.txt != OneLine(a.txt))
            std::abort();
    }
    for (size_t k = 0; k < 4; ++k)
        if (second.info[k] != OneLine(first.info[k])) std::abort();
    if (second.backImage != OneLine(first.backImage) || second.transparent != first.transparent) std::abort();
    if (WriteSkinText(second) != text) std::abort();
    return 0;
}
