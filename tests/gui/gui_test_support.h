// Helpers shared by the widget tests: a mouse driven through the platform's
// input queue, in-memory and on-disk image strips, and captured reports.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/globals.h"
#include "gui/mouse.h"
#include "platform/image.h"
#include "platform/input.h"
#include "support/scratch_folder.h"

// A mouse for one test: starts with no buttons down and frames of one unit.
class TestMouse {
public:
    TestMouse() {
        platform::inputReleaseAll();
        platform::flushMouse();
        platform::flushKeys();
        frameDelta = 1.0f;
        mouse.update();
    }
    ~TestMouse() {
        platform::inputReleaseAll();
        platform::flushMouse();
    }
    // Moves the pointer and runs the mouse's per-frame update.
    void moveTo(float x, float y) {
        platform::inputMouseMove(x, y);
        mouse.update();
    }
    // Left button down over (x, y) in this frame.
    void press(float x, float y) {
        platform::inputMouseMove(x, y);
        platform::inputMouseButton(1, true);
        mouse.update();
    }
    void release() {
        platform::inputMouseButton(1, false);
        mouse.update();
    }
    TMouse mouse;
};

// A w x h opaque image.
inline platform::ImageRef solidImage(int w, int h) {
    return platform::Image::fromRGBA(w, h, std::vector<uint8_t>(static_cast<size_t>(w) * h * 4, 255),
                                     platform::IMAGE_DEFAULT);
}

// Writes a w x h opaque PNG in the folder and returns its path.
inline std::string writePng(const ScratchFolder& folder, const std::string& name, int w, int h) {
    std::string path = folder.file(name);
    platform::savePNG(path, w, h, std::vector<uint8_t>(static_cast<size_t>(w) * h * 4, 255));
    return path;
}

// Runs fn and returns what it wrote to standard error (where reports go).
template <typename Fn>
std::string reportsOf(Fn&& fn) {
    testing::internal::CaptureStderr();
    fn();
    return testing::internal::GetCapturedStderr();
}
