# Tests of the window programs' code; they need SDL and run without a display.
add_library(pixel_check STATIC pixel_check.cpp)
target_link_libraries(pixel_check PUBLIC raster GTest::gtest)

add_unit_test(raster_test SOURCES raster_test.cpp LIBS raster pixel_check LABELS unit)
