// The graphics-card side of images.
//
// Small cells (sprites, card faces, buttons, glyphs) are packed into shared
// atlas pages, one family of pages per sampling mode, so sprites of many
// images are drawn in one batch. Each cell is padded with copies of its edge
// pixels so filtering and the first mipmap levels never pick up a neighbour.
// Large pictures (backgrounds, captured screens) get a texture of their own.
// Texels are stored with premultiplied alpha, which keeps filtered and
// mipmapped edges free of dark fringes.
#pragma once

#include <memory>
#include <vector>

#include "platform/image.h"

namespace platform {

// Where one frame of an image lies on the graphics card.
struct TextureCell {
    unsigned glTexture = 0;
    float u0 = 0, v0 = 0, u1 = 0, v1 = 0;
    bool mipmapped = false;  // the texture has mipmaps (and samples them when minified)
    bool filtered = false;
};

class Texture {
public:
    ~Texture();
    std::vector<TextureCell> cells;  // one per frame
    unsigned ownTexture = 0;         // a texture of its own (deleted with this)
    unsigned generation = 0;         // the graphics context it belongs to
};

namespace detail {

// Uploads the image on first use (and frees its CPU colours). False when
// there is no graphics context or the picture cannot be uploaded.
bool ensureTexture(Image& img);
// Called before a texture is drawn from: brings its mipmaps up to date after
// cells were added to an atlas page.
void prepareTextureForDraw(unsigned glTexture);
// A 1 x 1 white texture bound for batches that hold only untextured shapes.
unsigned whiteTexture();

// Start and end of a graphics context's life. Textures of an ended context
// are forgotten (their images then draw nothing).
void texturesContextStarted();
void texturesContextEnded();

}  // namespace detail
}  // namespace platform
