# Writes a module-definition file listing every function of a system import
# library, for dlltool to make the matching delay-import library.
#   cmake -DNM=... -DIMPORT_LIB=... -DDLL=name.dll -DOUT=file.def -P make_delay_def.cmake
execute_process(COMMAND ${NM} ${IMPORT_LIB} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} ${IMPORT_LIB} failed")
endif()
string(REPLACE "\n" ";" lines "${symbols}")
set(imports "")
set(thunks "")
foreach(line IN LISTS lines)
  if(line MATCHES " I __imp_(.+)$")
    list(APPEND imports "${CMAKE_MATCH_1}")
  elseif(line MATCHES " T (.+)$")
    list(APPEND thunks "${CMAKE_MATCH_1}")
  endif()
endforeach()
# Functions only: an import with a call thunk. 32-bit names carry the C
# underscore, which the definition file leaves out, and __stdcall ones the
# "@N" decoration, which the import name keeps ("name == name"): the
# delay-load hook takes each function's argument bytes from it, and binds the
# function by its plain name.
set(text "LIBRARY ${DLL}\nEXPORTS\n")
foreach(name IN LISTS imports)
  list(FIND thunks "${name}" found)
  if(found GREATER -1)
    string(REGEX REPLACE "^_" "" name "${name}")
    if(name MATCHES "@[0-9]+$")
      string(APPEND text "${name} == ${name}\n")
    else()
      string(APPEND text "${name}\n")
    endif()
  endif()
endforeach()
file(WRITE ${OUT} "${text}")
