// The rules of play: picking cards, pairs and their points, runs, the deck
// and its restore, the reserve row, wild cards and the hand, special pieces,
// the pairs on offer and the idle hint.
#include <algorithm>

#include "app/random.h"
#include "app/singletons.h"
#include "cardgame/level.h"
#include "cardgame/main_game.h"
#include "cardgame/zdarzenie.h"
#include "effects/captions.h"
#include "gui/mouse.h"
#include "platform/system.h"
#include "profiles/profile.h"
#include "sound/global_snd.h"

namespace {

constexpr int kHintDelayMs = 10000;
constexpr int kHandSize = 13;

void playSound(const std::string& id) {
    if (globalSnd) globalSnd->playMySound(id);
}

void playKick() { playSound("kick" + std::to_string(randomInt(0, 4))); }

bool isOrdinary(const CardRef& c) { return c && c->cardId() < cardid::kReserveSlot; }

// A wild card lying on the table (not yet collected) never pairs there.
bool wildOnTable(const CardRef& c) { return c->wild && !c->inWildCards(); }

// Reserve slots, event and opponent-goal cards act when clicked and never
// pair, even two of a kind; stand-in identities never pair either.
bool pairable(const CardRef& c) {
    if (!c || !c->cd || c->cd->placeholder) return false;
    const int id = c->cd->id;
    return id < cardid::kReserveSlot || id > cardid::kOpponentGoal;
}

bool canPair(const CardRef& a, const CardRef& b) { return pairable(a) && pairable(b) && a->cd->nazwa == b->cd->nazwa; }

}  // namespace

void TMainGame::_GAME_update_over() {
    if (currentMouse && currentMouse->x > 700 && currentMouse->y < 100) showWyniki();
    if (!level) return;
    level->updateCards();
    over = level->over;
    const bool pressed = currentMouse && currentMouse->leftPressed;
    if (level->updateDeckOVER() && pressed) giveDeckCard();
    if (over && pressed) clickCard(over);
    lastOver = over;
}

void TMainGame::clickCard(const CardRef& card) {
    if (!card) return;
    _prepareHint();
    if (clickRealySpecialCard(card)) {
        picked = nullptr;
        return;
    }
    if (card->wild && card->state.empty() && !card->inWildCards()) {
        clickSpecCard(card);
        return;
    }
    if (card != specClicked && !picked) picked = specClicked;
    if (!picked) {
        picked = card;
    } else if (picked == card) {
        picked = nullptr;
    } else if (matchCards(picked, card)) {
        zdarzenie(newMatchRecord(picked, card, getEraseDim(0), getEraseDim(1)));
        const bool continues = matchSequenceRight(card);
        if (!continues) eraseErasedCards();
        const TDim pileA = eraseDim[0], pileB = eraseDim[1];
        CardRef first = picked;
        first->erase(&pileA, 0);
        card->erase(&pileB, 0);
        if (continues)
            matchSequence(card);
        else
            matchSequenceReset(card);

        const float m = dPass + 1.0f;
        float points = 50.0f * m;
        const int x = static_cast<int>(card->dim.x), y = static_cast<int>(card->dim.y);
        addScoreCaption(static_cast<int>(50.0f * m), "POINTS", x, y - 40);
        int offset = 0;
        if (theSameColor(first->cd, card->cd)) {
            addScoreCaption(static_cast<int>(25.0f * m), "COLOR", x, y);
            points += 25.0f * m;
            offset += 40;
        }
        if (first->cd->kolor == card->cd->kolor) {
            // The caption shows the full 50 x m; the score gains 25 x m.
            addScoreCaption(static_cast<int>(50.0f * m), "PERFECT", x, y + offset);
            points += 25.0f * m;
            offset += 40;
        }
        if (continues) addScoreCaption(1, "SEQ", x, y + offset);
        addScore(static_cast<int>(points), card, first);
        picked = nullptr;
    } else {
        picked = card;
    }
    specClicked = nullptr;
}

int TMainGame::clickRealySpecialCard(const CardRef& card) {
    _prepareHint();
    if (card->wild || (picked && picked->wild)) return 0;
    const int id = card->cardId();
    if (id == cardid::kEvent) {
        specialEvent(card);
        return 1;
    }
    if (id == cardid::kOpponentGoal) {
        enemyGoalHit(card);
        return 1;
    }
    if (id == cardid::kReserveSlot) {
        if (picked && picked->cardId() == cardid::kReserveSlot) return 1;
        if (isOrdinary(picked)) {
            sendToRezerwowy(picked, card);
            return 1;
        }
        return 0;
    }
    if (picked && picked->cardId() == cardid::kReserveSlot && isOrdinary(card)) {
        sendToRezerwowy(card, picked);
        return 1;
    }
    return 0;
}

int TMainGame::matchCards(const CardRef& a, const CardRef& b) {
    if (!canPair(a, b)) return 0;
    playKick();
    deckCount = 0;
    checkIfBonus(a);
    checkIfBonus(b);
    bestPass = std::max(bestPass, seqCombo);
    playSound("match-cards");
    platform::printLine("SEQ COMBO : " + std::to_string(seqCombo));
    if (globalSnd) globalSnd->playSequence(seqCombo);
    playSound("deck");
    matchesCounter += 1;
    return 1;
}

int TMainGame::theSameColor(const CardDataRef& a, const CardDataRef& b) const {
    if (!a || !b) return 0;
    const int p = a->kolor, q = b->kolor;
    return (p == 1 && q == 4) || (p == 4 && q == 1) || (p == 2 && q == 3) || (p == 3 && q == 2);
}

int TMainGame::matchSequenceRight(const CardRef& card) const {
    if (!card || !card->cd) return 0;
    const int r = card->cd->seqN, l = lastSeqN;
    return r == l + 1 || r == l - 1 || (r == 14 && l == 2) || (r == 2 && l == 14) || r == l;
}

void TMainGame::matchSequence(const CardRef& card) {
    const int c = seqCombo;
    lastSeqN = card && card->cd ? card->cd->seqN : 0;
    seqCombo = c + 1;
    sequenceCard = card ? card->cd : nullptr;
    if (c == minPassCombo) {
        // The run has just reached three pairs: the long-pass announcement.
        if (globalSnd) globalSnd->playPassComment(pickedCommentator, 1);
        createImgCaption(captionEffectImage(9), 512.0f, 384.0f - 200.0f, 2000);
    }
}

void TMainGame::matchSequenceReset(const CardRef& card) {
    lastSeqN = card && card->cd ? card->cd->seqN : 0;
    sequenceCard = card ? card->cd : nullptr;
    if (seqCombo > minPassCombo) {
        giveSequencePass();
        playKick();
    }
    seqCombo = 1;
}

void TMainGame::sendToRezerwowy(const CardRef& card, const CardRef& slot) {
    if (!card || !slot || !level) return;
    _prepareHint();
    removeCard(level->cards, card.get());
    level->listaRezerwowych.push_back(card);
    card->rezerwa(slot);
    const TDim away = newDimAt(static_cast<float>(randomInt(-200, 1200)), static_cast<float>(randomInt(-200, -100)));
    slot->eraseDefinitly2(&away, 0);
}

void TMainGame::giveDeckCard() {
    over = nullptr;
    picked = nullptr;
    if (!level || level->isCardMoving()) return;
    _prepareHint();
    if (!level->deck.empty()) {
        CardRef dealt = level->addCardFromDeck();
        if (dealt) zdarzenie(newDealRecord(dealt));
        const int before = deckCount;
        deckCount += 1;
        if (before == 4) {
            if (globalSnd) globalSnd->playToMuchDeckComment(pickedCommentator, 1);
            deckCount = 0;
        }
        playSound("deck");
        return;
    }
    TProfile* profile = currentProfile();
    if (profile && profile->CRestore > 0) {
        if (globalSnd) globalSnd->playRestoreComment(pickedCommentator, 1);
        level->addCardFromDeck();
        profile->CRestore -= 1;
        playSound("restore");
        return;
    }
    playSound("bad" + std::to_string(randomInt(0, 5)));
    WIN();
}

void TMainGame::giveDeckCards() {
    if (level) level->addDeckCardsToCards();
}

TDim TMainGame::getEraseDim(int i) const { return eraseDim[i == 0 ? 0 : 1]; }

// --- wild cards --------------------------------------------------------------------------------

void TMainGame::clickSpecCard(const CardRef& card) {
    if (!card) return;
    _prepareHint();
    CardRef keep = card;
    if (card->pickUp()) {
        if (level) level->checkCards(0);
        return;
    }
    if (level) {
        removeCard(level->cards, card.get());
        level->checkCards(0);
    }
}

void TMainGame::_updateSpecCards() {
    specOver = nullptr;
    TProfile* profile = currentProfile();
    if (profile) {
        const CardList hand = profile->specCards;
        for (const CardRef& c : hand)
            if (c->update()) specOver = c;
    }
    if (specOver) {
        specOver->state = "PULL-UP";
        if (currentMouse && currentMouse->leftPressed) clickSpecCardUse(specOver);
    }
    if (specOver != lastSpecOver && specOver) playSound("spec-card-over");
    lastSpecOver = specOver;
}

void TMainGame::clickSpecCardUse(const CardRef& card) {
    _prepareHint();
    playSound("spec-card-use");
    if (!picked && !specClicked) {
        specClicked = card;
        return;
    }
    if (specClicked == card) {
        specClicked = nullptr;
        return;
    }
    if (!picked) picked = specClicked;
    clickCard(card);
}

CardDataList TMainGame::createCardsFiguresList() const {
    if (cardCatalogue.size() < kHandSize) return {};
    return CardDataList(cardCatalogue.begin(), cardCatalogue.begin() + kHandSize);
}

CardDataRef TMainGame::getRandomSpecCard() const {
    TProfile* profile = currentProfile();
    CardDataList free;
    for (const CardDataRef& cd : createCardsFiguresList())
        if (!profile || !profile->getSpecCard(cd->seqN)) free.push_back(cd);
    if (free.empty()) return nullptr;
    return free[static_cast<size_t>(randomInt(0, static_cast<int>(free.size()) - 1))];
}

void TMainGame::giveNewRandomSpecCard() {
    TProfile* profile = currentProfile();
    if (!level || (profile && profile->specCards.size() >= kHandSize)) return;
    CardDataRef cd = getRandomSpecCard();
    if (!cd) return;
    CardRef c = level->newCard(cd);
    c->side = 1;
    c->wild = 1;
    c->dim = newDimAt(512.0f, 384.0f);
    c->sx = c->sy = 1.0f;
    c->ca = 0.0f;
    level->cards.push_back(c);
    c->pickUp();
    removeCard(level->cards, c.get());
}

// --- pairs on offer and the hint ---------------------------------------------------------------

CardList TMainGame::getOnlyGameCards() const {
    CardList out;
    if (!level) return out;
    for (const CardRef& c : level->cards)
        if (c->side == 1) out.push_back(c);
    return out;
}

CardList TMainGame::getShowedCards() const {
    CardList out = getOnlyGameCards();
    if (TProfile* profile = currentProfile()) out.insert(out.end(), profile->specCards.begin(), profile->specCards.end());
    if (level)
        for (const CardRef& c : level->listaRezerwowych)
            if (c->cardId() < cardid::kNeverDealt && !containsCard(out, c.get())) out.push_back(c);
    return out;
}

CardPairRef TMainGame::getPaire(CardList& list, const CardRef& card) const {
    if (!card || wildOnTable(card)) return nullptr;
    for (const CardRef& other : list) {
        if (other == card || wildOnTable(other) || !canPair(card, other)) continue;
        auto pair = std::make_shared<TCardPair>();
        pair->card1 = card;
        pair->card2 = other;
        removeCard(list, card.get());
        removeCard(list, other.get());
        return pair;
    }
    return nullptr;
}

namespace {

std::vector<CardPairRef> pairsAmong(const TMainGame& game, CardList cards) {
    std::vector<CardPairRef> pairs;
    const CardList order = cards;
    for (const CardRef& c : order) {
        if (!containsCard(cards, c.get())) continue;
        if (CardPairRef p = game.getPaire(cards, c)) pairs.push_back(p);
    }
    return pairs;
}

}  // namespace

std::vector<CardPairRef> TMainGame::getPairesList() const { return pairsAmong(*this, getShowedCards()); }

std::vector<CardPairRef> TMainGame::getCardsPairesList() const { return pairsAmong(*this, getOnlyGameCards()); }

int TMainGame::countPaires() const {
    if (state == "WIN" || _shuffle) return 0;
    return static_cast<int>(getPairesList().size());
}

CardPairRef TMainGame::getRandomPair() const {
    std::vector<CardPairRef> pairs = getCardsPairesList();
    if (pairs.empty()) pairs = getPairesList();
    if (pairs.empty()) return nullptr;
    return pairs[static_cast<size_t>(randomInt(0, static_cast<int>(pairs.size()) - 1))];
}

void TMainGame::_prepareHint() {
    hintPair = nullptr;
    hintTime = platform::millisecs() + kHintDelayMs;
}

void TMainGame::_updateHint() {
    bool appeared = false;
    if (platform::millisecs() > hintTime && !hintPair) {
        hintPair = getRandomPair();
        if (hintPair) {
            for (const CardRef& c : {hintPair->card1, hintPair->card2}) {
                c->pairCount = 0;
                c->pairP = 0.0f;
                c->dPairp = 1.0f;
            }
            appeared = true;
        }
    }
    if (hintPair) {
        CardPairRef hint = hintPair;  // a finished pulse clears the game's hint
        hint->card1->_updatePair();
        hint->card2->_updatePair();
    }
    if (appeared && globalSnd) globalSnd->playWaitingComment(pickedCommentator, 1);
}

void TMainGame::_updatePaires() { countedPaires = countPaires(); }

bool TMainGame::isHintCard(const TCard* card) const {
    return hintPair && (hintPair->card1.get() == card || hintPair->card2.get() == card);
}
