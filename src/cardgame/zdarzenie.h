// One step of the undo history: a pair made or a deck card dealt, with the
// sequence, pass meter, goals and points as they were before the step.
#pragma once

#include <memory>
#include <string>

#include "cardgame/card.h"
#include "cardgame/card_data.h"
#include "gui/dim.h"

class TZdarzenie {
public:
    virtual ~TZdarzenie() = default;
    std::string typ;  // "MATCH-NORMAL" or "ADD-DECK"
    CardRef card1, card2;
    CardRef c1, c2;   // copies taken when the record was made
    TDim d1, d2;      // pair: pair-pile places; deal: the dealt card's spot
    TDim dd1, dd2;    // pair: the cards' places before the pair
    int lastSeqN = 0, seqCombo = 1;
    CardDataRef sequenceCard;
    float pass = 0.0f, dPass = 0.0f;
    int wynik1 = 0, wynik2 = 0, punkty = 0, allScore = 0;
    int lWynik1 = 0, lWynik2 = 0, score = 0;

    // Writes the snapshot back, then takes the step back.
    virtual void run();
    virtual void run_match_normal();
    virtual void run_add_deck();
    virtual void saveSequence() {}
};

// The record of a pair: both cards, where they were sent, where they lay.
std::shared_ptr<TZdarzenie> newMatchRecord(const CardRef& a, const CardRef& b, const TDim& targetA,
                                           const TDim& targetB);
// The record of a deck card dealt.
std::shared_ptr<TZdarzenie> newDealRecord(const CardRef& card);
