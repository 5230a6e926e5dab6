// Tests compare the program's GBK bytes with what the C library's own GBK
// converter makes of the same text written in UTF-8. Not on Windows, which
// has no iconv.
#pragma once

#ifndef _WIN32
#include <iconv.h>

#include <string>

namespace varnomel {

inline std::string gbkFromUtf8(const std::string& utf8) {
    iconv_t converter = iconv_open("GBK", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) return "<no GBK converter>";
    std::string in = utf8;
    std::string out(4 * utf8.size(), '\0');
    char* inAt = in.data();
    char* outAt = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) return "<not convertible>";
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace varnomel
#endif
