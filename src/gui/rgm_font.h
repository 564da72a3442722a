// Fonts declared by FONT blocks of GUI definition files: a TrueType font
// loaded at the block's size, known by the block's name.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/gui_file.h"
#include "platform/font.h"

class TGui;

class TRGMFont {
public:
    platform::FontRef _font;
    std::string _id;

    // The first font of gui's _fonts (of globalFonts when gui is null) whose
    // id equals id, both upper-cased; null when there is none.
    static TRGMFont* getByID(const std::string& id, TGui* gui);

    // The FONT reader: SIZE (default 12) and URL. A URL that does not load at
    // size 12 is reported as "Nie moge znalezc czcionki : " + path and
    // forgotten; without a usable path "Nie podano scierzki do czcionki." is
    // reported and nothing is created. Otherwise the font is loaded at SIZE,
    // named name and appended to gui's _fonts (globalFonts when gui is null).
    // Relative paths resolve against gui's folder.
    static void createFromList(const std::string& name, const GuiEntries& entries, TGui* gui);
};

// Fonts declared with no container; created empty at start-up.
extern std::vector<std::shared_ptr<TRGMFont>> globalFonts;

// The FONT value of a widget: the font with that id, or null (the platform's
// default font) after reporting "Nie znaleziono czcionki : " + report.
TRGMFont* guiFontValue(const std::string& id, TGui* gui, const std::string& report);
