# Writes a C++ source that holds the bytes of every given file as an array,
# with a table from each file's base name (without extension) to its bytes.
# Run as: cmake -DOUTPUT=file.cpp -DNAMESPACE=ns -DPATTERN=dir/*.png -P EmbedFiles.cmake
file(GLOB FILES ${PATTERN})
set(body "")
set(table "")
foreach(path IN LISTS FILES)
  get_filename_component(name "${path}" NAME_WE)
  file(READ "${path}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){24})" "\\1\n  " bytes "${bytes}")
  string(APPEND body "const unsigned char k_${name}[] = {\n  ${bytes}\n};\n")
  string(APPEND table "  {\"${name}\", k_${name}, sizeof k_${name}},\n")
endforeach()
set(count "sizeof kEmbeddedFiles / sizeof kEmbeddedFiles[0]")
if(table STREQUAL "")
  # An array may not be empty: keep one unused entry and count none.
  set(table "  {\"\", nullptr, 0},\n")
  set(count "0")
endif()
file(WRITE "${OUTPUT}.tmp"
"// Generated from the asset files at build time; do not edit.\n"
"#include \"embedded_file.h\"\n\nnamespace ${NAMESPACE} {\nnamespace {\n${body}}\n\n"
"extern const EmbeddedFile kEmbeddedFiles[] = {\n${table}};\n"
"extern const std::size_t kEmbeddedFileCount = ${count};\n}\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${OUTPUT}.tmp" "${OUTPUT}")
file(REMOVE "${OUTPUT}.tmp")
