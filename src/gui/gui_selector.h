// A widget that reports operation ids instead of its own id: the menu bar
// reports the command chosen, the text list the line clicked. The container
// copies these ids into its own clicked and hovered ids each frame.
#pragma once

#include <string>

#include "gui/gui_object.h"

class TGuiSelector : public TGuiObject {
public:
    std::string _clickedOp;  // id chosen this frame ("" when none)
    std::string _overOp;     // id under the mouse this frame ("" when none)

    // Forgets the ids of this frame; selectors that keep more state override it.
    virtual void _clean() {}
};
