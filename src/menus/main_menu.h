// The main menu ("MAIN-MENU").
//
// For now this is the title card the game opens on: a band with two lines
// fades in over the loading picture, and Escape fades to black and ends the
// game ("END").
#pragma once

#include <string>

#include "app/ekran.h"
#include "platform/font.h"

class TMainMenu : public TEkran {
public:
    platform::FontRef lineFont;
    std::string subtitle;
    std::string hint;

    void setup() override;
    virtual void prepare();
    virtual std::string mainLoop();
    void update() override;
    void draw() override;
    virtual void _drawBack();
    virtual void _drawTitleCard();
    virtual void _controlKEYBOARD();
};
