#include "fuzz_reader.h"

using namespace vorne::player::library;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::Run(
        data, size, [](std::string_view in, PlaylistStore& l) { ReadM3u(in, "C:\\Lists\\a.m3u", l); },
        [](const PlaylistStore& l) { return WriteM3u(l); },
        /*roundTrip=*/false);
}
