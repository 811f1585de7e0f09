# Run by CPack between installing the tree it packages and building the package, to give
# that tree Debian's shape:
# - the programs stripped as Debian strips them, without the compiler's .comment and .note
#   sections that CPack's own stripping keeps;
# - the font replaced by a link to the file of Debian's fonts-liberation2, on which the
#   package depends: Debian keeps one copy of a font, in the package that provides it.
# CPack runs it for the source tarball as well, which keeps the tree as it is.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(root "${CPACK_TEMPORARY_DIRECTORY}")

file(GLOB programs "${root}${CPACK_BACKTRACK_PROGRAMS}/*")
foreach(program IN LISTS programs)
  execute_process(COMMAND "${CPACK_BACKTRACK_STRIP}" --remove-section=.comment
                          --remove-section=.note --strip-unneeded "${program}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "debian_tree.cmake: cannot strip ${program}")
  endif()
endforeach()

if(CPACK_BACKTRACK_FONT_LINK)
  set(font "${root}${CPACK_BACKTRACK_FONT_LINK}")
  if(NOT EXISTS "${font}")
    message(FATAL_ERROR "debian_tree.cmake: no ${font} to replace with a link")
  endif()
  file(REMOVE "${font}")
  file(CREATE_LINK "${CPACK_BACKTRACK_FONT_TARGET}" "${font}" SYMBOLIC)
endif()
