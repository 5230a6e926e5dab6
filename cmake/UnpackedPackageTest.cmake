# Makes the package of a build tree with cpack, checks what a player finds in
# it, unpacks it into a fresh folder whose path has Chinese characters and a
# space, and runs CHECKER (tests/package) against the program there.
# Run as: cmake -DCPACK=cpack -DCPACK_CONFIG=file -DWORK_DIR=dir -DCHECKER=exe
#               [-DEMULATOR=wine -DDRIVE=Z:] -P UnpackedPackageTest.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${CPACK}" -G ZIP --config "${CPACK_CONFIG}" -B "${WORK_DIR}/zip"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB zips "${WORK_DIR}/zip/Varnomel-*-win*.zip")
list(LENGTH zips count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made no zip:\n${output}")
endif()

set(unpacked "${WORK_DIR}/玩家 的文件夹")
file(MAKE_DIRECTORY "${unpacked}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xf "${zips}" WORKING_DIRECTORY "${unpacked}"
                RESULT_VARIABLE result)
string(REGEX REPLACE "\\.zip$" "" top "${zips}")
get_filename_component(top "${top}" NAME)
set(folder "${unpacked}/${top}")
if(NOT result EQUAL 0 OR NOT IS_DIRECTORY "${folder}")
  message(FATAL_ERROR "the zip does not unpack into one folder ${top}")
endif()

file(GLOB contents RELATIVE "${folder}" "${folder}/*")
list(SORT contents)
if(NOT contents STREQUAL "LICENSE.txt;README.txt;Varnomel.exe")
  message(FATAL_ERROR "the package holds ${contents}, not LICENSE.txt, README.txt and Varnomel.exe")
endif()
# The guide opens in Notepad on any Windows: UTF-8 with a byte order mark, CRLF only.
file(READ "${folder}/README.txt" guide HEX)
if(NOT guide MATCHES "^efbbbf" OR guide MATCHES "^0a" OR guide MATCHES "^(..)*([^0].|0[^d])0a")
  message(FATAL_ERROR "README.txt is not UTF-8 with a byte order mark and CRLF line ends")
endif()

string(REPLACE "/" "\\" native "${DRIVE}${folder}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E env "VARNOMEL_UNPACKED_DIR=${native}" ${EMULATOR} "${CHECKER}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the unpacked program in ${folder} failed its start: ${result}")
endif()
message(STATUS "the unpacked ${top} starts in ${folder} and writes config.ini there")
