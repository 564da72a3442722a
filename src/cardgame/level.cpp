// A layout's running state: counting cards, the deck and its spots, updating
// and drawing the cards, the covering test, and the random extras set up when
// the layout starts.
#include "cardgame/level.h"

#include <algorithm>

#include "app/numbers.h"
#include "app/random.h"
#include "app/singletons.h"
#include "cardgame/main_game.h"
#include "gui/mouse.h"
#include "platform/render.h"
#include "platform/system.h"
#include "tournament/team.h"

namespace {

bool notErasing(const CardRef& c) { return c->state != "ERASE"; }

// Walks a snapshot of a list, so cards may leave or join the list while the
// walk runs (end actions, nested screens).
template <typename Fn>
void forEachSnapshot(const CardList& list, Fn fn) {
    const CardList snapshot = list;
    for (const CardRef& c : snapshot)
        if (c) fn(c);
}

}  // namespace

TLevel::TLevel() {
    reversN = randomInt(0, 2);
    backGround = findBackground(1);
}

platform::ImageRef TLevel::backImage() const { return cardReverseImage(reversN); }

CardRef TLevel::newCard(const CardDataRef& data) {
    auto c = std::make_shared<TCard>();
    c->cd = data;
    c->level = weak_from_this();
    c->revers = backImage();
    return c;
}

void TLevel::setBackground(int backgroundId) {
    if (BackgroundRef bg = findBackground(backgroundId)) {
        backGround = bg;
        backGroundId = backgroundId;
    }
}

void TLevel::countSpots() {
    spot.clear();
    // In floats: a deck placed far outside the picture must not overflow.
    for (int i = 1; i <= spots; ++i)
        spot.push_back(newDimAt(static_cast<float>(deckX) + 90.0f * static_cast<float>(i), static_cast<float>(deckY)));
}

int TLevel::countOnlyPlayableCards() const {
    int n = 0;
    for (const CardRef& c : cards) n += !c->helpDeck && notErasing(c);
    for (const CardRef& c : listaRezerwowych) n += c->cardId() <= cardid::kNeverDealt && notErasing(c);
    return n;
}

int TLevel::countPlayableCards() const {
    int n = 0;
    for (const CardRef& c : cards) n += !c->helpDeck;
    for (const CardRef& c : listaRezerwowych) n += c->cardId() <= cardid::kNeverDealt && notErasing(c);
    return n;
}

int TLevel::countPlayableCardsWin() const {
    int n = 0;
    for (const CardRef& c : cards) n += !c->helpDeck && notErasing(c);
    for (const CardRef& c : listaRezerwowych) n += c->cardId() <= cardid::kNeverDealt;
    return n;
}

// --- deck --------------------------------------------------------------------------------------

TDim TLevel::getDeckDim2(int n) const {
    float x = static_cast<float>(deckX), y = static_cast<float>(deckY);
    float k = 0.1f;
    const float w = static_cast<float>(platform::imageWidth(backImage()));
    for (int i = 0; i < n; ++i) {
        x -= k * w;
        k *= 0.9f;
    }
    return newDimAt(x, y);
}

TDim TLevel::getDeckDim() const { return getDeckDim2(static_cast<int>(deck.size())); }

TDim TLevel::getDeckDimReverse() const {
    TDim d = getDeckDim();
    float k = 0.1f;
    for (size_t i = 0; i < deck.size(); ++i) k *= 0.9f;
    const float w = static_cast<float>(platform::imageWidth(backImage()));
    for (size_t i = 0; i < deck.size(); ++i) {
        d.x += k * w;
        k *= 1.1f;
    }
    return d;
}

bool TLevel::isDeckCard() const {
    return !deck.empty() || std::any_of(cards.begin(), cards.end(), [](const CardRef& c) { return c->helpDeck; });
}

bool TLevel::isCardMoving() const {
    return std::any_of(cards.begin(), cards.end(), [](const CardRef& c) { return c->helpDeck && c->state == "MOVE"; });
}

TDim TLevel::getFreeSpot() const {
    int best = -1, bestCount = 0;
    for (size_t i = 0; i < spot.size(); ++i) {
        int count = 0;
        for (const CardRef& c : cards) {
            const bool moving = c->state == "MOVE";
            const TDim& at = moving ? c->endDim : c->dim;
            if (std::abs(at.x - spot[i].x) <= 3.0f && std::abs(at.y - spot[i].y) <= 3.0f) ++count;
        }
        if (best < 0 || count < bestCount) {
            best = static_cast<int>(i);
            bestCount = count;
        }
    }
    return best < 0 ? newDimAt(static_cast<float>(deckX), static_cast<float>(deckY)) : spot[static_cast<size_t>(best)];
}

CardRef TLevel::addCardFromDeck() {
    if (!deck.empty()) {
        const TDim p = getDeckDim();
        CardDataRef top = deck.back();
        deck.pop_back();
        CardRef c = newCard(top);
        c->helpDeck = 1;
        c->dim = p;
        c->moveToSpot(getFreeSpot());
        if (!spot.empty()) c->dimPam = spot[static_cast<size_t>(std::min<int>(spotd, static_cast<int>(spot.size()) - 1))];
        spotd = 1 - spotd;
        cards.push_back(c);
        return c;
    }
    // Restore: the dealt cards still on the table become the deck again, the
    // most recently dealt on top.
    CardDataList restored;
    CardList kept;
    for (const CardRef& c : cards) {
        if (c->helpDeck)
            restored.push_back(c->cd);
        else
            kept.push_back(c);
    }
    cards = kept;
    deck = restored;
    return nullptr;
}

CardRef TLevel::addFromDeck(const CardDataRef& data, bool addToTable) {
    CardRef c = newCard(data);
    c->helpDeck = 1;
    c->dim = getDeckDim();
    if (addToTable) cards.push_back(c);
    auto it = std::find(deck.begin(), deck.end(), data);
    if (it != deck.end()) deck.erase(it);
    return c;
}

void TLevel::addDeckCardsToCards() {
    CardList added;
    while (!deck.empty()) added.push_back(addFromDeck(deck.back(), false));
    // Taken from the top down; laid in deck order, top card last (on top).
    std::reverse(added.begin(), added.end());
    for (const CardRef& c : added) cards.push_back(c);
}

void TLevel::addDeck(const CardDataList& list) { deck.insert(deck.end(), list.begin(), list.end()); }

void TLevel::addCard(const CardRef& card) {
    if (card) cards.push_back(card);
}

CardDataRef TLevel::getCardFromDeck() {
    if (deck.empty()) deck = getDeckCardDataList();
    if (deck.empty()) return nullptr;
    const size_t i = static_cast<size_t>(randomInt(0, static_cast<int>(deck.size()) - 1));
    CardDataRef cd = deck[i];
    deck.erase(deck.begin() + static_cast<long>(i));
    return cd;
}

CardRef TLevel::getCardByIndex(int i) const {
    return i >= 0 && i < static_cast<int>(cards.size()) ? cards[static_cast<size_t>(i)] : nullptr;
}

CardRef TLevel::getRandomCard() const {
    if (cards.empty()) return nullptr;
    return cards[static_cast<size_t>(randomInt(0, static_cast<int>(cards.size()) - 1))];
}

CardRef TLevel::getRandomCardForBonus() const {
    CardList eligible;
    for (const CardRef& c : cards)
        if (!c->wild && c->bonusC == 0) eligible.push_back(c);
    if (eligible.empty()) return nullptr;
    return eligible[static_cast<size_t>(randomInt(0, static_cast<int>(eligible.size()) - 1))];
}

// --- covering and per-frame work ---------------------------------------------------------------

void TLevel::checkCards(int instant) {
    forEachSnapshot(cards, [&](const CardRef& c) { c->check(cards, instant); });
}

void TLevel::checkCardsShuffle() {
    forEachSnapshot(cards, [&](const CardRef& c) {
        if (!c->helpDeck) c->checkShuffle(cards);
    });
}

void TLevel::updateCards() {
    over = nullptr;
    auto walk = [&](CardList& list) {
        forEachSnapshot(list, [&](const CardRef& c) {
            if (c->update()) over = c;
            if (c->isCardErased()) removeCard(list, c.get());
        });
    };
    walk(cards);
    walk(listaRezerwowych);
}

void TLevel::updateCards_off() {
    over = nullptr;
    auto walk = [&](CardList& list) {
        forEachSnapshot(list, [&](const CardRef& c) {
            c->update_off();
            if (c->isCardErased()) removeCard(list, c.get());
        });
    };
    walk(cards);
    walk(listaRezerwowych);
}

void TLevel::updateCardsEditor() {
    forEachSnapshot(cards, [](const CardRef& c) { c->updateEDITOR(); });
}

bool TLevel::updateDeckOVER() const {
    if (!isDeckCard() || !currentMouse) return false;
    const platform::ImageRef back = cardReverseImage(0);
    const float w = static_cast<float>(platform::imageWidth(back)), h = static_cast<float>(platform::imageHeight(back));
    const TDim d = getDeckDim();
    const float mx = static_cast<float>(currentMouse->x), my = static_cast<float>(currentMouse->y);
    return mx >= d.x - w / 2 && mx <= d.x + w / 2 && my >= d.y - h / 2 && my <= d.y + h / 2;
}

void TLevel::drawBack() {
    if (!backGround) return;
    backGround->check();
    platform::resetDrawState();
    platform::drawImage(backGround->img, 0.0f, 0.0f);
}

void TLevel::drawRezerwa() {
    for (const CardRef& c : listaRezerwowych) c->draw();
}

void TLevel::drawCards() {
    for (const CardRef& c : cards)
        if (!c->helpDeck && c->state != "ERASE") c->draw();
}

void TLevel::drawDeckCards() {
    for (const CardRef& c : cards)
        if (c->helpDeck && c->state != "ERASE") c->draw();
}

void TLevel::drawErasedCards() {
    for (const CardRef& c : cards)
        if (c->state == "ERASE") c->draw();
}

void TLevel::drawDeck() {
    platform::resetDrawState();
    const platform::ImageRef back = backImage();
    const float w = static_cast<float>(platform::imageWidth(back));
    float x = static_cast<float>(deckX), k = 0.1f;
    for (size_t i = 0; i < deck.size(); ++i) {
        platform::drawImage(back, x, static_cast<float>(deckY));
        x -= k * w;
        k *= 0.9f;
    }
}

// --- start of play -----------------------------------------------------------------------------

void TLevel::prepareAtStart(const TTeam* team) {
    _prepareCardsShuffle();
    _prepareWildShots();
    _prepareWildCards();
    _prepareShuffleBonus();
    _prepareUndoBonus();
    _prepareRetryBonus();
    _prepareRestoreBonus();
    _prepareDeckShuffle();
    _prepareBramki(team);
    _preparePass();
}

void TLevel::_prepareCardsShuffle() {
    const int n = static_cast<int>(cards.size());
    if (n == 0) return;
    auto fixed = [](const CardRef& c) { return c->cardId() == cardid::kPadlock || c->cardId() == cardid::kKey; };
    for (int i = 0; i < 2 * n; ++i) {
        CardRef& a = cards[static_cast<size_t>(randomInt(0, n - 1))];
        CardRef& b = cards[static_cast<size_t>(randomInt(0, n - 1))];
        if (fixed(a) || fixed(b)) continue;
        std::swap(a->cd, b->cd);
    }
}

void TLevel::_prepareWildShots() {
    const int k = randomInt(wildShotMin, wildShotMax);
    CardDataRef event = findCardData(cardid::kEvent);
    if (!event) return;
    for (int i = 0; i < std::min(k, kMostDeckCards); ++i) deck.push_back(event);
}

void TLevel::_prepareWildCards() {
    const int k = randomInt(wildCardsMin, wildCardsMax);
    if (k <= 0) return;
    checkCards(1);
    CardList covered;
    for (const CardRef& c : cards)
        if (c->side == 0) covered.push_back(c);
    if (static_cast<int>(covered.size()) < k) return;
    for (int i = 0; i < k; ++i) {
        const size_t r = static_cast<size_t>(randomInt(0, static_cast<int>(covered.size()) - 1));
        covered[r]->wild = 1;
        covered.erase(covered.begin() + static_cast<long>(r));
    }
}

void TLevel::prepareBonus(int least, int most, int code) {
    const int k = std::min(randomInt(least, most), kMostLevelCards);
    for (int i = 0; i < k; ++i)
        if (CardRef c = getRandomCardForBonus()) c->bonusC = code;
}

void TLevel::_prepareShuffleBonus() { prepareBonus(bonusShuffleMin, bonusShuffleMax, bonus::kShuffle); }
void TLevel::_prepareUndoBonus() { prepareBonus(bonusUndoMin, bonusUndoMax, bonus::kUndo); }
void TLevel::_prepareRetryBonus() { prepareBonus(bonusRetryMin, bonusRetryMax, bonus::kRetry); }
void TLevel::_prepareRestoreBonus() { prepareBonus(bonusRestoreMin, bonusRestoreMax, bonus::kRestore); }

void TLevel::_prepareDeckShuffle() {
    for (size_t i = deck.size(); i > 1; --i) std::swap(deck[i - 1], deck[static_cast<size_t>(randomInt(0, static_cast<int>(i) - 1))]);
}

void TLevel::_prepareBramki(const TTeam* team) {
    if (!team || deck.empty()) return;
    if (randomInt(1, 100) > team->procent) return;
    CardDataRef goal = findCardData(cardid::kOpponentGoal);
    if (!goal) return;
    const int after = randomInt(1, static_cast<int>(deck.size()));
    deck.insert(deck.begin() + after, goal);
}

void TLevel::_preparePass() {
    if (!mainGame) return;
    mainGame->pass = 0.0f;
    mainGame->dPass = 0.0f;
    mainGame->seqCombo = 0;
    mainGame->sequenceCard = nullptr;
}

void TLevel::makeDeckAfterShuffle() {
    int c = 0;
    forEachSnapshot(cards, [&](const CardRef& card) {
        if (!card->helpDeck) return;
        ++c;
        card->side = 1;
        card->dimPam = newDimAt(static_cast<float>(floatToInt(static_cast<float>(deckX) + 0.1f * c)), static_cast<float>(deckY));
        card->shuffle3(5 * c);
    });
}
