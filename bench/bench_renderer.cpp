// Renderer throughput: whole frames of alpha-blended sprites from one atlas.
//
// Needs a display. Run it under a virtual X server with Mesa's software
// renderer, for example:
//   LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -s "-screen 0 1280x1024x24" ./bench_renderer
// or with DISPLAY set to a running server. (With DISPLAY unset SDL may fall
// back to its offscreen driver over EGL, which also runs; without any the
// benchmarks are skipped with an error.) Frames run under the virtual clock
// (no pacing), and each frame ends with the graphics card finished, so the
// time per iteration is the real cost of one frame. Counters: draw_calls and sprites of the last
// frame (lastFrameStats). Aim: at most 8 ms and 4 draw calls per frame for
// 1,000 sprites.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "gui/gui.h"
#include "gui/mouse.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/font.h"
#include "platform/image.h"
#include "platform/render.h"
#include "platform/window.h"

namespace {

// 16 cells of 64 x 64 in a 4 x 4 sheet: soft-edged discs of different colours.
platform::ImageRef makeAtlas() {
    const int cell = 64, cols = 4, rows = 4;
    const int w = cell * cols, h = cell * rows;
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int c = (y / cell) * cols + x / cell;
            float dx = (x % cell) - 31.5f, dy = (y % cell) - 31.5f;
            float d = std::sqrt(dx * dx + dy * dy);
            float a = std::fmin(1.0f, std::fmax(0.0f, 30.0f - d));
            uint8_t* p = &rgba[(static_cast<size_t>(y) * w + x) * 4];
            p[0] = static_cast<uint8_t>(60 + c * 12);
            p[1] = static_cast<uint8_t>(255 - c * 10);
            p[2] = static_cast<uint8_t>((c * 53) % 256);
            p[3] = static_cast<uint8_t>(a * 255);
        }
    }
    platform::ImageRef sheet = platform::Image::fromRGBA(w, h, std::move(rgba), platform::IMAGE_DEFAULT);
    platform::ImageRef strip = platform::Image::asStrip(sheet, cell, cell, 0, 16, platform::IMAGE_DEFAULT);
    platform::midHandleImage(strip);
    return strip;
}

platform::ImageRef makeBackground() {
    std::vector<uint8_t> rgba(1024 * 768 * 4);
    for (size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = static_cast<uint8_t>(i / 4 % 1024 / 4);
        rgba[i + 1] = static_cast<uint8_t>(i / 4 / 1024 / 3);
        rgba[i + 2] = 90;
        rgba[i + 3] = 255;
    }
    return platform::Image::fromRGBA(1024, 768, std::move(rgba), 0);
}

struct Sprite {
    float x, y, rotation, alpha;
    int frame;
};

std::vector<Sprite> makeSprites(int n) {
    std::vector<Sprite> s(static_cast<size_t>(n));
    uint32_t seed = 12345;
    auto next = [&] {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / 16777216.0f;
    };
    for (int i = 0; i < n; ++i) {
        s[i].x = next() * 1024;
        s[i].y = next() * 768;
        s[i].frame = i % 16;
        s[i].rotation = (i % 4 == 0) ? next() * 360 : 0;
        s[i].alpha = (i % 3 == 0) ? 0.5f + next() * 0.5f : 1.0f;
    }
    return s;
}

bool openWindow() {
    static bool tried = false, ok = false;
    if (!tried) {
        tried = true;
        ok = platform::openGraphics(1024, 768, 0);
        platform::setVirtualScreen(1024, 768);
    }
    return ok;
}

void drawSprites(const platform::ImageRef& atlas, const std::vector<Sprite>& sprites) {
    for (const Sprite& s : sprites) {
        platform::setRotation(s.rotation);
        platform::setAlpha(s.alpha);
        platform::drawImage(atlas, s.x, s.y, s.frame);
    }
    platform::resetDrawState();
}

void reportFrame(benchmark::State& state) {
    platform::FrameStats st = platform::lastFrameStats();
    state.counters["draw_calls"] = st.drawCalls;
    state.counters["sprites"] = st.sprites;
}

void BM_Frame1000Sprites(benchmark::State& state) {
    if (!openWindow()) {
        state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    static platform::ImageRef atlas = makeAtlas();
    static std::vector<Sprite> sprites = makeSprites(1000);
    // One frame first, so the atlas upload is not timed.
    platform::cls();
    drawSprites(atlas, sprites);
    platform::flip();
    platform::waitForGpu();
    for (auto _ : state) {
        platform::cls();
        drawSprites(atlas, sprites);
        platform::flip();
        platform::waitForGpu();
    }
    reportFrame(state);
}
BENCHMARK(BM_Frame1000Sprites)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// A frame like the card table: full background, 300 cards, rectangles and
// text lines between them, all from the shared atlas pages.
void BM_GameLikeFrame(benchmark::State& state) {
    if (!openWindow()) {
        state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    static platform::ImageRef atlas = makeAtlas();
    static platform::ImageRef back = makeBackground();
    static std::vector<Sprite> sprites = makeSprites(300);
    auto frame = [&] {
        platform::cls();
        platform::drawImage(back, 0, 0);
        for (size_t i = 0; i < sprites.size(); ++i) {
            const Sprite& s = sprites[i];
            platform::setAlpha(s.alpha);
            platform::drawImage(atlas, s.x, s.y, s.frame);
            if (i % 15 == 0) {
                platform::setAlpha(0.6f);
                platform::setColor(0, 0, 0);
                platform::drawRect(s.x, s.y, 120, 20);
                platform::setColor(255, 255, 255);
                platform::drawText("Goal! 2:1", s.x + 4, s.y + 2);
            }
        }
        platform::resetDrawState();
        platform::flip();
        platform::waitForGpu();
    };
    frame();
    for (auto _ : state) frame();
    reportFrame(state);
}
BENCHMARK(BM_GameLikeFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// A screen of 50 widgets from a GUI definition file (20 image buttons, 20 text
// buttons, 10 texts): the container's update against the mouse and its draw,
// per frame.
std::string writeFiftyWidgetScreen() {
    static std::string path;
    if (!path.empty()) return path;
    char pattern[] = "/tmp/fieldstack-bench-gui-XXXXXX";
    const char* dir = mkdtemp(pattern);
    if (!dir) return path;
    std::string folder = dir;
    std::vector<uint8_t> rgba(64 * 48 * 4, 200);
    platform::savePNG(folder + "/button.png", 64, 48, rgba);
    std::string text;
    for (int i = 0; i < 20; ++i) {
        text += "BUTTON b" + std::to_string(i) + " {\n TYP = SIMPLE_BUTTON\n POSITION = \"" +
                std::to_string(60 + (i % 10) * 90) + " " + std::to_string(100 + (i / 10) * 80) +
                "\"\n GFX = button.png\n}\n";
    }
    for (int i = 0; i < 20; ++i) {
        text += "BUTTON t" + std::to_string(i) + " {\n TYP = TEXT_BUTTON\n POSITION = \"" +
                std::to_string(60 + (i % 10) * 90) + " " + std::to_string(300 + (i / 10) * 60) +
                "\"\n TXT = \"Play " + std::to_string(i) + "\"\n RGB = \"255 230 120\"\n}\n";
    }
    for (int i = 0; i < 10; ++i) {
        text += "TEXT x" + std::to_string(i) + " {\n POSITION = \"" + std::to_string(40 + (i % 2) * 500) +
                " " + std::to_string(450 + (i / 2) * 60) +
                " 420\"\n TXT = \"The pass meter rises with every run of pairs in a row.\"\n ALIGN = JUSTIFY\n}\n";
    }
    std::string file = folder + "/screen.gui";
    FILE* f = std::fopen(file.c_str(), "w");
    if (!f) return path;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    path = file;
    return path;
}

void BM_LoadGuiFiftyWidgets(benchmark::State& state) {
    std::string file = writeFiftyWidgetScreen();
    for (auto _ : state) {
        std::unique_ptr<TGui> gui = loadGui(file);
        benchmark::DoNotOptimize(gui.get());
    }
}
BENCHMARK(BM_LoadGuiFiftyWidgets)->Unit(benchmark::kMillisecond);

void BM_ScreenFiftyWidgets(benchmark::State& state) {
    if (!openWindow()) {
        state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    static TMouse pointer;
    static std::unique_ptr<TGui> gui = loadGui(writeFiftyWidgetScreen());
    auto frame = [&] {
        platform::cls();
        pointer.update();
        gui->update();
        platform::resetDrawState();
        gui->draw();
        platform::flip();
        platform::waitForGpu();
    };
    frame();
    for (auto _ : state) frame();
    state.counters["widgets"] = static_cast<double>(gui->_listaObiektow.size());
    reportFrame(state);
}
BENCHMARK(BM_ScreenFiftyWidgets)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    // No frame pacing: the virtual clock never sleeps.
    setenv("FIELDSTACK_VIRTUAL_CLOCK", "1", 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    platform::closeGraphics();
    return 0;
}
