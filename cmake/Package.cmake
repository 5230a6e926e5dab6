# The package for players (cpack, a zip): the program, their guide and the
# licence in one folder. Nothing else is needed beside Varnomel.exe.
# Installing builds nothing: scripts/package.sh builds the program first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
install(TARGETS Varnomel RUNTIME DESTINATION .)
# UTF-8 with a byte order mark and CRLF line ends, so that Notepad of any
# Windows, whatever its code page, shows the Chinese text.
install(FILES docs/players-guide.zh.txt DESTINATION . RENAME README.txt)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Varnomel)
set(CPACK_PACKAGE_VENDOR "Varnomel developers")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
include(CPack)
