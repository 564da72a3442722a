// A screen's widget container: the widgets of one GUI definition file, updated
// against the mouse and drawn in file order each frame.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/gui_object.h"

class TGui {
public:
    virtual ~TGui() = default;

    std::vector<std::shared_ptr<TGuiObject>> _listaObiektow;  // update and draw order
    std::string _clicked;  // id clicked in the last update ("" when none)
    std::string _over;     // id under the mouse in the last update

    virtual void update();
    virtual void draw();
};
