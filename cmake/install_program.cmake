# Declares a program as installed, in one line beside its add_executable:
#   install_program(NAME SUMMARY "what it does, for the NAME line of its manual page" [WINDOW])
# The program goes into bin/, its manual page into share/man/man1, and a window program's
# desktop entry, packaging/NAME.desktop, into share/applications so that a desktop's menu
# can start it. The page is made by help2man from the program's own --help and --version,
# so that the two cannot disagree, with the sections that --help leaves out taken from
# packaging/NAME.h2m.in where the program has sections of its own, otherwise from
# packaging/console.h2m.in or packaging/window.h2m.in.

# Without help2man the programs still build and test; only their manual pages are left out.
find_program(HELP2MAN help2man)
if(NOT HELP2MAN)
  message(WARNING "help2man not found (Debian: help2man): the manual pages are not made")
endif()
find_program(GZIP gzip REQUIRED)

set(MANUAL_DIR ${CMAKE_BINARY_DIR}/man)

function(install_program name)
  cmake_parse_arguments(P "WINDOW" "SUMMARY" "" ${ARGN})
  if(NOT P_SUMMARY)
    message(FATAL_ERROR "install_program(${name}): SUMMARY is missing")
  endif()
  if(P_WINDOW)
    set(kind window)
  else()
    set(kind console)
  endif()

  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(P_WINDOW)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/${name}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  endif()
  # For the tests, which check every installed program.
  set_property(GLOBAL APPEND PROPERTY ${kind}_programs ${name})
  if(NOT HELP2MAN)
    return()
  endif()

  set(PROGRAM ${name})
  set(include_file ${MANUAL_DIR}/${name}.h2m)
  set(sections ${kind})
  if(EXISTS ${PROJECT_SOURCE_DIR}/packaging/${name}.h2m.in)
    set(sections ${name})
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${sections}.h2m.in ${include_file} @ONLY)
  set(page ${MANUAL_DIR}/${name}.1)
  # Compressed as Debian installs pages, without a name or time stamp so that an unchanged
  # page stays byte for byte the same.
  add_custom_command(OUTPUT ${page} ${page}.gz
    COMMAND ${HELP2MAN} --no-info --name ${P_SUMMARY} --include ${include_file}
            --output ${page} $<TARGET_FILE:${name}>
    COMMAND ${GZIP} -9 -n -f -k ${page}
    DEPENDS ${name} ${include_file}
    COMMENT "Manual page of ${name}"
    VERBATIM)
  add_custom_target(${name}_manual ALL DEPENDS ${page} ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
