#include "fuzz_reader.h"

using namespace vorne::player::library;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::Run(
        data, size, [](std::string_view in, PlaylistStore& l) { ReadPls(in, "C:\\Lists\\a.pls", l); },
        [](const PlaylistStore& l) { return WritePls(l); });
}
