// A scrolling list of text lines that reports the id of the line under the
// mouse and of the line clicked, the way the menu bar reports its commands.
// No definition-file kind makes one; a screen builds it in code.
//
// Lines are one font line high and fill the box from its top; the list shows
// as many as fit the box's height, from `start` on. The slider it is given is
// kept for the screen that pairs the two; the list itself scrolls with
// setStart.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/gui_selector.h"
#include "platform/font.h"

// One line of a text list.
struct TTextObject {
    std::string title;  // shown
    std::string id;     // reported
};

class TTextList : public TGuiSelector {
public:
    static constexpr int kKindCode = GUI_KIND_TEXT_LIST;

    TTextList() { _class = kKindCode; }

    std::shared_ptr<TGuiObject> suwak;  // the slider paired with the list (may be null)
    std::vector<TTextObject> listaWpisow;
    std::vector<TTextObject> listaWidocznych;  // the lines shown, from start to endInt
    int start = 0;       // first line shown
    int endInt = -1;     // last line shown (-1 when none)
    int overedOption = -1;   // line under the mouse (-1 when none)
    int clickedOption = -1;  // line clicked this frame (-1 when none)
    TRGB sec_rgb = newRGB(255, 255, 0);  // colour of the line under the mouse
    platform::FontRef _font;

    void addEntry(const std::string& title, const std::string& id);
    void removeAll();
    // First line shown, kept within the lines there are.
    void setStart(int first);
    // How many lines fit the box.
    int visibleRows() const;
    // Line height in the list's font.
    int rowHeight() const;

    // Recomputes the lines shown, then the line under the mouse and the line
    // clicked (hover and click come from the base step), reporting their ids.
    void updateMe(float dx, float dy) override;
    void draw(float dx, float dy) override;
    void _clean() override;
};

// A list filling the box (x, y, w, h), drawn in (r, g, b) in the font.
std::shared_ptr<TTextList> createTextList(const std::string& id, float x, float y, float w, float h, int r, int g,
                                          int b, const std::shared_ptr<TGuiObject>& slider,
                                          const platform::FontRef& font);
