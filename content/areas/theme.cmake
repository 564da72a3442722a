# The window theme "temat1": the theme file (its picture paths are relative to
# its own folder) and the 21 pieces of navy-glass skin it names -- the nine of
# a window, the three of the menu bar and the nine of a drop-down box.

content_copy(${CMAKE_CURRENT_SOURCE_DIR}/gfx/window/temat1.txt gfx/gui/window/temat1.txt)

set(THEME_PIECES "")
foreach(piece
        okno-lu okno-u okno-ru okno-r okno-rd okno-d okno-ld okno-l okno-srodek
        belka-lewo belka-srodek belka-prawo
        menu-lu menu-u menu-ru menu-r menu-rd menu-d menu-ld menu-l menu-srodek)
    list(APPEND THEME_PIECES gfx/gui/window/${piece}.png)
endforeach()
content_picture(gfx/theme.py
    OUTPUTS ${THEME_PIECES}
    ARGS --out-dir ${GAME}/gfx/gui/window)
