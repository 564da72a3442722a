// A one-line entry box: takes typed characters, Backspace removes the last
// one, Enter clicks the widget; a blinking cursor follows the text, and a text
// wider than the box shows ".." and its end.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "gui/gui_object.h"
#include "platform/font.h"

class TTextEntry : public TGuiObject {
public:
    static constexpr int kKindCode = GUI_KIND_TEXT_ENTRY;

    TTextEntry() { _class = kKindCode; }

    std::string _txt;  // UTF-8
    platform::FontRef _font;
    int _maxZnakow = 10;  // maximum number of characters
    float _curWidth = 0.0f, _curHeight = 0.0f;
    int _czas = 0;        // clock value of the next blink
    int _trigger = 1;     // the cursor is in its visible phase
    int _interwal = 300;  // blink interval in milliseconds

    // Every frame, active or not: takes at most one typed character from the
    // platform's queue (see takeCharacter), then blinks the cursor.
    void updateMe(float dx, float dy) override;
    // One typed character: 8 (Backspace) removes the last character, 13
    // (Enter) sets the clicked flag for this frame, other control codes (below
    // 32, and 127) are ignored so that Escape or Tab never land in a name, and
    // any other character is appended while the text is shorter than
    // _maxZnakow characters.
    void takeCharacter(int code);
    // Flips the cursor's phase when the clock is past _czas.
    void blink(int now);

    void draw(float dx, float dy) override;
    // What draw shows in the entry's font: the whole text while it is
    // narrower than the box, else ".." and the tail that fits.
    std::string shownText() const;
    // Left edge of the cursor when the widget is drawn offset by dx: two units
    // after the shown text.
    float cursorX(float dx) const;

    void setInterwal(int ms) { _interwal = ms; }
    std::string getTxt() const { return _txt; }
    void setTxt(const std::string& text) { _txt = text; }  // no length check
};

// Number of UTF-8 characters of a text.
int characterCount(const std::string& text);

// An entry box at (x, y), width wide and one text line high in its font, taking
// up to maxChars characters. No colour (or a red below 0) draws white.
std::shared_ptr<TTextEntry> createTextEntry(const std::string& id, const platform::FontRef& font, float x,
                                            float y, float width, int maxChars, const std::optional<TRGB>& colour,
                                            int visible, int active);
