// The recursive search over a generated tree of 20,000 files (200 folders
// of 100 files, a quarter of them songs), beside find(1) over the same tree.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "player/library/addfiles/folder_search.h"
#include "runtime/forms/folder_listing.h"

using namespace vorne::player::library::addfiles;

namespace {

const char* kAllPlayable =
    "*.asf;*.asx;*.wm;*.wmf;*.wma;*.wax;*.avi;*.wav;*.mpeg;*.mpg;*.mpe;*.mpv;*.m1v;*.mp2;*.mpv2;*.mp2v;*.mpa;"
    "*.mp3;*.mid;*.midi;*.rmi;*.aif;*.aifc;*.aiff;*.au;*.snd;*.mov;*.qt;*.ra;*.ram;*.rm;*.rmm";

const std::string& Tree() {
    static const std::string root = [] {
        std::string r = "/tmp/vorne_search_bench_20000";
        struct stat st;
        if (stat((r + "/done").c_str(), &st) != 0) {
            std::system(("rm -rf " + r).c_str());
            for (int a = 0; a < 20; ++a)
                for (int b = 0; b < 10; ++b) {
                    const std::string dir = r + "/artist" + std::to_string(a) + "/album" + std::to_string(b);
                    std::system(("mkdir -p " + dir).c_str());
                    for (int f = 0; f < 100; ++f) {
                        const char* ext = f % 4 == 0 ? ".mp3" : f % 4 == 1 ? ".jpg" : f % 4 == 2 ? ".txt" : ".wav";
                        std::FILE* out = std::fopen((dir + "/track" + std::to_string(f) + ext).c_str(), "w");
                        if (out) std::fclose(out);
                    }
                }
            std::FILE* done = std::fopen((r + "/done").c_str(), "w");
            if (done) std::fclose(done);
        }
        return r;
    }();
    return root;
}

void Search(benchmark::State& state, const std::string& patterns) {
    const std::string root = Tree();
    const auto masks = vorne::forms::SplitPatterns(patterns);
    long files = 0;
    for (auto _ : state) {
        SearchState st;
        int added = 0;
        FolderSearch s(RealFileSystem(), st, SearchHooks{[] {}, nullptr, [&](const std::string&) { ++added; }});
        s.Run(root, masks);
        files = added;
        benchmark::DoNotOptimize(added);
    }
    state.counters["files"] = static_cast<double>(files);
}

void BM_SearchMp3(benchmark::State& state) { Search(state, "*.mp3"); }
void BM_SearchAllPlayable(benchmark::State& state) { Search(state, kAllPlayable); }

void BM_FindMp3(benchmark::State& state) {
    const std::string cmd = "find " + Tree() + " -type f -iname '*.mp3'";
    long files = 0;
    for (auto _ : state) {
        std::FILE* p = popen(cmd.c_str(), "r");
        long n = 0;
        char line[4096];
        while (p && std::fgets(line, sizeof line, p)) ++n;
        if (p) pclose(p);
        files = n;
    }
    state.counters["files"] = static_cast<double>(files);
}

}  // namespace

BENCHMARK(BM_SearchMp3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchAllPlayable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindMp3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
