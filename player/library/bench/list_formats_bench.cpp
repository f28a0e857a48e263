// Loading and saving a full list (32767 entries) in each format, through
// the files the player reads and writes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "player/library/playlist_formats.h"

using namespace vorne::player::library;

namespace {

PlaylistStore FullList() {
    PlaylistStore s;
    for (int i = 0; i < kMaxEntries; ++i)
        s.Append("Artist " + std::to_string(i % 500) + " - Song number " + std::to_string(i),
                 "C:\\Music\\Artist " + std::to_string(i % 500) + "\\Song number " + std::to_string(i) + ".mp3");
    return s;
}

const char* NameFor(int format) {
    switch (format) {
        case 0: return "bench_list.vna";
        case 1: return "bench_list.pls";
        default: return "bench_list.m3u";
    }
}

void BM_SaveList(benchmark::State& state) {
    const PlaylistStore list = FullList();
    const char* name = NameFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ListResult r = SaveList(name, list, "2024-01-01 00:00:00");
        if (!r.ok) state.SkipWithError(r.message.c_str());
    }
    state.SetItemsProcessed(state.iterations() * list.Count());
    std::remove(name);
}

void BM_LoadPlayList(benchmark::State& state) {
    const char* name = NameFor(static_cast<int>(state.range(0)));
    SaveList(name, FullList(), "2024-01-01 00:00:00");
    for (auto _ : state) {
        PlaylistStore list;
        std::string path;
        ListResult r = LoadPlayList(name, list, path);
        if (!r.ok || list.Count() != kMaxEntries) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(list);
    }
    state.SetItemsProcessed(state.iterations() * kMaxEntries);
    std::remove(name);
}

void BM_GenericList(benchmark::State& state) {
    const PlaylistStore list = FullList();
    GenericList gen;
    for (auto _ : state) {
        gen.Save(".", list, "2024-01-01 00:00:00");
        PlaylistStore back;
        gen.Load(".", back);
        benchmark::DoNotOptimize(back);
    }
    state.SetItemsProcessed(state.iterations() * kMaxEntries);
    std::remove(GenericList::PathIn(".").c_str());
}

}  // namespace

// 0 = fast-load, 1 = PLS, 2 = M3U.
BENCHMARK(BM_SaveList)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPlayList)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenericList)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
