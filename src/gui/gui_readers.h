// The readers of each block kind of a GUI definition file: each starts from
// its kind's defaults, applies the entries in file order (a repeated key:
// the later value wins) and hands the values to the kind's widget creator.
//
// The values are gathered into plain records first so the rules of the file
// (defaults, number lists, flags, text references, font and theme lookups and
// their reports) can be checked on their own.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "gui/dim.h"
#include "gui/gui_file.h"
#include "gui/gui_object.h"
#include "gui/theme.h"

class TGui;
class TRGMFont;

// A colour value: absent when its r is -1 (the text widgets draw white then).
using GuiColour = std::optional<TRGB>;
// "r g b" read as a colour (missing pieces 0).
GuiColour guiColourValue(const std::string& value);

struct TButtonValues {
    std::string typ = "SIMPLE_BUTTON";  // compared case-sensitively
    int x = 0, y = 0;
    std::string gfx;      // resolved path
    std::string schemat;
    int dir = 0;          // 0 = frames side by side ("H"), 1 = stacked
    std::string txt;
    TRGMFont* font = nullptr;  // null = default font
    GuiColour rgb = TRGB{};
    GuiColour outline = TRGB{};  // absent for NONE
    int visible = 1, active = 1;
};

struct TTextValues {
    int x = 0, y = 0, w = 10000000;
    std::string txt;
    TRGMFont* font = nullptr;
    GuiColour rgb = TRGB{};
    bool shadow = false;
    TRGB shadowRGB{};
    std::string align = "LEFT";  // as written, upper-cased
    int visible = 1, active = 1;
};

struct TAnimValues {
    int x = 0, y = 0;
    std::string schemat;
    std::string gfx;
    int visible = 1, active = 1;
};

struct TWindowValues {
    int x = 0, y = 0, w = 0, h = 0;
    ThemeRef theme;  // resolved; currentTheme when THEME is missing or unknown
    int visible = 1, active = 1;
};

struct TTextEntryValues {
    int x = 0, y = 0, w = 300;
    int maxChars = 25;
    GuiColour rgb = TRGB{};
    TRGMFont* font = nullptr;
    int visible = 1, active = 1;
};

struct TBarValues {
    int x = 0, y = 0;
    int width = 0;
    ThemeRef theme;
    TRGMFont* font = nullptr;
    int visible = 1, active = 1;
};

TButtonValues readButtonValues(const GuiEntries& entries, TGui* gui);
TTextValues readTextValues(const GuiEntries& entries, TGui* gui);
TAnimValues readAnimValues(const GuiEntries& entries, TGui* gui);
// Reports "No theme for window object!" when no theme results.
TWindowValues readWindowValues(const GuiEntries& entries, TGui* gui);
TTextEntryValues readTextEntryValues(const GuiEntries& entries, TGui* gui);
// Reports "No theme asigned for bar object!" when no theme results.
TBarValues readBarValues(const GuiEntries& entries, TGui* gui);

// The kind readers: the new widget, or null (reported) when none was made.
// An unlisted button type is reported as "Unknown button type : '" + type +
// "' !".
std::shared_ptr<TGuiObject> readButtonBlock(const std::string& name, const GuiEntries& entries, TGui* gui);
std::shared_ptr<TGuiObject> readTextBlock(const std::string& name, const GuiEntries& entries, TGui* gui);
std::shared_ptr<TGuiObject> readAnimBlock(const std::string& name, const GuiEntries& entries, TGui* gui);
std::shared_ptr<TGuiObject> readWindowBlock(const std::string& name, const GuiEntries& entries, TGui* gui);
std::shared_ptr<TGuiObject> readTextEntryBlock(const std::string& name, const GuiEntries& entries, TGui* gui);
std::shared_ptr<TGuiObject> readBarBlock(const std::string& name, const GuiEntries& entries,
                                         const GuiDeclarations& declarations, TGui* gui);
// THEME: the first URL entry creates the theme (id upper-cased, registered in
// the container and globally, made current); without URL "No path for theme
// file!" is reported.
void readThemeBlock(const std::string& name, const GuiEntries& entries, TGui* gui);
