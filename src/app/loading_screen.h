// The loading screen: the loading picture with a row of progress marks, drawn
// while the five loading steps set up every screen and read the content.
#pragma once

#include <array>

#include "app/ekran.h"
#include "platform/image.h"

class TLoadingScreen : public TEkran {
public:
    TLoadingScreen();

    platform::ImageRef back;
    std::array<platform::ImageRef, 2> dot;  // 0 step not done, 1 step done
    int p = 0;             // completed steps
    int maxProgress = 5;

    virtual void _drawBack();
    virtual void _drawProgress();
    virtual void drawNormal();
    virtual void PART1();
    virtual void PART2();
    virtual void PART3();
    virtual void PART4();
    virtual void PART5();
    virtual void progress();
    void draw() override;

    // Centre x of progress mark i (1-based) for a picture of the given width.
    static int markX(int i, int count, int markWidth, float pictureWidth);
};
