# Checks that the icons committed in assets/ are exactly what draw_icons draws:
# runs it into a fresh folder and compares every file byte for byte.
# Run as: cmake -DDRAW_ICONS=exe -DOUTPUT_DIR=dir -DASSETS_DIR=dir -P CompareIconOutput.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${OUTPUT_DIR}")
file(MAKE_DIRECTORY "${OUTPUT_DIR}")
execute_process(COMMAND "${DRAW_ICONS}" "${OUTPUT_DIR}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "draw_icons failed: ${result}")
endif()

set(expected varnomel.ico)
foreach(item RANGE 1 9)
  list(APPEND expected base_${item}.png)
endforeach()
foreach(item RANGE 1 45)
  string(LENGTH "${item}" digits)
  if(digits EQUAL 1)
    set(item "0${item}")
  endif()
  list(APPEND expected combo_${item}.png)
endforeach()

# Every icon file in either folder must be an expected one: a stray PNG in
# assets/ would be compiled into the program.
file(GLOB drawn RELATIVE "${OUTPUT_DIR}" "${OUTPUT_DIR}/*")
file(GLOB committed RELATIVE "${ASSETS_DIR}" "${ASSETS_DIR}/*.png" "${ASSETS_DIR}/*.ico")
foreach(name IN LISTS drawn committed)
  if(NOT name IN_LIST expected)
    message(FATAL_ERROR "unexpected icon file: ${name}")
  endif()
endforeach()

set(failures "")
foreach(name IN LISTS expected)
  if(NOT EXISTS "${ASSETS_DIR}/${name}")
    string(APPEND failures "\n  missing from assets/: ${name}")
  elseif(NOT EXISTS "${OUTPUT_DIR}/${name}")
    string(APPEND failures "\n  not drawn: ${name}")
  else()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${ASSETS_DIR}/${name}" "${OUTPUT_DIR}/${name}"
                    RESULT_VARIABLE differs)
    if(differs)
      string(APPEND failures "\n  differs from draw_icons' output: ${name}")
    endif()
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "assets/ does not match draw_icons:${failures}\n"
                      "Rebuild the target update_icon_assets to redraw them.")
endif()
list(LENGTH expected count)
message(STATUS "all ${count} icon files match")
