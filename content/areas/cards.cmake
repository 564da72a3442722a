# The cards: face strips, table pieces, backs and mask, bonus overlays and
# restore markers, the hover frame, deck holders and deck spot markers, and
# the two catalogue files that name the strips. All card pictures share one
# size and outline (72 x 100), drawn by gfx/cards/*.py around the shared
# gfx/cards/cardart.py.

set(CARDS_ART ${CMAKE_CURRENT_SOURCE_DIR}/gfx/cards/cardart.py)

content_copy(${CMAKE_CURRENT_SOURCE_DIR}/data/cards.dat data/cards.dat)
content_copy(${CMAKE_CURRENT_SOURCE_DIR}/data/speccards.dat data/speccards.dat)

content_picture(gfx/cards/faces.py
    OUTPUTS gfx/cards/faces-1.png gfx/cards/faces-2.png gfx/cards/faces-3.png gfx/cards/faces-4.png
    ARGS --out-dir ${GAME}/gfx/cards --font ${CONTENT_FONT}
    DEPENDS ${CARDS_ART} ${CONTENT_FONT})

content_picture(gfx/cards/pieces.py
    OUTPUTS gfx/cards/pieces.png
    ARGS --out-dir ${GAME}/gfx/cards
    DEPENDS ${CARDS_ART})

content_picture(gfx/cards/backs.py
    OUTPUTS gfx/cards/card-revers-1.png gfx/cards/card-revers-2.png gfx/cards/card-revers-3.png
            gfx/cards/mask.png
    ARGS --out-dir ${GAME}/gfx/cards
    DEPENDS ${CARDS_ART})

content_picture(gfx/cards/bonus.py
    OUTPUTS gfx/cards/shuffle-card.png gfx/cards/retry-card.png gfx/cards/undo-card.png
            gfx/cards/restore-card.png gfx/cards/restore_card.png gfx/cards/restore_end.png
    ARGS --out-dir ${GAME}/gfx/cards
    DEPENDS ${CARDS_ART})

content_picture(gfx/cards/table.py
    OUTPUTS gfx/gui/mainGame/ramka.png gfx/gui/mainGame/deck-holder.png
            gfx/gui/mainGame/deck-holder-green.png gfx/gui/mainGame/deck-1.png gfx/gui/mainGame/deck-2.png
    ARGS --out-dir ${GAME}/gfx/gui/mainGame
    DEPENDS ${CARDS_ART})
