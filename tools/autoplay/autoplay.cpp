// autoplay: plays every shipped layout with the automatic player and reports,
// per layout and per match template, how often the table was cleared, the
// pairs made, the points and the longest run.
//
//     autoplay [--game-dir DIR] [--seeds N] [--goal-score P] [--quiet] [level.lvl ...]
//
// Without level files it plays the layouts of every match template of the
// match list. Exit status 1 when a layout ends in an error or is never
// cleared, 0 otherwise; 2 on a wrong command line.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/singletons.h"
#include "cardgame/auto_player.h"
#include "cardgame/card_data.h"
#include "cardgame/level.h"
#include "cardgame/level_manager.h"
#include "platform/files.h"
#include "platform/system.h"
#include "tournament/mecz.h"

namespace {

struct LayoutFigures {
    std::string url;
    int cards = 0;
    int runs = 0, clears = 0, errors = 0;
    long long pairs = 0, points = 0, goals = 0, draws = 0;
    int longestRun = 0;
    std::string firstError;
};

LayoutFigures playLayout(const std::string& url, int seeds, const AutoPlayOptions& options) {
    LayoutFigures f;
    f.url = url;
    for (int s = 1; s <= seeds; ++s) {
        const AutoPlayResult r = autoPlayLevel(url, static_cast<uint32_t>(s * 7919), options);
        f.cards = r.tableCards;
        f.runs += 1;
        f.clears += r.cleared ? 1 : 0;
        f.pairs += r.pairs;
        f.points += r.points;
        f.goals += r.goals;
        f.draws += r.draws;
        f.longestRun = std::max(f.longestRun, r.longestRun);
        if (!r.error.empty()) {
            f.errors += 1;
            if (f.firstError.empty()) f.firstError = "seed " + std::to_string(s * 7919) + ": " + r.error;
        }
    }
    return f;
}

void printLayout(const LayoutFigures& f) {
    const double n = f.runs > 0 ? f.runs : 1;
    std::printf("  %-28s %4d cards  cleared %3d%%  pairs %5.1f  points %6.0f  goals %4.2f  draws %5.1f  run %2d%s%s\n",
                f.url.c_str(), f.cards, 100 * f.clears / std::max(1, f.runs), f.pairs / n, f.points / n, f.goals / n,
                f.draws / n, f.longestRun, f.errors ? "  ERROR " : "", f.firstError.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    std::string gameDir = ".";
    int seeds = 20;
    bool quiet = false;
    AutoPlayOptions options;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--game-dir" && i + 1 < argc) {
            gameDir = argv[++i];
        } else if (arg == "--seeds" && i + 1 < argc) {
            seeds = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--goal-score" && i + 1 < argc) {
            options.opponentGoalScore = std::atoi(argv[++i]);
        } else if (arg == "--quiet") {
            quiet = true;
        } else if (!arg.empty() && arg[0] != '-') {
            files.push_back(arg);
        } else {
            std::fprintf(stderr, "usage: autoplay [--game-dir DIR] [--seeds N] [--goal-score P] [--quiet] [level.lvl ...]\n");
            return 2;
        }
    }
    if (!platform::changeFolder(gameDir)) {
        std::fprintf(stderr, "autoplay: cannot enter %s\n", gameDir.c_str());
        return 2;
    }
    constructSingletons();
    platform::setDiagnosticsQuiet(true);  // the game's per-pair lines would bury the report
    loadCardCatalogue();
    loadSpecCardCatalogue();
    loadBackgroundCatalogue();

    bool failed = false;
    auto judge = [&](const LayoutFigures& f) {
        if (f.errors > 0 || f.clears == 0) failed = true;
        if (!quiet || f.errors > 0 || f.clears == 0) printLayout(f);
    };
    if (!files.empty()) {
        for (const std::string& url : files) judge(playLayout(url, seeds, options));
        return failed ? 1 : 0;
    }

    levelManager->setup();
    std::printf("%d seeded runs per layout, %d points per goal\n", seeds, options.opponentGoalScore);
    for (const auto& mecz : levelManager->mecze) {
        std::vector<LayoutFigures> layouts;
        for (const auto& data : mecz->levels) {
            layouts.push_back(playLayout(data->url, seeds, options));
            judge(layouts.back());
        }
        int cardsLo = 1 << 30, cardsHi = 0, runs = 0, clears = 0, longest = 0;
        long long pairs = 0, points = 0, goals = 0;
        for (const LayoutFigures& f : layouts) {
            cardsLo = std::min(cardsLo, f.cards);
            cardsHi = std::max(cardsHi, f.cards);
            runs += f.runs;
            clears += f.clears;
            pairs += f.pairs;
            points += f.points;
            goals += f.goals;
            longest = std::max(longest, f.longestRun);
        }
        const double n = std::max(1, runs);
        std::printf("match %d: %zu layouts, %d-%d cards, cleared %.0f%%, mean pairs %.1f, mean points %.0f, "
                    "mean goals %.2f, longest run %d\n",
                    mecz->id, layouts.size(), layouts.empty() ? 0 : cardsLo, cardsHi, 100.0 * clears / n, pairs / n,
                    points / n, goals / n, longest);
    }
    return failed ? 1 : 0;
}
