// The menu bar: a strip across the screen with drop-down menus of commands
// and nested submenus. Choosing a command reports its id to the container as
// a click on a button does, so screens poll menu commands with clickedItem.
//
// Entry and menu positions (dim) are relative to the bar's top-left corner;
// the mouse areas (rect) are in screen coordinates.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/dim.h"
#include "gui/gui_file.h"
#include "gui/gui_selector.h"
#include "gui/theme.h"
#include "platform/font.h"

class TBelka;
class TGui;
class TMenu;
class TRGMFont;

// One menu entry: a command, or (as the base of TMenu) a menu's own title.
class TBarTitle {
public:
    virtual ~TBarTitle() = default;

    TMenu* _parent = nullptr;   // the menu holding it; null for a top-level menu (the bar holds it)
    TBelka* _belka = nullptr;   // the bar it belongs to
    int checked = 0;            // shown with "* " in place of its two leading spaces
    std::string title = "NO TITLE";
    std::string id;             // reported when the entry is chosen
    TDim dim;                   // relative to the bar
    TDim rect;                  // the mouse area, in screen coordinates
    float _alpha = 0.0f, _dAlpha = 0.0f;  // opacity and its target
    int _over = 0, _clicked = 0;          // this frame
    platform::FontRef _font;
    int _active = 1;  // an inactive entry is shown at half opacity without highlight

    // The mouse area from the position and the title's size in the entry's font.
    virtual void _createRect();
    virtual void draw();
    // Hover and click (a click consumes the press), opacity easing; a chosen
    // command reports its id to the bar.
    virtual void update();

    virtual TMenu* asMenu() { return nullptr; }
    // The text drawn: the title, or "* " + the title after its first two
    // characters for a checked entry.
    std::string shownText() const;
    float barX() const;
    float barY() const;
};

// A menu: its own title is the entry shown in its parent (or on the bar), and
// it owns a drop-down box of entries.
class TMenu : public TBarTitle {
public:
    TDim _comRect;                       // the drop-down box, relative to the bar
    float _boxA = 0.0f, _dBoxA = 0.0f;   // box opacity and its target
    int _width = 0;                      // not used
    int _first = 0;                      // a top-level menu (its title lies on the bar)
    std::vector<std::shared_ptr<TBarTitle>> _barTitles;  // entries in file order
    int _rozwiniety = 0;                 // one of its submenus is fully open

    TMenu* asMenu() override { return this; }

    // The widest entry title (each in its own font) plus the width of "* ".
    virtual int _getMaxWidth();
    // Places and sizes the box; offset moves it right of the title.
    virtual void _setRect(float offset);
    virtual void _rozwin();              // open: box and entries fade in
    virtual void _zwin();                // close, with every submenu
    virtual void _zwinBezwzglednie();    // close and forget the bar's open menu
    // The menu's part of the per-frame step (run from update).
    virtual void updateMe();
    virtual void _drawBox();
    // The box, then the plain entries, then the submenu entries.
    virtual void drawMe();
    // The entry named by a path of ids joined by ":" (entry or submenu ids,
    // compared exactly); null when none matches.
    virtual TBarTitle* getBarTitle(const std::string& path);
    // Lays the entries out down the box (submenus open to the right of it).
    virtual void getReady(float offset);

    // Appends a command entry: its id, its caption shown after two spaces.
    std::shared_ptr<TBarTitle> addCommand(const std::string& commandId, const std::string& caption,
                                          const platform::FontRef& font);
    // The box where it is drawn: _comRect moved by the bar's position.
    TDim screenBox() const;
};

class TBelka : public TGuiSelector {
public:
    TBelka() { _class = GUI_KIND_MENU_BAR; }

    int _width = 0;            // not used
    float _widthScale = 0.0f;  // horizontal stretch of the middle piece
    ThemeRef theme;
    std::vector<std::shared_ptr<TMenu>> _menusList;  // top-level menus in file order
    platform::FontRef _font;
    TMenu* _actualMenu = nullptr;  // the top-level menu opened last
    int _activated = 0;

    void _clean() override {
        _clickedOp.clear();
        _overOp.clear();
    }
    void draw(float dx, float dy) override;
    // "menu:entry:..." — the top-level menu by id (upper-cased comparison),
    // then its entries. A missing menu is reported as "Nie znaleziono " +
    // menu id + " w belce :" + bar id.
    virtual TBarTitle* getBarTitle(const std::string& path);
    // Empties the ids of the last frame, then updates every menu. A hidden or
    // inactive bar does not react.
    void updateMe(float dx, float dy) override;
    virtual void _zwinMenusy();
    virtual void __CLICK(const std::string& commandId);
    virtual void __OVER(const std::string& commandId);
    virtual void _drawMenus();
    virtual void _updateMenus();
    // The stretch of the middle piece from the bar's width.
    virtual void getReady();
    // Lays the top-level menus out along the bar and their entries below.
    virtual void _poukladajMenu();

    // One top-level menu from every nested declaration of a BAR block (fonts
    // of top-level menus from gui, of submenus from globalFonts). Lay them
    // out with _poukladajMenu afterwards.
    static void createMenus(TBelka& bar, const GuiDeclarations& declarations, TGui* gui);
    // A menu from one declaration: TITLE, FONT, COMMAND entries ("id|caption"
    // or "id|caption|font id"; without "|" the value is id and caption) and
    // nested declarations as submenus.
    static std::shared_ptr<TMenu> getMenu(TBelka& bar, const TSmallObject& declaration, TMenu* parent,
                                          int first, TGui* gui);
};

// A menu bar at (x, y), width wide, as high as the theme's middle bar piece
// (0 without a theme; a null theme takes currentTheme). font may be null
// (the platform's default font).
std::shared_ptr<TBelka> createMenuBar(const std::string& id, int x, int y, int width, ThemeRef theme,
                                      TRGMFont* font, int visible, int active);
