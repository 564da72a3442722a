// The game screen's hand-over of a layout, its states as far as the rules
// need them, scoring and goals, bonus pieces, the pass meter and the end of a
// layout.
#include "cardgame/main_game.h"

#include <algorithm>

#include "app/random.h"
#include "app/singletons.h"
#include "app/strings.h"
#include "cardgame/level.h"
#include "cardgame/zdarzenie.h"
#include "effects/captions.h"
#include "events/enemy_goal.h"
#include "events/event_panel.h"
#include "profiles/profile.h"
#include "sound/global_snd.h"
#include "tournament/mecz.h"

namespace {

TDim offTheTopTarget(int lowY, int highY) {
    return newDimAt(static_cast<float>(randomInt(-200, 1200)), static_cast<float>(randomInt(lowY, highY)));
}

}  // namespace

TMainGame::TMainGame() {
    id = "MAIN-GAME";
    eraseDim[0] = newDimAt(485.0f, 755.0f);
    eraseDim[1] = newDimAt(565.0f, 755.0f);
}

void TMainGame::newGame() {
    level = std::make_shared<TLevel>();
    erasedCards.clear();
    backCards.clear();
    zapis.clear();
}

void TMainGame::setLevel(const std::shared_ptr<TLevel>& newLevel, const std::shared_ptr<TMecz>& newMecz) {
    newGame();
    level = newLevel ? newLevel : std::make_shared<TLevel>();
    mecz = newMecz;
    level->checkCards(1);
}

void TMainGame::setState(const std::string& s) {
    state = upperCase(s);
    if (state == "GAME" && globalSnd) globalSnd->playMySound("gwizdek-begin");
}

bool TMainGame::playerIsSideA() const {
    TProfile* profile = currentProfile();
    return !mecz || !profile || !profile->team || mecz->sideA == profile->team;
}

// --- points and goals --------------------------------------------------------------------------

void TMainGame::addScore(int points, const CardRef& cardA, const CardRef& cardB) {
    if (cardA && cardB) {
        // Half of the points comes from each card (the odd point is lost).
        addScore(points / 2, nullptr, nullptr);
        addScore(points / 2, nullptr, nullptr);
        return;
    }
    if (level) level->score += points;
    if (!mecz) return;
    mecz->punkty += points;
    mecz->allScore += points;
    const int goalScore = getGoalScore();
    if (mecz->punkty > goalScore) {
        mecz->punkty -= goalScore;
        goal();
    }
}

int TMainGame::getGoalScore() const {
    if (!mecz) return 0;
    const std::shared_ptr<TTeam>& opponent = playerIsSideA() ? mecz->sideB : mecz->sideA;
    return opponent ? opponent->goalScore : 0;
}

void TMainGame::goal() {
    if (globalSnd) globalSnd->playGoalComment(pickedCommentator, 1);
    const bool sideA = playerIsSideA();
    if (mecz) (sideA ? mecz->wynik1 : mecz->wynik2) += 1;
    if (level) (sideA ? level->wynik1 : level->wynik2) += 1;
    if (globalSnd) globalSnd->playMySound("good" + std::to_string(randomInt(0, 2)));
    showWyniki();
}

void TMainGame::goalOpponent() {
    if (globalSnd) globalSnd->playOpponentGool(pickedCommentator, 1);
    const bool sideA = playerIsSideA();
    if (mecz) (sideA ? mecz->wynik2 : mecz->wynik1) += 1;
    if (level) (sideA ? level->wynik2 : level->wynik1) += 1;
    showWyniki();
}

void TMainGame::addScoreCaption(int value, const std::string& kind, int x, int y) {
    int word = 0;  // "COLOR" and anything else
    if (kind == "PERFECT") word = 1;
    if (kind == "POINTS") word = 2;
    if (kind == "SEQ") word = 3;
    createTextCaption(word, value, static_cast<float>(x), static_cast<float>(y), 0);
}

void TMainGame::checkIfBonus(const CardRef& card) {
    if (!card || card->bonusC < bonus::kShuffle || card->bonusC > bonus::kRestore) return;
    TProfile* profile = currentProfile();
    if (profile) {
        switch (card->bonusC) {
            case bonus::kShuffle: profile->CReshuffle += 1; break;
            case bonus::kRetry: profile->CRetry += 1; break;
            case bonus::kUndo: profile->CUndo += 1; break;
            case bonus::kRestore: profile->CRestore += 1; break;
            default: break;
        }
    }
    card->bonusC = bonus::kNone;
}

void TMainGame::giveSequencePass() {
    dPass += 0.1f;
    dPass += 0.1f * static_cast<float>(seqCombo - minPassCombo);
    dPass = std::min(dPass, maxPass);
    showWyniki();
    dKickFrame = 8.0f;
    if (globalSnd) globalSnd->playPassComment(pickedCommentator, 1);
    bestMultiplier = std::max(bestMultiplier, dPass);
}

void TMainGame::addPass(float x) { dPass = std::min(dPass + x, maxPass); }

void TMainGame::removePass(float x) {
    (void)x;  // always 0.3, whatever is asked
    dPass = std::max(dPass - 0.3f, 0.0f);
}

void TMainGame::eraseErasedCards() {
    const CardList snapshot = erasedCards;
    for (const CardRef& c : snapshot) c->eraseDefinitly(0);
}

// --- events and the end of a layout ------------------------------------------------------------

void TMainGame::specialEvent(const CardRef& card) {
    setState("EVENT");
    if (card && !containsCard(eventsCards, card.get())) eventsCards.push_back(card);
}

void TMainGame::_STATE_Event() {
    if (eventPanel) eventPanel->mainLoop();
    const CardList leaving = eventsCards;
    eventsCards.clear();
    for (const CardRef& c : leaving) {
        const TDim away = offTheTopTarget(-200, -100);
        c->eraseDefinitly2(&away, 0);
    }
    if (level) level->checkCards(0);
    setState("NORMAL");
}

void TMainGame::enemyGoalHit(const CardRef& card) {
    const int scored = enemyGoal ? enemyGoal->mainLoop(card) : 0;
    if (card) {
        const TDim away = offTheTopTarget(-200, -100);
        card->eraseDefinitly2(&away, 0);
    }
    if (scored == 1)
        goalOpponent();
    else if (globalSnd)
        globalSnd->playGoodComment(pickedCommentator, 1);
    if (level) level->checkCards(0);
}

void TMainGame::WIN() {
    if (allreadyWin) return;
    if (globalSnd) globalSnd->winLevel();
    allreadyWin = 1;
    const int left = level ? level->countPlayableCards() : 0;
    setState("WIN");
    if (left == 0) addScore(500, nullptr, nullptr);
    giveDeckCards();
    if (!level) return;
    const CardList cards = level->cards;
    int delay = 10;
    for (auto it = cards.rbegin(); it != cards.rend(); ++it, delay += 10) (*it)->flyOut(delay);
}

// --- undo --------------------------------------------------------------------------------------

void TMainGame::zdarzenie(const std::shared_ptr<TZdarzenie>& record) {
    if (!record || !record->c1) return;
    const int id = record->c1->cardId();
    if (id == cardid::kEvent || id == cardid::kOpponentGoal) return;
    record->pass = pass;
    record->dPass = dPass;
    record->lastSeqN = lastSeqN;
    record->seqCombo = seqCombo;
    record->sequenceCard = sequenceCard;
    if (mecz) {
        record->wynik1 = mecz->wynik1;
        record->wynik2 = mecz->wynik2;
        record->punkty = mecz->punkty;
        record->allScore = mecz->allScore;
    }
    if (level) {
        record->lWynik1 = level->wynik1;
        record->lWynik2 = level->wynik2;
        record->score = level->score;
    }
    zapis.push_back(record);
}

void TMainGame::cofnij() {
    TProfile* profile = currentProfile();
    if (zapis.empty() || _shuffle || (profile && profile->CUndo <= 0)) return;
    if (profile) profile->CUndo -= 1;
    std::shared_ptr<TZdarzenie> record = zapis.back();
    zapis.pop_back();
    record->run();
    if (level) level->checkCards(1);
}
