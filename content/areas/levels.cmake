# The card layouts: the match list data/mecze.dat, the seven match templates
# data/matches/mecz1..7.dat and one level file per layout under
# data/levels/, all written by levels/make_levels.py from its tables of
# layouts (the figures come from levels/layout_motifs.py). The script checks
# every layout against the rules of the table and fails the build when one
# breaks them. The list of files comes from the script itself (--list), so
# an edit of its tables reconfigures.

set(LEVELS_DIR ${CMAKE_CURRENT_SOURCE_DIR}/levels)
set(LEVELS_SCRIPT ${LEVELS_DIR}/make_levels.py)
set(LEVELS_SOURCES
    ${LEVELS_SCRIPT}
    ${LEVELS_DIR}/card_deal.py
    ${LEVELS_DIR}/card_geometry.py
    ${LEVELS_DIR}/layout_motifs.py
    ${LEVELS_DIR}/layout_shapes.py
    ${LEVELS_DIR}/level_files.py)

execute_process(COMMAND ${CONTENT_PYTHON} ${LEVELS_SCRIPT} --list
    OUTPUT_VARIABLE levels_list RESULT_VARIABLE levels_failed ERROR_VARIABLE levels_error)
if(levels_failed)
    message(FATAL_ERROR "content: make_levels.py --list failed: ${levels_error}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LEVELS_SCRIPT})
string(STRIP "${levels_list}" levels_list)
string(REPLACE "\n" ";" levels_list "${levels_list}")

set(LEVELS_OUTPUTS "")
foreach(f ${levels_list})
    list(APPEND LEVELS_OUTPUTS ${GAME}/${f})
endforeach()
list(LENGTH levels_list levels_count)

add_custom_command(OUTPUT ${LEVELS_OUTPUTS}
    COMMAND ${CONTENT_PYTHON} ${LEVELS_SCRIPT} --game-dir ${GAME}
    DEPENDS ${LEVELS_SOURCES}
    COMMENT "content: data/mecze.dat, data/matches/*.dat, data/levels/*.lvl (${levels_count} files)"
    VERBATIM)
list(APPEND CONTENT_OUTPUTS ${LEVELS_OUTPUTS})
