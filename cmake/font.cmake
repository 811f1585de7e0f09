# Puts the window programs' font beside them as build/bin/times.ttf, and into the data
# folder of an installed tree.

# Debian's fonts-liberation2 holds it; the package links to this file instead of a copy.
set(LIBERATION_SERIF "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf")
set(TIMES_TTF_SOURCE "${LIBERATION_SERIF}"
    CACHE FILEPATH "TrueType font copied next to the window programs as times.ttf")
if(NOT EXISTS "${TIMES_TTF_SOURCE}")
  message(FATAL_ERROR "Font not found: ${TIMES_TTF_SOURCE}\n"
                      "Install the Debian package fonts-liberation2 (./scripts/install-deps.sh), "
                      "or name another TrueType file with -DTIMES_TTF_SOURCE=/path/to/font.ttf")
endif()
set(TIMES_TTF "${CMAKE_BINARY_DIR}/bin/times.ttf")
add_custom_command(OUTPUT "${TIMES_TTF}"
  COMMAND ${CMAKE_COMMAND} -E copy "${TIMES_TTF_SOURCE}" "${TIMES_TTF}"
  DEPENDS "${TIMES_TTF_SOURCE}"
  COMMENT "Copying the font to bin/times.ttf")
add_custom_target(times_ttf ALL DEPENDS "${TIMES_TTF}")
install(FILES "${TIMES_TTF}" DESTINATION ${BACKTRACK_DATA_DIR})
