// A block of text wrapped into a box and aligned left, right, centred or
// justified, with an optional drop shadow one unit down and right.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "gui/gui_object.h"
#include "gui/text_layout.h"
#include "platform/font.h"

class TText : public TGuiObject {
public:
    static constexpr int kKindCode = GUI_KIND_TEXT;

    TText() { _class = kKindCode; }

    int _align = 1;         // 1 LEFT, 0 RIGHT, 2 CENTER, 3 JUSTIFY
    std::string _txt;
    float _adh = 0.0f;      // kept for the callers that set it; the wrapping does not use it
    float _adW = 0.0f;      // extra gap between lines (truncated when used)
    platform::FontRef _font;  // null: the platform's default font
    int _shadow = 0;
    std::optional<TRGB> shRGB;  // shadow colour; none: no shadow is drawn

    // LEFT, RIGHT, CENTER or JUSTIFY in any letter case; any other word leaves
    // the alignment as it is.
    void setAlign(const std::string& word);

    // Texts do nothing per frame.
    void updateMe(float dx, float dy) override {
        (void)dx;
        (void)dy;
    }
    // Draws the shadow (when on) and the text; dim.h becomes the height of the
    // text as laid out. Nothing is drawn (and dim.h kept) at alpha 0 or scale 0
    // or with an alignment code outside 0..3.
    void draw(float dx, float dy) override;
    // The height of the text laid out with the widget's width, alignment, font
    // and line gap. Only measures: nothing is drawn.
    int countH() const;

    // A text reference [path|n]: line n of the text file at path.
    static std::string odczytajTekst(const std::string& reference);

private:
    // A layout kept between frames with what it was laid out from, so a text
    // that stays put is not wrapped and measured anew every frame.
    struct KeptLayout {
        bool valid = false;
        std::string text;
        int x = 0, y = 0, align = 0, lineGap = 0;
        float width = 0.0f;
        platform::FontRef font;
        WrappedLayout layout;
    };
    KeptLayout _shadowLayout, _textLayout;
    // The layout of the text at (x, y) in the current font, from `kept` while
    // nothing it depends on changed.
    const WrappedLayout& laidOut(KeptLayout& kept, int x, int y, int lineGap);
};

// A text widget at (trunc x, trunc y), wrapping at width, in white. The align
// word is LEFT, RIGHT, CENTER or JUSTIFY (any other word gives LEFT).
std::shared_ptr<TText> createText(const std::string& id, const std::string& text, float x, float y, float width,
                                  const platform::FontRef& font, const std::string& alignWord, int visible,
                                  int active);
