// An automatic player over the card-game model, for checking and tuning the
// layouts: it plays a layout to its end without a window and reports how it
// went. It plays greedily, as a reasonable player would: it always takes an
// available pair, preferring pairs that clear table cards and uncover the
// most cards, then pairs that continue the run; without a pair it parks the
// card that uncovers the most cards in a free reserve slot, else it deals
// from the deck (restoring it once when it runs out). It spends no shuffle,
// undo or retry.
#pragma once

#include <cstdint>
#include <string>

struct AutoPlayOptions {
    int opponentGoalScore = 1000;  // points per goal against the opponent
    int opponentProcent = 0;       // chance of an opponent-goal card in the deck
    int frameLimit = 200000;       // a layout still running after this many frames is an error
    float frameStep = 2.0f;        // 60 Hz frames per simulated step
};

struct AutoPlayResult {
    bool cleared = false;  // no playable card left on the table or in the reserve
    int pairs = 0;
    int points = 0;        // the layout's score, table-cleared bonus included
    int goals = 0;         // goals scored in the layout
    int longestRun = 0;    // longest run of pairs
    int draws = 0;         // deck cards dealt
    int cardsLeft = 0;
    int tableCards = 0;    // playable cards at the start
    long long frames = 0;  // simulated 60 Hz frames
    std::string error;     // empty when the layout came to its end normally
};

// Plays the level file once with the given seed. The card catalogue must be
// loaded and the singletons constructed; the working folder is the game's.
AutoPlayResult autoPlayLevel(const std::string& levelPath, uint32_t seed, const AutoPlayOptions& options = {});
