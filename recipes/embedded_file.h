// A file that was compiled into the program, found by its base name.
#pragma once

#include <cstddef>

namespace varnomel {

struct ByteView {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

struct EmbeddedFile {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

// Every asset compiled into the program, generated from the asset folder at build time.
extern const EmbeddedFile kEmbeddedFiles[];
extern const std::size_t kEmbeddedFileCount;

}  // namespace varnomel
