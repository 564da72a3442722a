// The covering test of a whole table (every card against the cards above it,
// by centre distance first, then pixel outlines), on the shipped layout with
// the most cards.
//
//     build/bench/bench_covering [--game-dir DIR]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/singletons.h"
#include "cardgame/card_data.h"
#include "cardgame/level.h"
#include "platform/files.h"

namespace {

std::string largestLayout() {
    std::string best;
    size_t most = 0;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator("data/levels", ec)) {
        if (e.path().extension() != ".lvl") continue;
        LevelRef level = loadLevelFile(e.path().string());
        if (level->cards.size() > most) {
            most = level->cards.size();
            best = e.path().string();
        }
    }
    return best;
}

void BM_CheckCardsInstant(benchmark::State& state, const std::string& path) {
    LevelRef level = loadLevelFile(path);
    for (auto _ : state) {
        level->checkCards(1);
        benchmark::DoNotOptimize(level->cards.front()->side);
    }
    state.SetLabel(path + ", " + std::to_string(level->cards.size()) + " cards");
}

}  // namespace

int main(int argc, char** argv) {
    std::string gameDir = FIELDSTACK_GAME_DIR;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--game-dir") == 0) gameDir = argv[i + 1];
    if (!platform::changeFolder(gameDir)) {
        std::fprintf(stderr, "bench_covering: cannot enter %s\n", gameDir.c_str());
        return 2;
    }
    constructSingletons();
    loadCardCatalogue();
    const std::string path = largestLayout();
    if (path.empty()) {
        std::fprintf(stderr, "bench_covering: no layouts in %s/data/levels\n", gameDir.c_str());
        return 2;
    }
    benchmark::RegisterBenchmark("checkCards(1)", BM_CheckCardsInstant, path)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
