// Base of every screen (and of a few managers that share its animated
// values): the result that tells the dispatcher where to go next, the exit
// flag, three eased values (GUI opacity, black fade overlay, a transition
// progress), the screen's widget container and the screen drawn behind it.
//
// Every screen's loop follows one life cycle: prepare, then per frame clear,
// update, draw, present, react to clicks and keys, test the exit; finally
// return the result. runFrames() is that loop, shared by all screens.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/image.h"

class TGui;

class TEkran {
public:
    TEkran();
    virtual ~TEkran();

    std::string id = "Screen Object";
    std::string wynik;      // the next screen's id, or a dialog's answer
    int _exit = 0;          // 1 ends the loop after the current frame
    float alpha = 1.0f;     // opacity handed to the GUI each frame
    float dAlpha = 1.0f;
    float fade = 0.0f;      // black overlay over the whole screen (0 none, 1 black)
    float dFade = 0.0f;
    float p = 0.0f;         // a screen's own transition progress
    float dp = 0.0f;
    float aSpeed = 0.05f;   // per 60 Hz frame
    float fSpeed = 0.05f;
    float pSpeed = 0.005f;
    std::unique_ptr<TGui> Gui;
    TEkran* ekran = nullptr;  // screen drawn behind this one

    virtual void setup();
    virtual void sendPixMap();
    virtual void _drawGui();
    virtual void _drawFade();
    virtual void _drawMouse();
    virtual void draw();
    virtual void _updatePer();
    virtual void _updateFade();
    virtual void _updateAlpha();
    virtual void _updateGui();
    virtual void update();
    virtual platform::ImageRef _getMyScreen();
    virtual void STANDARD_DATA();
    virtual void _prepareDelta();

    // The endings a screen can use; each is complete when its value and
    // target both sit at the end.
    bool fadeOutComplete() const { return fade == 1.0f && dFade == 1.0f; }
    bool alphaOutComplete() const { return alpha == 0.0f && dAlpha == 0.0f; }
    bool progressOutComplete() const { return p == 0.0f && dp == 0.0f; }

    // The per-frame loop of a screen: clear, update(), draw(), present, then
    // `control` (clicks and keys), then `finished` (the exit test); runs while
    // _exit is 0. `finished` returning true sets _exit.
    void runFrames(const std::function<void()>& control, const std::function<bool()>& finished);
};
