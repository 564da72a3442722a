# The bitmap font of the game screen's scoreboard and the event panels:
# the display font baked by the make_bmfont tool (tools/bmfont/) at 22
# pixels, printable Latin-1, onto one 256 x 256 page.

set(BMFONT_STEM ${GAME}/gfx/fonts/whitesmall_22)
set(BMFONT_OUTPUTS ${BMFONT_STEM}.fnt ${BMFONT_STEM}_0.png)
add_custom_command(OUTPUT ${BMFONT_OUTPUTS}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME}/gfx/fonts
    COMMAND make_bmfont --font ${CONTENT_FONT} --size 22 --out ${BMFONT_STEM}
            --page-size 256 --max-pages 1 --chars 32-126,160-255
    DEPENDS make_bmfont ${CONTENT_FONT}
    COMMENT "content: gfx/fonts/whitesmall_22.fnt gfx/fonts/whitesmall_22_0.png"
    VERBATIM)
list(APPEND CONTENT_OUTPUTS ${BMFONT_OUTPUTS})
