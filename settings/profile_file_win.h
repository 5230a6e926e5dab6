// The geometry file through the ANSI private-profile functions, so the file's
// bytes are GBK on any Windows whose ANSI code page is 936.
#pragma once

#include <string>

#include "geometry_file.h"

namespace varnomel {

class WindowsProfileFile : public ProfileFile {
public:
    std::string modulePath() override;
    std::string readString(const std::string& section, const std::string& key,
                           const std::string& path) override;
    void writeString(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& path) override;
};

}  // namespace varnomel
