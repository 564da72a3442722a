// 2D drawing into the game's picture.
//
// The game draws into a picture of picture units (1024 x 768 once the virtual
// screen is set). The renderer keeps that picture in an off-screen buffer at
// the window's scale and, on present, shows it scaled and centred in the
// window with black borders, so the picture always fills the window however it
// is resized or switched to full screen.
//
// Drawing is batched: sprites, rectangles and lines are collected into one
// vertex stream and sent in as few draw calls as texture and blend changes
// allow. Without an open window every drawing call does nothing.
//
// Drawing state works like a pen: colour, alpha, blend, scale and rotation
// stay set until changed and apply to everything drawn after.
#pragma once

#include <string>

#include "platform/image.h"

namespace platform {

enum class Blend {
    ALPHA,  // normal alpha blending
    LIGHT,  // additive: adds the source (times alpha) to what is below
    SOLID,  // no blending
};

void setColor(int r, int g, int b);  // 0..255 each, clamped
void getColor(int& r, int& g, int& b);
void setAlpha(float a);  // 0..1, clamped (NaN is 0)
float getAlpha();
void setBlend(Blend blend);
Blend getBlend();
void setScale(float sx, float sy);
void getScale(float& sx, float& sy);
void setRotation(float degrees);
float getRotation();
// Colour white, alpha 1, alpha blending, scale 1, rotation 0.
void resetDrawState();

// Clears the picture to black.
void cls();
// Frame k of an image with its handle at (x, y), using the pen. Rotation
// turns around the handle; positive degrees turn clockwise on screen. A frame
// outside the image draws nothing.
void drawImage(const ImageRef& img, float x, float y, int frame = 0);
// Frame k of an image stretched to w x h picture units (handle scaled along;
// the pen's scale does not apply, its rotation does).
void drawImageRect(const ImageRef& img, float x, float y, float w, float h, int frame = 0);
// A sub-rectangle of a cell (sx, sy, sw, sh in the cell's units) drawn at
// (x, y) with size sw x sh times the scale; the handle is not applied.
void drawSubImage(const ImageRef& img, float x, float y, float sx, float sy, float sw, float sh,
                  int frame = 0);
// Filled rectangle (scale and rotation apply around its top-left corner).
void drawRect(float x, float y, float w, float h);
// A line one unit wide (scaled by the pen's scale; rotation does not apply).
void drawLine(float x1, float y1, float x2, float y2);

// Limits drawing to a rectangle of the picture (units) until cleared.
void setClip(float x, float y, float w, float h);
void clearClip();

// The picture's size in units (1024 x 768 once set up).
float virtualWidth();
float virtualHeight();
// Sets the picture's size in units. The fit into the window (scale and
// centring, black borders) follows the window whenever it changes size.
void setVirtualScreen(int width, int height);

// Where the picture lies in a window of winW x winH pixels: scale and offset
// in pixels. Pure, shared by the renderer and the mouse mapping. The scale is
// min(winW / pictureW, winH / pictureH); the offsets centre the picture and
// are whole pixels. Sizes that are not positive give scale 1 and no offset.
struct PictureFit {
    float scale = 1.0f;
    float offsetX = 0.0f;  // pixels from the window's left edge
    float offsetY = 0.0f;  // pixels from the window's top edge
};
PictureFit fitPicture(int winW, int winH, int pictureW, int pictureH);

// Copies a rectangle of the picture being drawn into a new image of w x h
// units. Null without a window.
ImageRef captureImage(int x, int y, int w, int h);
// The same from the last presented picture (the picture the player saw).
ImageRef capturePresentedImage(int x, int y, int w, int h);
// The last presented picture as RGBA rows at its pixel size (for screenshots).
bool readPresentedPixels(int& w, int& h, std::vector<uint8_t>& rgba);

// Shows the frame and waits so that frames come at most 60 per second,
// without drift (the virtual clock never waits). Also processes the test
// hooks bound to frame numbers. Without a window it still counts and paces
// frames, so clocks and scripts keep going.
void flip();

// Drawing statistics of the last presented frame.
struct FrameStats {
    int drawCalls = 0;  // batches sent for sprites, rectangles and lines
    int sprites = 0;    // quads drawn
};
FrameStats lastFrameStats();
// Number of presented frames since start.
long long presentedFrames();
// Waits until the graphics card has finished all drawing sent so far (for
// benchmarks that time whole frames).
void waitForGpu();

}  // namespace platform
