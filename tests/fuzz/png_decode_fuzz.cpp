// PNG decoding of arbitrary bytes: no image, or a sound one, never a crash or
// a read out of bounds. The memory it may take is bounded by the fuzzer's
// allocation limit (see CMakeLists.txt).
#include <cstddef>
#include <cstdint>
#include <optional>

#include "fuzz_check.h"
#include "png_image.h"

namespace {

using varnomel::Image;

void checkSound(const Image& image) {
    FUZZ_CHECK(image.width >= 1 && image.width <= varnomel::MAX_IMAGE_SIDE);
    FUZZ_CHECK(image.height >= 1 && image.height <= varnomel::MAX_IMAGE_SIDE);
    FUZZ_CHECK(image.pixels.size() == static_cast<std::size_t>(image.width) * image.height);
    for (std::uint32_t pixel : image.pixels) FUZZ_CHECK((pixel >> 24) == 0);
}

// Composed over black, no channel can be brighter than over white.
void checkComposition(const Image& overBlack, const Image& overWhite) {
    FUZZ_CHECK(overBlack.width == overWhite.width && overBlack.height == overWhite.height);
    for (std::size_t i = 0; i < overBlack.pixels.size(); ++i) {
        for (int shift = 0; shift <= 16; shift += 8) {
            FUZZ_CHECK(((overBlack.pixels[i] >> shift) & 0xFF) <= ((overWhite.pixels[i] >> shift) & 0xFF));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<Image> overBlack = varnomel::decodePng(data, size, {0, 0, 0});
    const std::optional<Image> overWhite = varnomel::decodePng(data, size, {255, 255, 255});
    FUZZ_CHECK(overBlack.has_value() == overWhite.has_value());
    if (!overBlack) return 0;
    checkSound(*overBlack);
    checkSound(*overWhite);
    checkComposition(*overBlack, *overWhite);
    return 0;
}
