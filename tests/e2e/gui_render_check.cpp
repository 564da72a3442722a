// Draws a GUI definition file through the real renderer and writes the
// presented picture as PNG, for the end-to-end rendering check.
//
//   gui_render_check <file.gui> <out.png> [frames]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/common_tick.h"
#include "app/globals.h"
#include "gui/gui.h"
#include "gui/mouse.h"
#include "platform/image.h"
#include "platform/render.h"
#include "platform/window.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: gui_render_check <file.gui> <out.png> [frames]\n");
        return 2;
    }
    const int frames = argc > 3 ? std::atoi(argv[3]) : 10;
    platform::setWindowTitle("GUI render check");
    if (!platform::openGraphics(1024, 768, 0)) {
        std::fprintf(stderr, "gui_render_check: no window\n");
        return 1;
    }
    platform::setVirtualScreen(1024, 768);
    frameTimer = new TDeltaTime();
    frameTimer->SetFPS(60.0f);
    TMouse pointer;
    std::unique_ptr<TGui> gui = loadGui(argv[1]);
    for (int i = 0; i < frames; ++i) {
        platform::cls();
        tickFrameTimer();
        pointer.update();
        gui->update();
        platform::resetDrawState();
        gui->draw();
        platform::flip();
    }
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    if (!platform::readPresentedPixels(w, h, rgba) || !platform::savePNG(argv[2], w, h, rgba)) {
        std::fprintf(stderr, "gui_render_check: could not write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
