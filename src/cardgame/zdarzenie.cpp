#include "cardgame/zdarzenie.h"

#include "app/numbers.h"
#include "app/singletons.h"
#include "cardgame/level.h"
#include "cardgame/main_game.h"
#include "profiles/profile.h"
#include "tournament/mecz.h"

namespace {

TDim truncated(const TDim& d) {
    return newDimAt(static_cast<float>(floatToInt(d.x)), static_cast<float>(floatToInt(d.y)));
}

}  // namespace

std::shared_ptr<TZdarzenie> newMatchRecord(const CardRef& a, const CardRef& b, const TDim& targetA,
                                           const TDim& targetB) {
    auto r = std::make_shared<TZdarzenie>();
    r->typ = "MATCH-NORMAL";
    r->c1 = cloneCard(a);
    r->c2 = cloneCard(b);
    r->d1 = truncated(targetA);
    r->d2 = truncated(targetB);
    if (a) r->dd1 = truncated(a->dim);
    if (b) r->dd2 = truncated(b->dim);
    r->card1 = a;
    r->card2 = b;
    return r;
}

std::shared_ptr<TZdarzenie> newDealRecord(const CardRef& card) {
    auto r = std::make_shared<TZdarzenie>();
    r->typ = "ADD-DECK";
    r->c1 = cloneCard(card);
    if (card) r->d1 = truncated(card->dimPam);
    r->card1 = card;
    return r;
}

void TZdarzenie::run() {
    if (mainGame) {
        mainGame->lastSeqN = lastSeqN;
        mainGame->seqCombo = seqCombo;
        mainGame->sequenceCard = sequenceCard;
        mainGame->pass = pass;
        mainGame->dPass = dPass;
        if (mainGame->mecz) {
            mainGame->mecz->wynik1 = wynik1;
            mainGame->mecz->wynik2 = wynik2;
            mainGame->mecz->punkty = punkty;
            mainGame->mecz->allScore = allScore;
        }
        if (mainGame->level) {
            mainGame->level->wynik1 = lWynik1;
            mainGame->level->wynik2 = lWynik2;
            mainGame->level->score = score;
        }
    }
    if (typ == "MATCH-NORMAL") run_match_normal();
    if (typ == "ADD-DECK") run_add_deck();
}

void TZdarzenie::run_match_normal() {
    const CardRef cards[2] = {card1, card2};
    const TDim piles[2] = {d1, d2};
    const TDim places[2] = {dd1, dd2};
    for (int i = 0; i < 2; ++i) {
        const CardRef& c = cards[i];
        if (!c) continue;
        c->dim.x = piles[i].x;
        c->dim.y = piles[i].y;
        c->rot = 0.0f;
        if (mainGame) removeCard(mainGame->erasedCards, c.get());
        if (c->wild) {
            // A wild card used from the hand goes back to the hand.
            c->moveBackSpec(places[i]);
        } else {
            c->moveBack(places[i]);
            if (mainGame && !containsCard(mainGame->backCards, c.get())) mainGame->backCards.push_back(c);
        }
    }
}

void TZdarzenie::run_add_deck() {
    std::shared_ptr<TLevel> level = mainGame ? mainGame->level : nullptr;
    if (!level || !c1 || !card1) return;
    c1->dim.x = static_cast<float>(floatToInt(card1->dim.x));
    c1->dim.y = static_cast<float>(floatToInt(card1->dim.y));
    c1->moveToDeck(level->getDeckDim(), 0);
    // The dealt card may have been parked in the reserve since.
    removeCard(level->cards, card1.get());
    removeCard(level->listaRezerwowych, card1.get());
    level->cards.push_back(c1);
}
