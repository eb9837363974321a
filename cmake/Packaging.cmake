# Installing the programs and packaging them for Debian with CPack:
#   cmake --install build --prefix /usr         (DESTDIR=... stages it)
#   cd build && cpack -G DEB                    (zarvo_VERSION_ARCH.deb)

install(TARGETS zarvo-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(ZARVO_BUILD_WINDOWS)
  install(TARGETS zarvo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(CPACK_PACKAGE_NAME zarvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zarvo32 EX developers")
set(CPACK_PACKAGE_CONTACT "Zarvo32 EX developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hex editor for video-game ROM images")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "hex editor for video-game ROM images
 Zarvo32 EX shows every byte of a ROM in hexadecimal beside a text column read
 through a table file, the game's own encoding of letters, words and control
 codes, for people who translate and modify games. It searches (also by the
 steps between letters), dumps and inserts text, makes and applies IPS, BPS and
 UPS patches, repairs SNES checksums and edits tile graphics.
 .
 zarvo-tool does the same from the command line, for scripts and batch work.")
# The libraries the programs link are found by dpkg-shlibdeps; the Japanese font
# draws the kana and kanji of Shift-JIS tables.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic")
include(CPack)
