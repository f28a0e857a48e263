#include "fuzz_reader.h"

using namespace vorne::player::library;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::Run(
        data, size, [](std::string_view in, PlaylistStore& l) { ReadFastLoad(in, "C:\\Lists\\a.vna", false, l); },
        [](const PlaylistStore& l) { return WriteFastLoad(l, "2024-01-02 03:04:05"); });
}
