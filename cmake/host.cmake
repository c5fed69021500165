# Native build of the pure logic: unit tests under ASan/UBSan, fuzzers with clang.
option(KORVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
option(KORVANE_FUZZ "Build the libFuzzer targets (clang only)" OFF)

add_compile_options(-Wall -Wextra -g)
if(KORVANE_SANITIZE OR KORVANE_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(korvane_core STATIC ${KORVANE_CORE_SOURCES})
target_include_directories(korvane_core PUBLIC ${PROJECT_SOURCE_DIR}/src)

if(KORVANE_FUZZ)
  file(GLOB fuzzers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/fuzz/*.cpp)
  foreach(src ${fuzzers})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE korvane_core)
  endforeach()
  return()
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)

file(GLOB_RECURSE unit_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(korvane_unit_tests ${unit_sources})
target_link_libraries(korvane_unit_tests PRIVATE korvane_core GTest::gtest_main)
add_test(NAME unit COMMAND korvane_unit_tests --gtest_brief=1)

# Includes run from the top of the program down to the foundation, never up
# and never round between folders.
find_program(KORVANE_PYTHON python3)
if(KORVANE_PYTHON)
  add_test(NAME layers COMMAND ${KORVANE_PYTHON} ${PROJECT_SOURCE_DIR}/scripts/check-layers ${PROJECT_SOURCE_DIR})
endif()

file(GLOB bench_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/host/*.cpp)
foreach(src ${bench_sources})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE korvane_core)
endforeach()
