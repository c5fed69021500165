# The Windows deliverables, their Win32 tests and the end-to-end harness.
# Sources are UTF-8; the program's narrow texts are CP932 at run time, so the
# compiler converts every narrow string and character literal.
# MinGW-w64's GCC only (the hook libraries rely on its attributes and linker).
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  message(FATAL_ERROR "Korvane is built with MinGW-w64's GCC; ${CMAKE_CXX_COMPILER_ID} is not supported")
endif()
add_compile_options(-Wall -Wextra $<$<COMPILE_LANGUAGE:C,CXX>:-fexec-charset=CP932>)
add_link_options(-static -static-libgcc -static-libstdc++)
# Release builds leave out what nothing references (functions and data of
# our code and of the static run-time) and every symbol and debugging
# section: the binaries carry only what runs.
add_compile_options($<$<CONFIG:Release>:-ffunction-sections> $<$<CONFIG:Release>:-fdata-sections>)
add_link_options($<$<CONFIG:Release>:-Wl,--gc-sections> $<$<CONFIG:Release>:-s>)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
add_compile_definitions(WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601 NOMINMAX)

set(KORVANE_VERSION_COMMA "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},${PROJECT_VERSION_TWEAK}")
configure_file(${PROJECT_SOURCE_DIR}/src/resources/version.h.in ${PROJECT_BINARY_DIR}/generated/version.h @ONLY)

add_library(korvane_core STATIC ${KORVANE_CORE_SOURCES})
target_include_directories(korvane_core PUBLIC ${PROJECT_SOURCE_DIR}/src)

# The foundation: handle owners, files, the settings record and store, the
# system functions bound by name. It calls nothing above it, so the hook
# libraries link it without the rest of the program.
file(GLOB KORVANE_BASE_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/base/*.cpp)
add_library(korvane_base STATIC ${KORVANE_BASE_SOURCES})
target_include_directories(korvane_base PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(korvane_base PUBLIC korvane_core user32 kernel32)

include(${PROJECT_SOURCE_DIR}/cmake/delayload.cmake)

# Everything of the panel program except its entry point, so that the Win32
# tests link the same code the program runs.
file(GLOB KORVANE_APP_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/controls/*.cpp
  ${PROJECT_SOURCE_DIR}/src/keys/*.cpp
  ${PROJECT_SOURCE_DIR}/src/shell/*.cpp
  ${PROJECT_SOURCE_DIR}/src/items/*.cpp
  ${PROJECT_SOURCE_DIR}/src/skin/*.cpp
  ${PROJECT_SOURCE_DIR}/src/view/*.cpp
  ${PROJECT_SOURCE_DIR}/src/activation/*.cpp
  ${PROJECT_SOURCE_DIR}/src/options/*.cpp)
list(REMOVE_ITEM KORVANE_APP_SOURCES ${PROJECT_SOURCE_DIR}/src/shell/main.cpp)
add_library(korvane_app STATIC ${KORVANE_APP_SOURCES})
target_include_directories(korvane_app PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_BINARY_DIR}/generated)
target_link_libraries(korvane_app PUBLIC korvane_base korvane_core korvane_delayed_system uuid gdi32 user32 kernel32)

set(KORVANE_RC ${PROJECT_SOURCE_DIR}/src/resources/korvane.rc)
# The compiler of the resource script does not report the files it reads, so
# a redrawn bitmap or icon is named here for the script to be compiled again.
file(GLOB KORVANE_RC_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/resources/*.bmp
  ${PROJECT_SOURCE_DIR}/src/resources/*.ico ${PROJECT_SOURCE_DIR}/src/resources/*.manifest)
set_source_files_properties(${KORVANE_RC} PROPERTIES
  OBJECT_DEPENDS "${PROJECT_BINARY_DIR}/generated/version.h;${KORVANE_RC_FILES}")

add_executable(Korvane WIN32 ${PROJECT_SOURCE_DIR}/src/shell/main.cpp ${KORVANE_RC})
target_include_directories(Korvane PRIVATE ${PROJECT_BINARY_DIR}/generated)
target_link_libraries(Korvane PRIVATE korvane_app)
# The user guide the About box links to lies beside the program, as HTML made
# from docs/guide.md, with its pictures. Making it needs Python's markdown
# module; a build without one simply has no guide page beside the program.
find_package(Python3 COMPONENTS Interpreter QUIET)
set(KORVANE_GUIDE_PYTHON "")
foreach(candidate ${Python3_EXECUTABLE} /usr/bin/python3)
  if(NOT KORVANE_GUIDE_PYTHON AND EXISTS ${candidate})
    execute_process(COMMAND ${candidate} -c "import markdown" RESULT_VARIABLE no_markdown OUTPUT_QUIET ERROR_QUIET)
    if(no_markdown EQUAL 0)
      set(KORVANE_GUIDE_PYTHON ${candidate})
    endif()
  endif()
endforeach()
if(KORVANE_GUIDE_PYTHON)
  file(GLOB KORVANE_GUIDE_IMAGES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/images/*.png)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/Korvane.html
    COMMAND ${KORVANE_GUIDE_PYTHON} ${PROJECT_SOURCE_DIR}/scripts/guide_html.py ${PROJECT_SOURCE_DIR}/docs/guide.md
      ${PROJECT_BINARY_DIR}/Korvane.html ${PROJECT_VERSION}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/images
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${KORVANE_GUIDE_IMAGES} ${PROJECT_BINARY_DIR}/images
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/guide.md ${PROJECT_SOURCE_DIR}/scripts/guide_html.py ${KORVANE_GUIDE_IMAGES})
  add_custom_target(user_guide DEPENDS ${PROJECT_BINARY_DIR}/Korvane.html)
  add_dependencies(Korvane user_guide)
else()
  message(STATUS "Python's markdown module not found: no Korvane.html beside the program")
endif()

if(EXISTS ${PROJECT_SOURCE_DIR}/src/hooklib/CMakeLists.txt)
  add_subdirectory(src/hooklib)
endif()

# What a user runs: the program and its hook libraries (scripts/run builds this).
add_custom_target(programs)
add_dependencies(programs Korvane)
foreach(lib Korvane1x KorvaneHook)
  if(TARGET ${lib})
    add_dependencies(programs ${lib})
  endif()
endforeach()

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  return()   # built only: these machines cannot run 32-bit programs
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)

add_library(test_support STATIC ${PROJECT_SOURCE_DIR}/tests/support/temp_folder.cpp ${PROJECT_SOURCE_DIR}/tests/support/input.cpp
  ${PROJECT_SOURCE_DIR}/tests/support/message_boxes.cpp ${PROJECT_SOURCE_DIR}/tests/support/menu_capture.cpp
  ${PROJECT_SOURCE_DIR}/tests/support/recycle_bin.cpp ${PROJECT_SOURCE_DIR}/tests/support/window_waits.cpp)
target_include_directories(test_support PUBLIC ${PROJECT_SOURCE_DIR}/tests/support PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(test_support PUBLIC shlwapi shell32 ole32 uuid)

# Win32 tests: one executable per subsystem folder, run under Wine by ctest.
foreach(sub base controls keys shell items skin view activation hooklib options)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win/${sub}/*.cpp)
  if(srcs)
    add_executable(win_${sub}_tests ${srcs} ${PROJECT_SOURCE_DIR}/tests/support/win_test_main.cpp ${KORVANE_RC})
    target_include_directories(win_${sub}_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_BINARY_DIR}/generated)
    target_link_libraries(win_${sub}_tests PRIVATE korvane_app test_support GTest::gtest)
    if(sub STREQUAL "hooklib")
      target_link_libraries(win_${sub}_tests PRIVATE korvane_hook_compat korvane_app e2e_support)
      target_include_directories(win_${sub}_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/e2e)
      target_sources(win_${sub}_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/win/activation/standin_windows.cpp)
      add_dependencies(win_${sub}_tests Korvane1x KorvaneHook standin_app)
    endif()
    if(sub STREQUAL "options")
      if(TARGET user_guide)
        add_dependencies(win_${sub}_tests user_guide)
      endif()
    endif()
    add_test(NAME win_${sub} COMMAND win_${sub}_tests --gtest_brief=1)
    # One pointer, one keyboard focus and one foreground window for the whole
    # Wine desktop: programs that move them, press keys or raise windows must
    # not run at the same time, and a busy neighbour makes the desktop process
    # hand pointer moves on late. So these run one at a time.
    set_tests_properties(win_${sub} PROPERTIES RESOURCE_LOCK desktop)
  endif()
endforeach()

# End-to-end: the real Korvane.exe driven from outside.
add_library(e2e_support STATIC ${PROJECT_SOURCE_DIR}/tests/e2e/support/driver.cpp)
target_include_directories(e2e_support PUBLIC ${PROJECT_SOURCE_DIR}/tests/e2e/support ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(e2e_support PUBLIC korvane_core test_support user32 gdi32 shell32 ole32 uuid)

add_executable(kvctl ${PROJECT_SOURCE_DIR}/tests/e2e/kvctl.cpp)
target_link_libraries(kvctl PRIVATE e2e_support version)

add_dependencies(programs kvctl)
file(GLOB e2e_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/*_test.cpp)
add_executable(e2e_tests ${e2e_tests} ${PROJECT_SOURCE_DIR}/tests/e2e/support/failure_screenshots.cpp)
target_link_libraries(e2e_tests PRIVATE e2e_support GTest::gtest_main)
add_dependencies(e2e_tests Korvane)

# Stand-in programs the end-to-end tests run beside the panel (other
# applications, a desktop, a hook pass-through), built next to Korvane.exe.
file(GLOB standin_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/standins/*.cpp)
foreach(src ${standin_sources})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} WIN32 ${src})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests/support)
  target_link_libraries(${name} PRIVATE comctl32 psapi ole32 shell32 uuid user32 gdi32)
  add_dependencies(e2e_tests ${name})
endforeach()
add_test(NAME e2e COMMAND e2e_tests --gtest_brief=1)
set_tests_properties(e2e PROPERTIES ENVIRONMENT
  "KORVANE_EXE=$<TARGET_FILE:Korvane>;KORVANE_ARTIFACTS=${PROJECT_BINARY_DIR}/e2e-artifacts"
  RUN_SERIAL TRUE)

file(GLOB bench_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/win/*.cpp)
foreach(src ${bench_sources})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE korvane_hook_compat korvane_app e2e_support psapi)
endforeach()

# Bare programs the start-up benchmark compares the real program with.
foreach(name bare_exit bare_tray)
  add_executable(${name} WIN32 ${PROJECT_SOURCE_DIR}/bench/win/bare/${name}.cpp)
  target_link_libraries(${name} PRIVATE user32 gdi32 kernel32)
endforeach()
target_link_libraries(bare_tray PRIVATE shell32)
add_dependencies(bench_startup bare_exit bare_tray Korvane)

# Delay-import libraries of a library no system has and of a function the
# sound library lacks, for the delay-load tests.
if(TARGET win_shell_tests AND TARGET korvane_delay_libs)
  foreach(def absent_library missing_function)
    file(STRINGS ${PROJECT_SOURCE_DIR}/tests/win/shell/${def}.def library_line REGEX "^LIBRARY ")
    string(REGEX REPLACE "^LIBRARY " "" library_name "${library_line}")
    set(lib ${PROJECT_BINARY_DIR}/delayload/lib${def}_test.a)
    add_custom_command(OUTPUT ${lib}
      COMMAND ${CMAKE_DLLTOOL} --input-def ${PROJECT_SOURCE_DIR}/tests/win/shell/${def}.def
              --dllname ${library_name} --output-delaylib ${lib}
      DEPENDS ${PROJECT_SOURCE_DIR}/tests/win/shell/${def}.def VERBATIM)
    add_custom_target(${def}_test_lib DEPENDS ${lib})
    add_dependencies(win_shell_tests ${def}_test_lib)
    target_link_libraries(win_shell_tests PRIVATE ${lib})
  endforeach()
endif()
