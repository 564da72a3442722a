#include "cardgame/auto_player.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/globals.h"
#include "app/singletons.h"
#include "cardgame/level.h"
#include "cardgame/main_game.h"
#include "effects/captions.h"
#include "platform/system.h"
#include "profiles/profile.h"
#include "profiles/profile_manager.h"
#include "tournament/mecz.h"

namespace {

bool settled(const TCard& c) {
    const std::string& s = c.state;
    if (s.empty() || s == "NORMAL" || s == "LIE" || s == "SHUFFLE2" || s == "PULL-UP" || s == "PULL-DOWN" ||
        s == "ERASE-2")
        return true;
    // Cards leaving play are settled once their flight has ended.
    return (s.rfind("ERASE", 0) == 0 || s == "DESTROY") && c.moveP == 1.0f;
}

bool allSettled(const CardList& list) {
    return std::all_of(list.begin(), list.end(), [](const CardRef& c) { return settled(*c); });
}

// One simulated step of the game's per-frame model work (no pointer).
void stepModel(TMainGame& game, TProfile& profile, float frameStep) {
    platform::advanceManualClock(static_cast<int>(frameStep * 1000.0f / 60.0f + 0.5f));
    frameDelta = frameStep;
    game.level->updateCards_off();
    for (const CardList* list : {&game.erasedCards, &profile.specCards, &game.backCards, &game.additionalCards}) {
        const CardList snapshot = *list;
        for (const CardRef& c : snapshot) c->update_off();
    }
    updateCaptions();
    if (game.state == "EVENT") game._STATE_Event();
    if (game.state == "NORMAL") game.setState("GAME");
    if (game.state == "GAME" && game.level->playerWins()) game.WIN();
}

bool busy(const TMainGame& game, const TProfile& profile) {
    return !allSettled(game.level->cards) || !allSettled(game.level->listaRezerwowych) ||
           !allSettled(profile.specCards) || !game.backCards.empty() || !game.additionalCards.empty() ||
           game.level->isCardMoving();
}

bool isTableCard(const CardRef& c, const TMainGame& game) {
    return containsCard(game.level->cards, c.get()) && !c->helpDeck;
}

// How many table cards lie under this one.
int cardsUnder(const TMainGame& game, const CardRef& card) {
    int n = 0;
    for (const CardRef& other : game.level->cards) {
        if (other == card) break;
        if (!other->helpDeck && other->side == 0 && dimDistance(other->dim, card->dim) < 150.0f && other->coveredBy(*card))
            ++n;
    }
    return n;
}

// The pair to take: most table (non-deck) cards cleared first, then one that
// continues the run, then one that spends no wild card from the hand.
CardPairRef choosePair(const TMainGame& game, const TProfile& profile) {
    CardPairRef best;
    int bestScore = -1;
    for (const CardPairRef& p : game.getPairesList()) {
        int score = 0;
        for (const CardRef& c : {p->card1, p->card2}) {
            if (isTableCard(c, game)) score += 10 + 2 * cardsUnder(game, c);
            if (containsCard(game.level->listaRezerwowych, c.get())) score += 10;
            if (containsCard(profile.specCards, c.get())) score -= 3;
        }
        if (game.matchSequenceRight(p->card2)) score += 4;
        if (score > bestScore) {
            bestScore = score;
            best = p;
        }
    }
    return best;
}

// A free reserve slot, or null.
CardRef freeReserveSlot(const TMainGame& game) {
    for (const CardRef& c : game.level->listaRezerwowych)
        if (c->cardId() == cardid::kReserveSlot && (c->state.empty() || c->state == "NORMAL")) return c;
    return nullptr;
}

// Parks the face-up table card that uncovers the most cards in a free
// reserve slot; false when there is no slot or no such card.
bool parkCoveringCard(TMainGame& game) {
    CardRef slot = freeReserveSlot(game);
    if (!slot) return false;
    CardRef best;
    int most = 0;
    for (const CardRef& c : game.level->cards) {
        if (c->helpDeck || c->side == 0 || c->wild || c->cardId() >= cardid::kReserveSlot) continue;
        const int under = cardsUnder(game, c);
        if (under > most) {
            most = under;
            best = c;
        }
    }
    if (!best) return false;
    game.picked = nullptr;
    game.specClicked = nullptr;
    game.clickCard(slot);
    game.clickCard(best);
    return true;
}

void takePair(TMainGame& game, const TProfile& profile, const CardPairRef& pair) {
    game.picked = nullptr;
    game.specClicked = nullptr;
    CardRef a = pair->card1, b = pair->card2;
    if (containsCard(profile.specCards, b.get())) std::swap(a, b);
    if (containsCard(profile.specCards, a.get())) {
        game.clickSpecCardUse(a);  // the hand's card is chosen, then the table card
        game.clickCard(b);
        return;
    }
    game.clickCard(a);
    game.clickCard(b);
}

// One line on standard error: every table card as id, u(p) or d(own), h for
// a dealt card, and its state; then the deck and hand sizes.
void traceTable(const TLevel& level, const TProfile& profile) {
    std::string t = "table:";
    for (const CardRef& c : level.cards)
        t += " " + std::to_string(c->cardId()) + (c->side ? "u" : "d") + (c->helpDeck ? "h" : "") + "[" + c->state + "]";
    t += " deck " + std::to_string(level.deck.size()) + " hand " + std::to_string(profile.specCards.size());
    std::fprintf(stderr, "%s\n", t.c_str());
}

}  // namespace

AutoPlayResult autoPlayLevel(const std::string& levelPath, uint32_t seed, const AutoPlayOptions& options) {
    AutoPlayResult result;
    TMainGame& game = *mainGame;
    platform::seedRandom(seed);
    platform::setManualClock(0);
    captionList.clear();

    auto profile = std::make_shared<TProfile>();
    profile->levelId = 1;
    profile->meczID = 1;
    profile->team = std::make_shared<TTeam>();
    profile->team->id = 1;
    profileManager->profile = profile;
    auto opponent = std::make_shared<TTeam>();
    opponent->id = 2;
    opponent->goalScore = options.opponentGoalScore;
    opponent->procent = options.opponentProcent;
    auto mecz = std::make_shared<TMecz>();
    mecz->sideA = profile->team;
    mecz->sideB = opponent;

    LevelRef level = loadLevelFile(levelPath);
    level->prepareAtStart(opponent.get());
    profile->questLevel = level;
    game.setLevel(level, mecz);
    game.picked = game.specClicked = game.over = nullptr;
    game.hintPair = nullptr;
    game.allreadyWin = 0;
    game.pass = game.dPass = 0.0f;
    game.matchesCounter = 0;
    game.bestPass = 0;
    game.deckCount = 0;
    game.eventsCards.clear();
    game.additionalCards.clear();
    game._shuffle = 0;
    game.matchSequenceReset(nullptr);
    game.setState("GAME");
    // The hand-set clock and the borrowed profile go when the run ends.
    struct RunEnd {
        ~RunEnd() {
            platform::clearManualClock();
            profileManager->profile = nullptr;
        }
    } runEnd;
    result.tableCards = level->countPlayableCards();
    if (result.tableCards == 0) {
        result.error = "the layout has no cards";
        return result;
    }

    // AUTOPLAY_TRACE=1 writes the table before every move, for looking into
    // a layout the player cannot clear.
    const bool trace = std::getenv("AUTOPLAY_TRACE") != nullptr;
    auto step = [&] {
        stepModel(game, *profile, options.frameStep);
        result.frames += static_cast<long long>(options.frameStep);
    };
    while (!game.allreadyWin) {
        if (result.frames > options.frameLimit) {
            result.error = "still running after " + std::to_string(options.frameLimit) + " frames";
            break;
        }
        if (busy(game, *profile) || game.state != "GAME") {
            step();
            continue;
        }
        if (trace) traceTable(*level, *profile);
        if (CardPairRef pair = choosePair(game, *profile)) {
            const int before = game.matchesCounter;
            takePair(game, *profile, pair);
            if (game.matchesCounter == before) {
                result.error = "a pair on offer was refused";
                break;
            }
            result.longestRun = std::max(result.longestRun, game.seqCombo);
        } else if (!parkCoveringCard(game)) {
            const size_t deckBefore = level->deck.size();
            game.giveDeckCard();
            if (level->deck.size() < deckBefore) result.draws += 1;
        }
        step();
    }
    // The last run may not have been broken yet.
    result.longestRun = std::max({result.longestRun, game.bestPass, game.seqCombo});
    result.pairs = game.matchesCounter;
    result.points = level->score;
    result.goals = level->wynik1;
    result.cardsLeft = level->countPlayableCards();
    result.cleared = game.allreadyWin && result.cardsLeft == 0;
    return result;
}
