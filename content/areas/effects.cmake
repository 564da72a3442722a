# The effects art: caption pictures, the pieces of the points rows, the
# particle images with data/particles.dat that names them, and the confetti.

set(EFFECTS_LETTERING ${CMAKE_CURRENT_SOURCE_DIR}/tools/effects_lettering.py)

# Announcements over the table, drawn by their centre.
set(EFFECTS_CAPTIONS gfx/captions/txt/perfect.png)
foreach(name goal opponent-goal match-begin long-pass
        neu-1 neu-2 neu-3 win-1 win-2 win-3 win-4 bad-1 bad-2 bad-3 bad-4)
    list(APPEND EFFECTS_CAPTIONS gfx/effects/${name}.png)
endforeach()
content_picture(gfx/captions.py
    OUTPUTS ${EFFECTS_CAPTIONS}
    ARGS --set effects --game-dir ${GAME} --font ${CONTENT_FONT}
    DEPENDS ${CONTENT_FONT} ${EFFECTS_LETTERING})

# The rising points rows: digits, plus and words.
set(EFFECTS_POINTS gfx/captions/txt/plus.png)
foreach(d 0 1 2 3 4 5 6 7 8 9)
    list(APPEND EFFECTS_POINTS gfx/captions/cyfry/${d}.png)
endforeach()
foreach(name color-match perfect-match points sequence special-match)
    list(APPEND EFFECTS_POINTS gfx/captions/txt/${name}.png)
endforeach()
content_picture(gfx/captions.py
    OUTPUTS ${EFFECTS_POINTS}
    ARGS --set points --game-dir ${GAME} --font ${CONTENT_FONT}
    DEPENDS ${CONTENT_FONT} ${EFFECTS_LETTERING})

# Particles: images 0 to 8, named by the data file.
content_copy(${CMAKE_CURRENT_SOURCE_DIR}/data/particles.dat data/particles.dat)
set(EFFECTS_PARTICLES "")
foreach(i 0 1 2 3 4 5 6 7 8)
    list(APPEND EFFECTS_PARTICLES gfx/particles/p${i}.png)
endforeach()
content_picture(gfx/particles.py
    OUTPUTS ${EFFECTS_PARTICLES}
    ARGS --out-dir ${GAME}/gfx/particles)

# Confetti for the tournament screens.
content_picture(gfx/confetti.py
    OUTPUTS gfx/konfetti/img-1.png gfx/konfetti/img-2.png gfx/konfetti/img-3.png
            gfx/konfetti/img-blur-1.png gfx/konfetti/img-blur-2.png gfx/konfetti/img-4.png
    ARGS --out-dir ${GAME}/gfx/konfetti)
