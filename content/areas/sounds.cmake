# The sounds: music, effects and the spoken commentary, all synthesised by the
# scripts under sfx/ (numpy for the signals, espeak-ng for the voices, oggenc
# for the files), and the catalogue data/globalSnd.dat that names them. Each
# music piece has its own rule so the pieces build in parallel; the effects
# are one family and each commentator is one family. The lists of ids come
# from the scripts themselves (--list), so a script edit reconfigures.

set(SOUNDS_DIR ${CMAKE_CURRENT_SOURCE_DIR}/sfx)
set(SOUNDS_TOOLS
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/sounds_dsp.py
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/sounds_instruments.py
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/sounds_music.py
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/sounds_crowd.py)

foreach(tool sox oggenc espeak-ng)
    find_program(SOUNDS_${tool} ${tool})
    if(NOT SOUNDS_${tool})
        message(FATAL_ERROR "content: ${tool} not found (packages sox, vorbis-tools, espeak-ng); ${CONTENT_DEPS_HINT}")
    endif()
endforeach()

# Asks a sound script for its ids (one per line).
function(sounds_list script out_var)
    execute_process(COMMAND ${CONTENT_PYTHON} ${SOUNDS_DIR}/${script} --list ${ARGN}
        OUTPUT_VARIABLE text RESULT_VARIABLE failed ERROR_VARIABLE err)
    if(failed)
        message(FATAL_ERROR "content: ${script} --list failed: ${err}")
    endif()
    string(STRIP "${text}" text)
    string(REPLACE "\n" ";" ids "${text}")
    set(${out_var} ${ids} PARENT_SCOPE)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${SOUNDS_DIR}/${script})
endfunction()

set(SOUNDS_OUTPUTS "")

# --- Music: one rule per piece -------------------------------------------------------

sounds_list(music.py SOUNDS_MUSIC)
foreach(piece ${SOUNDS_MUSIC})
    set(out ${GAME}/sfx/music/${piece}.ogg)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CONTENT_PYTHON} ${SOUNDS_DIR}/music.py --piece ${piece} --out ${out}
        DEPENDS ${SOUNDS_DIR}/music.py ${SOUNDS_TOOLS}
        COMMENT "content: sfx/music/${piece}.ogg"
        VERBATIM)
    list(APPEND SOUNDS_OUTPUTS ${out})
endforeach()

# --- Effects: one family ----------------------------------------------------------

sounds_list(effects.py SOUNDS_EFFECTS)
list(LENGTH SOUNDS_EFFECTS effect_count)
set(outs "")
foreach(effect ${SOUNDS_EFFECTS})
    list(APPEND outs ${GAME}/sfx/snd/${effect}.ogg)
endforeach()
add_custom_command(OUTPUT ${outs}
    COMMAND ${CONTENT_PYTHON} ${SOUNDS_DIR}/effects.py --out-dir ${GAME}/sfx/snd
    DEPENDS ${SOUNDS_DIR}/effects.py ${SOUNDS_TOOLS}
    COMMENT "content: sfx/snd/*.ogg (${effect_count} effects)"
    VERBATIM)
list(APPEND SOUNDS_OUTPUTS ${outs})

# --- Commentary: one family per commentator ------------------------------------------

sounds_list(commentary.py SOUNDS_LINES)
foreach(voice 1 2)
    set(outs "")
    foreach(line ${SOUNDS_LINES})
        string(REGEX MATCH "^[^\t]+" line_id "${line}")
        string(REGEX MATCH "^veko-" second "${line_id}")
        if((voice EQUAL 2 AND second) OR (voice EQUAL 1 AND NOT second))
            list(APPEND outs ${GAME}/sfx/comments/${line_id}.ogg)
        endif()
    endforeach()
    add_custom_command(OUTPUT ${outs}
        COMMAND ${CONTENT_PYTHON} ${SOUNDS_DIR}/commentary.py --voice ${voice} --out-dir ${GAME}/sfx/comments
        DEPENDS ${SOUNDS_DIR}/commentary.py ${SOUNDS_TOOLS}
        COMMENT "content: sfx/comments/*.ogg (commentator ${voice})"
        VERBATIM)
    list(APPEND SOUNDS_OUTPUTS ${outs})
endforeach()

# --- The catalogue, checked against the files and the ids the game plays --------------

content_copy(${CMAKE_CURRENT_SOURCE_DIR}/data/globalSnd.dat data/globalSnd.dat)
set(SOUNDS_STAMP ${CMAKE_CURRENT_BINARY_DIR}/sounds-catalogue.stamp)
add_custom_command(OUTPUT ${SOUNDS_STAMP}
    COMMAND ${CONTENT_PYTHON} ${SOUNDS_DIR}/check_catalogue.py --dat ${GAME}/data/globalSnd.dat
            --game-dir ${GAME} --stamp ${SOUNDS_STAMP}
    DEPENDS ${SOUNDS_DIR}/check_catalogue.py ${GAME}/data/globalSnd.dat ${SOUNDS_OUTPUTS}
    COMMENT "content: checking data/globalSnd.dat"
    VERBATIM)

list(APPEND CONTENT_OUTPUTS ${SOUNDS_OUTPUTS} ${SOUNDS_STAMP})
