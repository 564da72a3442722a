// Reading and writing the hierarchical data file from memory, on generated
// files shaped like level files (groups of number and string entries) of
// 0.25, 0.5, 1 and 2 MB, to show the reader's cost per megabyte and that it
// grows linearly.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "datafile/rcm_file.h"
#include "platform/files.h"

namespace {

// A level-like file of at least the given size: a settings group, then many
// card groups with positions, ids, flags and names, some of them nested.
std::string makeLevelText(size_t bytes) {
    std::string text;
    text.reserve(bytes + 512);
    text += "level {\n\tsettings {\n\t\tdeckX = 512\n\t\tdeckY = 690\n\t\tname = \"Generated level\"\n"
            "\t\tbackground = \"gfx/backgrounds/bg3.jpg\"\n\t\tcards = 144\n\t}\n";
    char line[160];
    for (int i = 0; text.size() < bytes; ++i) {
        std::snprintf(line, sizeof line, "\tcard%d {\n", i);
        text += line;
        std::snprintf(line, sizeof line, "\t\tpos = %d.%03d, %d.%03d, %d\n", 40 + i % 900, i % 1000, 60 + i % 640,
                      (i * 7) % 1000, i % 5);
        text += line;
        std::snprintf(line, sizeof line, "\t\tid = %d\n\t\trotation = -%d.5000000\n\t\tscale = 0.%09d\n", i % 105,
                      i % 30, 300000012 + i % 1000);
        text += line;
        std::snprintf(line, sizeof line, "\t\tfigure = \"%c%d\", \"suit, %d\"\n\t\tlocked = %d\n", 'A' + i % 26,
                      i % 13, i % 4, i % 2);
        text += line;
        if (i % 10 == 0) {
            std::snprintf(line, sizeof line, "\t\tbonus {\n\t\t\tkind = \"UNDO\"\n\t\t\tcount = %d\n\t\t}\n", i % 3);
            text += line;
        }
        text += "\t}\n";
    }
    text += "}\n";
    return text;
}

void BM_ParseText(benchmark::State& state) {
    const std::string text = makeLevelText(static_cast<size_t>(state.range(0)) * 1024);
    for (auto _ : state) {
        TRCMFile file;
        file.parseText(text);
        benchmark::DoNotOptimize(file._grupa._listaGrup.size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
    state.counters["MB"] = static_cast<double>(text.size()) / (1024.0 * 1024.0);
}

// File bytes (one byte per character) decoded and parsed, as Load does after
// reading the file.
void BM_LoadFromBytes(benchmark::State& state) {
    const std::string bytes = platform::encodeText(makeLevelText(static_cast<size_t>(state.range(0)) * 1024));
    for (auto _ : state) {
        TRCMFile file;
        file.loadFromBytes(bytes);
        benchmark::DoNotOptimize(file._grupa._listaGrup.size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}

void BM_SaveText(benchmark::State& state) {
    TRCMFile file;
    file.parseText(makeLevelText(static_cast<size_t>(state.range(0)) * 1024));
    size_t written = 0;
    for (auto _ : state) {
        const std::string out = file.saveText();
        written = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(written));
}

// Lookups by path into the parsed 1 MB file, as loaders read their keys.
void BM_GetFloat(benchmark::State& state) {
    TRCMFile file;
    file.parseText(makeLevelText(1024 * 1024));
    int i = 0;
    for (auto _ : state) {
        const std::string path = "level::card" + std::to_string(i % 200) + "::pos";
        benchmark::DoNotOptimize(file.getFloat(path, 1));
        ++i;
    }
}

}  // namespace

BENCHMARK(BM_ParseText)->Arg(256)->Arg(512)->Arg(1024)->Arg(2048)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromBytes)->Arg(256)->Arg(512)->Arg(1024)->Arg(2048)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveText)->Arg(1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetFloat)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
