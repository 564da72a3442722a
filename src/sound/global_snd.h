// Music by group, sound effects by id and commentary by category.
#pragma once

#include <string>

#include "app/ekran.h"

class TGlobalSnd : public TEkran {
public:
    // Once per frame, from the common tick.
    void update() override {}
    virtual void pauseSounds() {}
    virtual void resumeSounds() {}
    virtual void setMusicVol(float volume) { (void)volume; }
    virtual void setSoundVol(float volume) { (void)volume; }
    virtual void setCommentVol(float volume) { (void)volume; }
    virtual void stopAllMusic() {}
    // Effects by id and the commentary requests of the card game; silent
    // until the sound catalogue is read.
    virtual void playMySound(const std::string& what) { (void)what; }
    virtual void playSequence(int n) { (void)n; }
    virtual void winLevel() {}
    virtual void playWaitingComment(const std::string& prefix, int interrupt) { (void)prefix, (void)interrupt; }
    virtual void playToMuchDeckComment(const std::string& prefix, int interrupt) { (void)prefix, (void)interrupt; }
    virtual void playRestoreComment(const std::string& prefix, int interrupt) { (void)prefix, (void)interrupt; }
    virtual void playPassComment(const std::string& prefix, int interrupt) { (void)prefix, (void)interrupt; }
    virtual void playGoodComment(const std::string& prefix, int interrupt) { (void)prefix, (void)interrupt; }
    virtual void playGoalComment(const std::string& prefix, int interrupt) { (void)prefix, (void)interrupt; }
    virtual void playOpponentGool(const std::string& prefix, int interrupt) { (void)prefix, (void)interrupt; }
    virtual void playMusicBack() {}
    // Loads the commentary or music of one group during loading.
    virtual void _setupExctComments(int group) { (void)group; }
    virtual void _setupExctMusic(int group) { (void)group; }
};
