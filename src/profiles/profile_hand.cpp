// The hand of collected wild cards: an arc of cards along an ellipse in the
// bottom-right corner, partly below the picture, one card per rank.
#include "app/geometry.h"
#include "app/numbers.h"
#include "app/singletons.h"
#include "profiles/profile.h"
#include "profiles/profile_manager.h"

namespace {

constexpr float kFanCentreX = 1410.0f;
constexpr float kFanCentreY = 910.0f;
constexpr int kMostRank = 16;

}  // namespace

TProfile* currentProfile() { return profileManager ? profileManager->profile.get() : nullptr; }

CardRef TProfile::getSpecCard(int n) const {
    for (const CardRef& c : specCards)
        if (c && c->cd && c->cd->seqN == n) return c;
    return nullptr;
}

CardRef TProfile::haveSpecCard(const TCard& card) const { return card.cd ? getSpecCard(card.cd->seqN) : nullptr; }

void TProfile::sortSpecCards() {
    CardList sorted;
    for (int n = 1; n <= kMostRank; ++n)
        if (CardRef c = getSpecCard(n)) sorted.push_back(c);
    specCards = sorted;
}

float TProfile::getSpecCardRotation(int i) const { return 310.0f + (333.0f - 310.0f) / 13.0f * i - 90.0f; }

void TProfile::countSpecCardsRotation() {
    for (size_t i = 0; i < specCards.size(); ++i) specCards[i]->dscK = getSpecCardRotation(static_cast<int>(i));
}

TDim TProfile::countSpecCardPos(const TCard& card) const {
    const float backHeight = static_cast<float>(platform::imageHeight(card.revers));
    const int x = floatToInt(cosDeg(card.scK) * wOdl + kFanCentreX);
    const int y = floatToInt(sinDeg(card.scK) * hOdl + kFanCentreY - card.specOdl * backHeight);
    return newDimAt(static_cast<float>(x), static_cast<float>(y));
}

void TProfile::countNewSpecCardPosition(TCard& card) {
    card.scK = card.dscK;
    card.scDim = countSpecCardPos(card);
}

void TProfile::setSpecCardStartData(TCard& card) {
    card.specOdl = 1.0f;
    card.sSpecOdl = 1.0f;
    card.dSpecOdl = 0.0f;
}

void TProfile::setSpecCardStartData2(TCard& card) {
    card.sSpecOdl = 0.0f;
    card.dSpecOdl = 0.2f;
}

bool TProfile::getSpecCardFlyPosition(const CardRef& card, TDim& place) {
    // A rank the hand cannot hold (a stand-in identity ranks 0) is refused
    // like a rank already held, so the card never flies to a place it would
    // not be kept in.
    if (!card || !card->cd || card->cd->seqN < 1 || card->cd->seqN > kMostRank || haveSpecCard(*card)) return false;
    specCards.push_back(card);
    setSpecCardStartData2(*card);
    sortSpecCards();
    countSpecCardsRotation();
    countNewSpecCardPosition(*card);
    place = card->scDim;
    return true;
}

void TProfile::setWildCardsPosition() {
    sortSpecCards();
    countSpecCardsRotation();
}
