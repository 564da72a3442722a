# The card game's table and screen art: the table backgrounds (pitches seen
# from above, one script drawing each style) with the catalogue that names
# them, the panels of the game screen, the pass meter's kicker and ball, the
# table mask, and two pictures the screen loads but does not draw.

set(TABLE_PITCH ${CMAKE_CURRENT_SOURCE_DIR}/tools/table_pitch.py)
set(TABLE_GLASS ${CMAKE_CURRENT_SOURCE_DIR}/tools/table_glass.py)

# Background n is style n of table_backgrounds.py; data/backgrounds.dat lists
# them with id n (1 is every level's default; 3 is also the draw decider's).
content_copy(${CMAKE_CURRENT_SOURCE_DIR}/data/backgrounds.dat data/backgrounds.dat)
foreach(n RANGE 1 7)
    content_picture(gfx/table_backgrounds.py
        OUTPUTS gfx/backgrounds/background-${n}.jpg
        ARGS --style ${n} --out ${GAME}/gfx/backgrounds/background-${n}.jpg
        DEPENDS ${TABLE_PITCH})
endforeach()

content_picture(gfx/game_panels.py
    OUTPUTS gfx/gui/mainGame/panel.png gfx/gui/mainGame/panel_gorny.png
            gfx/gui/mainGame/panel_czasu.png gfx/gui/mainGame/panel_Wynikow.png
    ARGS --out-dir ${GAME}/gfx/gui/mainGame
    DEPENDS ${TABLE_GLASS})

content_picture(gfx/kick_anim.py
    OUTPUTS gfx/gui/mainGame/kick-anim.png gfx/gui/mainGame/pilka.png
    ARGS --out-dir ${GAME}/gfx/gui/mainGame)

content_picture(gfx/table_mask.py
    OUTPUTS gfx/gui/mainGame/maska.png
    ARGS --out ${GAME}/gfx/gui/mainGame/maska.png)

content_picture(gfx/game_extras.py
    OUTPUTS gfx/gui/mainGame/driveGFX.png gfx/gui/mainGame/flag.png
    ARGS --out-dir ${GAME}/gfx/gui/mainGame)
