#include "png_writer.h"

#include <png.h>

#include <cstdio>

namespace icons {
namespace {

// Only the fixed settings are used: the encoder's adaptive filter choice
// could change between libpng versions, which would change the bytes.
void encode(png_structp png, png_infop info, int width, int height, std::vector<png_bytep>& rows) {
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_level(png, 9);
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
}

}  // namespace

bool writeRgbPng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb) {
    std::vector<png_bytep> rows;
    for (int y = 0; y < height; ++y) rows.push_back(const_cast<png_bytep>(rgb.data() + y * width * 3));
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    encode(png, info, width, height, rows);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

}  // namespace icons
