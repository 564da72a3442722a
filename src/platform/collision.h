// Pixel-exact overlap of image outlines, the way they are drawn: an image
// placed with its handle at a point and turned about it (degrees, clockwise
// on the picture, unscaled). A pixel belongs to the outline when its alpha is
// above half. Used by the card game's covering and hover tests.
#pragma once

#include "platform/image.h"

namespace platform {

// An image cell as it lies on the picture.
struct PlacedImage {
    const Image* img = nullptr;
    int frame = 0;
    float x = 0.0f, y = 0.0f;  // where the handle lies
    float rotation = 0.0f;     // degrees
};

// True when the outlines of a and b share a pixel. A missing image has no
// outline. Placements far apart are rejected by their bounding circles
// before any pixel is compared.
bool outlinesOverlap(const PlacedImage& a, const PlacedImage& b);

// True when the point (px, py) of the picture lies on the outline of a.
bool outlineContains(const PlacedImage& a, float px, float py);

}  // namespace platform
