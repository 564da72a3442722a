// Captions: short picture announcements over the card table. A picture that
// swells in and later fades and shrinks away, a picture that spins in and
// later fades, and a points row ("+", digits and a word) that rises while it
// fades. Each lives in a list that updates and draws it every frame and
// leaves the list when its animation ends.
#pragma once

#include <memory>
#include <vector>

#include "gui/dim.h"
#include "platform/image.h"

class TCaption;
using CaptionList = std::vector<std::shared_ptr<TCaption>>;

class TCaption {
public:
    virtual ~TCaption() = default;
    CaptionList* list = nullptr;
    float x = 0.0f, y = 0.0f;
    float a = 1.0f, da = 0.0f, aSpeed = 0.05f;
    float sx = 1.0f, dsx = 0.0f, sxSpeed = 0.05f;
    float sy = 1.0f, dsy = 0.0f, sySpeed = 0.05f;
    float r = 0.0f, rSpeed = 0.05f;
    float p = 0.0f, dp = 0.0f, pSpeed = 0.01f;
    float ax = 0.0f, ay = 0.0f;
    TRGB rgb;

    virtual void draw() {}
    // True when this step reached the target (also when it lands exactly on
    // it), so every caption comes to an end.
    virtual bool _updateAlpha();
    virtual void _updateScale();
    virtual bool _updatePercent();
    virtual void _updateRotation();
    virtual void _updatePosition();
    // Scale, progress, rotation and position, in that order.
    void _updateMotion();
    virtual void update();
    // Leaves its list.
    virtual void destroy();
};

class TImgCaption : public TCaption {
public:
    platform::ImageRef img;
    int time = 0;  // the hold time, then the clock value at which it ends
    virtual void switchMe();
    void draw() override;
    void update() override;
};

class TSpecImgCaption : public TImgCaption {
public:
    virtual void startKilling();
    void draw() override;
    void update() override;
};

class TTextCaption : public TCaption {
public:
    int time = 0;
    int w = 0, h = 0;
    int v = 0;            // the number shown
    int imageNumber = 0;  // word picture, index into captionTextImages
    std::vector<platform::ImageRef> valueList;

    // Loads the digit, plus and word pictures.
    static void setup();
    virtual void countValue();
    void draw() override;
};

extern CaptionList captionList;
extern platform::ImageRef captionEffectImages[16];
extern platform::ImageRef digitImages[10];
extern platform::ImageRef plusImage;
extern platform::ImageRef captionTextImages[10];

// Loads every caption picture (once, while the game loads).
void setupCaptions();
// Updates or draws every caption of a list (null: captionList), in order; a
// caption may leave the list during the walk.
void updateCaptions(CaptionList* list = nullptr);
void drawCaptions(CaptionList* list = nullptr);

std::shared_ptr<TImgCaption> createImgCaption(const platform::ImageRef& img, float x, float y, int holdTime,
                                              CaptionList* list = nullptr);
std::shared_ptr<TSpecImgCaption> createSpecImgCaption(const platform::ImageRef& img, float x, float y, int showTime,
                                                      CaptionList* list = nullptr);
std::shared_ptr<TTextCaption> createTextCaption(int imageNumber, int value, float x, float y, int delay,
                                                CaptionList* list = nullptr);
// The effect picture of an index, or null (reported once per index) when the
// index lies outside the table.
platform::ImageRef captionEffectImage(int index);
