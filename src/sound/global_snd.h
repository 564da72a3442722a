// Music by group, sound effects by id and commentary by category.
#pragma once

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
    virtual void playMusicBack() {}
    // Loads the commentary or music of one group during loading.
    virtual void _setupExctComments(int group) { (void)group; }
    virtual void _setupExctMusic(int group) { (void)group; }
};
