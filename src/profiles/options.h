// The player's settings for the whole machine user: full screen or window,
// the three volumes and the switch that silences music during matches. Reads
// and writes the settings file and opens the graphics mode the settings ask
// for. (The options dialog itself is the main menu's business.)
#pragma once

#include <string>
#include <vector>

#include "app/ekran.h"
#include "platform/image.h"

// One attempt at a graphics mode: a size, a depth (32 full screen, 0 a
// window) and whether the 1024 x 768 picture must be fitted into it.
struct TModeAttempt {
    int width = 0;
    int height = 0;
    int depth = 0;
    bool virtualScreen = false;
};

// The modes to try, in order, for a setting and a desktop height.
std::vector<TModeAttempt> chooseModeAttempts(int fullScreen, int desktopHeight);

class TOptions : public TEkran {
public:
    platform::ImageRef pasek;  // slider track
    platform::ImageRef rect;   // slider knob
    int fullScreen = 1;
    int mute = 0;              // 1: no music while a match is played
    float soundVol = 0.4f;
    float musicVol = 0.3f;
    float commentVol = 1.0f;
    int last = 0;              // slider being dragged (0 none, 1 music, 2 effects, 3 commentary)

    // myDocsFolder + "/Data/settings.dat".
    static std::string settingsPath();

    // Writes the settings file; false (and a report) when it could not be
    // written.
    virtual bool saveOptions();
    virtual void loadOptions();
    virtual void openWindowed();
    // Opens the mode the settings ask for. False when no mode could be opened.
    virtual bool openScreen();
    virtual void switchMute();
    virtual void checkSoundStuff();
    virtual void switchScreen();
};
