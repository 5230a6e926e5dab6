# Every object of the tree is built with AddressSanitizer and
# UndefinedBehaviorSanitizer, and any report ends the program with a failure.
# The objects also carry libFuzzer's coverage hooks, so that the fuzz targets
# are guided through the libraries too; a plain test program ignores them.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "VARNOMEL_SANITIZE needs clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++-14")
endif()
set(VARNOMEL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(${VARNOMEL_SANITIZER_FLAGS} -fsanitize=fuzzer-no-link)
add_link_options(${VARNOMEL_SANITIZER_FLAGS})
