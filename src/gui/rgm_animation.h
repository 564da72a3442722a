// The frame-animation widget of ANIM blocks: named animations played from one
// image strip, read from a scheme such as
//   [NORMAL 120 LOOP] 1 2 3 2 [BLINK 60] 4 5
// where each header names an animation, its milliseconds per frame and
// whether it loops, and the numbers after it are strip cells (from 0) in
// playing order.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "gui/gui_object.h"
#include "platform/image.h"

// One animation of a frame-animation widget.
struct TRGMAnim {
    static constexpr int kMaxFrames = 100;

    std::string id;               // upper-cased name
    std::array<int, kMaxFrames> frame{};  // cell numbers in playing order
    int maxFrames = 0;            // number of frames listed
    int interwal = 0;             // ms per frame
    int loop = 0;
};

class TRGMAnimation : public TGuiObject {
public:
    platform::ImageRef gfx;  // the strip
    int allFrames = 0;       // cells in the strip
    std::vector<std::shared_ptr<TRGMAnim>> animsList;
    std::shared_ptr<TRGMAnim> aktAnim;  // the animation playing (none before NORMAL)
    int _frame = 0;      // frame counter of the playing animation, 0 = nothing shown
    int _maxFrames = 0;  // its number of frames
    int _animTime = 0;   // clock of the next frame change
    int _wykonano = 0;   // the counter has run past the last frame

    // A new widget at (x, y) (box corners stay 0): reads the scheme, loads
    // the strip, then sets id, flags and the kind code.
    static std::shared_ptr<TRGMAnimation> createAnimation(const std::string& id, const std::string& gfxPath,
                                                          float x, float y, const std::string& scheme,
                                                          int visible, int active);

    // Reads the scheme into animsList and allFrames and starts NORMAL.
    virtual void interpretujSchemat(const std::string& scheme);
    // The scheme cut into declarations, one per "[".
    virtual std::vector<std::string> _pobierzDeklaracje(const std::string& scheme);
    // Whether the list holds the text.
    virtual bool _czyZawiera(const std::string& text, const std::vector<std::string>& list);
    // Loads the image as a strip of allFrames cells side by side.
    virtual void loadGFX(const std::string& path);
    // Starts an animation from its beginning; an unknown one is reported and
    // the current one continues.
    virtual void playAnim(const std::shared_ptr<TRGMAnim>& anim);
    virtual void playAnim(const std::string& name);

    void updateMe(float dx, float dy) override;
    void draw(float dx, float dy) override;

    // The strip cell shown now, or -1 when nothing is shown (no animation,
    // counter at 0, or a cell number outside the strip).
    int currentCell() const;
};
