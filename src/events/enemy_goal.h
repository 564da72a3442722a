// The opponent's attack, opened by an opponent-goal card.
#pragma once

#include <memory>

#include "app/ekran.h"

class TCard;

class TEnemyGoal : public TEkran {
public:
    // 1 when the opponent scores. Until the attack panel exists the attack
    // is always stopped.
    virtual int mainLoop(const std::shared_ptr<TCard>& card) {
        (void)card;
        return 0;
    }
};
