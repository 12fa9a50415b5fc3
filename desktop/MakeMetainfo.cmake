# Writes the AppStream metadata with the list of the games that GAMES.DAT holds, so that a
# game added to games/ is named there at the next build.
#
#   cmake -DCLI=tindle-cli -DGAMES_DAT=GAMES.DAT -DTEMPLATE=in -DOUTPUT=out -P MakeMetainfo.cmake
#
# TEMPLATE holds the line "@TINDLE_GAME_ITEMS@" where the list goes.

execute_process(
    COMMAND ${CLI} games ${GAMES_DAT}
    OUTPUT_VARIABLE catalogue
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "tindle-cli games ${GAMES_DAT} failed: ${status}")
endif()

# "ID TYPE NAME" per line.
string(REPLACE "\n" ";" lines "${catalogue}")
set(items "")
foreach(line IN LISTS lines)
    if(line MATCHES "^[0-9]+ +[0-9]+ +(.+)$")
        set(name "${CMAKE_MATCH_1}")
        string(REPLACE "&" "&amp;" name "${name}")
        string(REPLACE "<" "&lt;" name "${name}")
        string(REPLACE ">" "&gt;" name "${name}")
        string(APPEND items "      <li>${name}</li>\n")
    endif()
endforeach()
if(items STREQUAL "")
    message(FATAL_ERROR "${GAMES_DAT} holds no game")
endif()
string(REGEX REPLACE "\n$" "" items "${items}")

file(READ ${TEMPLATE} text)
string(REPLACE "@TINDLE_GAME_ITEMS@" "${items}" text "${text}")
file(WRITE ${OUTPUT} "${text}")
