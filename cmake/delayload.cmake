# Delay-loaded system libraries for the MinGW build. The panel program then
# imports at load time only what every start needs (kernel32, user32, gdi32
# and the C run-time): a second start that hands its request over and ends
# maps nothing more. The delay-import libraries are made by dlltool from the
# toolchain's own import libraries; src/shell/delay_load.cpp holds the hooks
# that load them from the system folder and stand in for missing functions.
#
# korvane_delayed_system: link it ahead of the ordinary system libraries.

set(KORVANE_DELAYED_DLLS comctl32 comdlg32 ole32 oleaut32 shell32 version winmm)

add_library(korvane_delayed_system INTERFACE)
if(MSVC OR NOT CMAKE_DLLTOOL OR NOT CMAKE_NM)
  # Other toolchains import these libraries at load time.
  target_link_libraries(korvane_delayed_system INTERFACE ${KORVANE_DELAYED_DLLS})
  return()
endif()

set(delay_dir ${PROJECT_BINARY_DIR}/delayload)
set(delay_libs "")
foreach(dll IN LISTS KORVANE_DELAYED_DLLS)
  find_library(import_lib_${dll} NAMES lib${dll}.a ${dll} REQUIRED)
  set(def ${delay_dir}/${dll}.def)
  set(lib ${delay_dir}/lib${dll}_delay.a)
  add_custom_command(OUTPUT ${def}
    COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DIMPORT_LIB=${import_lib_${dll}} -DDLL=${dll}.dll -DOUT=${def}
            -P ${PROJECT_SOURCE_DIR}/cmake/make_delay_def.cmake
    DEPENDS ${import_lib_${dll}} ${PROJECT_SOURCE_DIR}/cmake/make_delay_def.cmake
    VERBATIM)
  add_custom_command(OUTPUT ${lib}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${dll}.dll --output-delaylib ${lib}
    DEPENDS ${def}
    VERBATIM)
  list(APPEND delay_libs ${lib})
endforeach()
add_custom_target(korvane_delay_libs DEPENDS ${delay_libs})

# The hooks live in korvane_app; naming them as undefined makes the linker take
# that definition before the run-time library's empty one.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(c_prefix "_")
else()
  set(c_prefix "")
endif()
target_link_libraries(korvane_delayed_system INTERFACE ${delay_libs}
  "-Wl,--undefined=${c_prefix}__pfnDliNotifyHook2,--undefined=${c_prefix}__pfnDliFailureHook2")
add_dependencies(korvane_delayed_system korvane_delay_libs)
