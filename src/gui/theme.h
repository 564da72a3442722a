// Window themes: the skin a theme file names (nine pieces of a window frame,
// three of a menu bar, nine of a drop-down box) and three colours. Every theme
// created anywhere is kept in globalThemes; the newest one is currentTheme,
// which windows and menu bars use when they name no theme of their own.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "gui/dim.h"
#include "platform/image.h"

class TTheme {
public:
    // Index names of the nine-piece sets (window and drop-down box alike).
    enum Piece : int {
        TOP_LEFT = 0,
        TOP = 1,
        TOP_RIGHT = 2,
        RIGHT = 3,
        BOTTOM_RIGHT = 4,
        BOTTOM = 5,
        BOTTOM_LEFT = 6,
        LEFT = 7,
        CENTRE = 8,
    };
    // Index names of the menu-bar pieces.
    enum BarPiece : int { BAR_LEFT = 0, BAR_MIDDLE = 1, BAR_RIGHT = 2 };

    std::string id;                          // upper-cased
    std::array<platform::ImageRef, 9> oknoImg;  // window pieces
    std::array<platform::ImageRef, 3> bar;      // menu-bar pieces
    std::array<platform::ImageRef, 9> rect;     // drop-down box pieces
    int barHeight = 0;  // height of the middle bar piece (0 when missing)
    TRGB backRGB;       // highlight of the hovered menu entry
    TRGB textRGB;       // text of menu entries
    TRGB outLineRGB;    // kept with the theme
    std::string remPath;  // the working folder when the theme file was read

    // Reads a theme file. Picture paths in it are relative to the file's own
    // folder; the working folder is not changed. A missing top-right window
    // piece is reported as "NO img: " + its path; other missing pieces stay
    // empty (they draw nothing and measure 0).
    void loadTheme(const std::string& path);
};

using ThemeRef = std::shared_ptr<TTheme>;
using ThemeList = std::vector<ThemeRef>;

extern ThemeList globalThemes;  // every theme created, oldest first
extern ThemeRef currentTheme;   // the newest theme (null before the first)

// A new theme loaded from the theme file at url, with id upper-cased;
// appended to containerThemes (a container's own list, when given) and to
// globalThemes, and made currentTheme.
ThemeRef createTheme(const std::string& id, const std::string& url, ThemeList* containerThemes);
// The theme with that id (upper-cased comparison), searched in
// containerThemes first (when given) and then in globalThemes; null when
// neither holds it.
ThemeRef getThemeByID(const std::string& id, const ThemeList* containerThemes);
