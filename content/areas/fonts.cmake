# The TrueType fonts the screens read, beside the display font rules of
# content/CMakeLists.txt (bluehigh.ttf, blueHigh.ttf and the licence of
# gfx/fonts/). Every one is an unmodified copy of a DejaVu face from Debian's
# packages; each folder that holds a font also holds the licence, written as
# a note naming the copies followed by the upstream notice.
#
#   gfx/fonts/terminal.ttf          DejaVu Sans Mono Bold: panel numbers and labels
#   gfx/fonts/font.ttf              DejaVu Sans: body text
#   gfx/gui/check/font.ttf          DejaVu Sans: the shuffle question
#   gfx/gui/eventPanel/font.ttf     DejaVu Sans Condensed Bold: event title and its
#                                   description in a narrow column over a picture
#   gfx/gui/profileManager/font.ttf DejaVu Sans Bold: outlined profile names
#   gfx/gui/winScreen/font.ttf      DejaVu Sans Condensed Bold: summary lines with
#                                   a label and a value in 300 pixels

set(FONTS_DEJAVU /usr/share/fonts/truetype/dejavu)
set(FONT_SANS ${FONTS_DEJAVU}/DejaVuSans.ttf)
set(FONT_SANS_BOLD ${FONTS_DEJAVU}/DejaVuSans-Bold.ttf)
set(FONT_MONO_BOLD ${FONTS_DEJAVU}/DejaVuSansMono-Bold.ttf)
content_require_files(fonts-dejavu-core ${FONT_SANS} ${FONT_SANS_BOLD} ${FONT_MONO_BOLD})

content_copy(${FONT_MONO_BOLD} gfx/fonts/terminal.ttf)
content_copy(${FONT_SANS} gfx/fonts/font.ttf)
content_copy(${FONT_SANS} gfx/gui/check/font.ttf)
content_copy(${CONTENT_FONT} gfx/gui/eventPanel/font.ttf)
content_copy(${FONT_SANS_BOLD} gfx/gui/profileManager/font.ttf)
content_copy(${CONTENT_FONT} gfx/gui/winScreen/font.ttf)

# The licence beside the per-screen fonts (gfx/fonts/ has its own rule).
foreach(screen check eventPanel profileManager winScreen)
    set(notice ${CMAKE_CURRENT_SOURCE_DIR}/fonts/NOTICE-${screen}.txt)
    set(out ${GAME}/gfx/gui/${screen}/LICENSE-DejaVu.txt)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CONTENT_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/tools/concat.py
                --out ${out} ${notice} ${CONTENT_FONT_NOTICE}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tools/concat.py ${notice} ${CONTENT_FONT_NOTICE}
        COMMENT "content: gfx/gui/${screen}/LICENSE-DejaVu.txt"
        VERBATIM)
    list(APPEND CONTENT_OUTPUTS ${out})
endforeach()
