# Tests of the window programs' code; they need SDL and run without a display.
add_library(pixel_check STATIC pixel_check.cpp)
target_link_libraries(pixel_check PUBLIC raster GTest::gtest)


add_library(scripted_events STATIC scripted_events.cpp solutions.cpp page_reading.cpp
            step_pages.cpp)
target_link_libraries(scripted_events PUBLIC raster test_support pixel_check)
target_compile_definitions(scripted_events PRIVATE TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")

# Runs with --save and the page files they write.
# It reads PNG files and needs SDL's headers only: linking raster would let the linker take
# raster's page files into a test that has no screen, to resolve a std::string member that a
# C++17 library (gtest) needs and that every C++20 object defines.
add_library(saved_pages STATIC saved_pages.cpp)
target_include_directories(saved_pages PUBLIC ${SDL_INCLUDE_DIR})
target_link_libraries(saved_pages PUBLIC test_support PNG::PNG)
target_compile_definitions(saved_pages PRIVATE BIN_DIR="${CMAKE_BINARY_DIR}/bin")

add_unit_test(raster_test SOURCES raster_test.cpp LIBS raster pixel_check LABELS unit)

# Links a test with the program's waits routed through the scripted events.
function(use_scripted_events target)
  target_link_libraries(${target} PRIVATE scripted_events -Wl,--wrap=SDL_WaitEvent)
  target_compile_definitions(${target} PRIVATE BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  add_dependencies(${target} times_ttf)
endfunction()

add_unit_test(jugview_test SOURCES jugview_test.cpp jugview_entry.cpp
              LIBS jug_picture window programs pixel_check saved_pages LABELS window)
use_scripted_events(jugview_test)
target_compile_definitions(jugview_test PRIVATE JUGLIST_PATH="$<TARGET_FILE:juglist>")
add_dependencies(jugview_test juglist jugview)
target_link_libraries(jugview_test PRIVATE -Wl,--wrap=SDL_CreateRGBSurface)

add_unit_test(scale_test SOURCES scale_test.cpp LIBS saved_pages LABELS window TIMEOUT 120)
target_compile_definitions(scale_test PRIVATE BIN_DIR="${CMAKE_BINARY_DIR}/bin")
add_dependencies(scale_test jugview tileview times_ttf)

add_unit_test(save_failure_test SOURCES save_failure_test.cpp LIBS saved_pages LABELS window)
target_compile_definitions(save_failure_test PRIVATE BIN_DIR="${CMAKE_BINARY_DIR}/bin")
add_dependencies(save_failure_test jugview tileview times_ttf)

add_unit_test(tileview_test SOURCES tileview_test.cpp tileview_entry.cpp
              LIBS tiling_picture window programs pixel_check saved_pages LABELS window)
use_scripted_events(tileview_test)
add_dependencies(tileview_test tileview)

# End-to-end runs in a real X server: ctest -L e2e
find_package(X11)
if(X11_FOUND AND X11_XTest_FOUND)
  add_library(x_session STATIC x_session.cpp)
  target_link_libraries(x_session PUBLIC scripted_events ${X11_LIBRARIES} ${X11_XTest_LIB})
  target_include_directories(x_session PUBLIC ${X11_INCLUDE_DIR})

  add_unit_test(e2e_test SOURCES e2e_test.cpp LIBS x_session tiling_picture pixel_check
                LABELS e2e TIMEOUT 90)
  target_compile_definitions(e2e_test PRIVATE BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  add_dependencies(e2e_test jugview tileview times_ttf)
else()
  message(WARNING "X11 or XTest not found (Debian: libx11-dev libxtst-dev): end-to-end tests skipped")
endif()
if(TARGET x_session)
  add_unit_test(failure_test SOURCES failure_test.cpp LIBS x_session LABELS e2e TIMEOUT 120)
  target_compile_definitions(failure_test PRIVATE BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  add_dependencies(failure_test jugview tileview times_ttf)
endif()
if(TARGET x_session)
  # The programs started from another folder, from the build tree and from an installed tree.
  add_unit_test(anywhere_test WHOLE SOURCES anywhere_test.cpp LIBS x_session LABELS install TIMEOUT 120)
  use_installed_programs(anywhere_test)
  add_dependencies(anywhere_test times_ttf)
endif()

# Files written whole by --tree and --save: the names refused, links, signals.
add_unit_test(whole_file_test SOURCES whole_file_test.cpp LIBS test_support LABELS window)
target_compile_definitions(whole_file_test PRIVATE BIN_DIR="${CMAKE_BINARY_DIR}/bin")
add_dependencies(whole_file_test permlist tilelist tracetree jugview times_ttf)
