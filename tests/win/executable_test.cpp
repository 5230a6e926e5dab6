// What Varnomel.exe carries and needs: Windows' own DLLs only, its icon and
// its manifest asking for the version 6 common controls.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace varnomel::testing {
namespace {

// Maps the executable as an image without loading anything it imports.
class MappedExecutable {
public:
    MappedExecutable() : module_(LoadLibraryExW(VARNOMEL_EXE_PATH, nullptr, DONT_RESOLVE_DLL_REFERENCES)) {}
    ~MappedExecutable() {
        if (module_) FreeLibrary(module_);
    }
    MappedExecutable(const MappedExecutable&) = delete;
    MappedExecutable& operator=(const MappedExecutable&) = delete;

    HMODULE module() const { return module_; }

    std::set<std::string> importedDlls() const {
        const auto* base = reinterpret_cast<const BYTE*>(module_);
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        std::set<std::string> names;
        for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
             entry->Name != 0; ++entry) {
            std::string name = reinterpret_cast<const char*>(base + entry->Name);
            std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
            names.insert(name);
        }
        return names;
    }

private:
    HMODULE module_;
};

TEST(Executable, ImportsOnlyWindowsOwnDlls) {
    MappedExecutable executable;
    ASSERT_NE(executable.module(), nullptr);
    const std::set<std::string> windowsOwn = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll",
                                              "msvcrt.dll"};
    const std::set<std::string> imported = executable.importedDlls();
    EXPECT_FALSE(imported.empty());
    for (const std::string& dll : imported) EXPECT_TRUE(windowsOwn.count(dll)) << dll << " is not Windows' own";
}

TEST(Executable, CarriesItsIconAndManifest) {
    MappedExecutable executable;
    ASSERT_NE(executable.module(), nullptr);
    EXPECT_NE(FindResourceW(executable.module(), L"DEFAULT_ICON", RT_GROUP_ICON), nullptr);
    HRSRC manifest = FindResourceW(executable.module(), MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(manifest, nullptr);
    const auto* text = static_cast<const char*>(LockResource(LoadResource(executable.module(), manifest)));
    const std::string body(text, SizeofResource(executable.module(), manifest));
    EXPECT_NE(body.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(body.find("version=\"6.0.0.0\""), std::string::npos);
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitsPerPixel;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(Executable, TheIconHasSixteenColourImagesOfThreeSizes) {
    MappedExecutable executable;
    ASSERT_NE(executable.module(), nullptr);
    HRSRC group = FindResourceW(executable.module(), L"DEFAULT_ICON", RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const auto* header = static_cast<const WORD*>(LockResource(LoadResource(executable.module(), group)));
    const WORD count = header[2];
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(header + 3);
    std::set<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        EXPECT_EQ(entries[i].bitsPerPixel, 4) << "image " << i;
        EXPECT_EQ(entries[i].width, entries[i].height) << "image " << i;
        sizes.insert(entries[i].width);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
}

}  // namespace
}  // namespace varnomel::testing
