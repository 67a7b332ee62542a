# `make package`: a Debian package of what `cmake --install` puts under /usr, its dependencies
# computed from the programs by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME totechita)
set(CPACK_PACKAGE_CONTACT "KORUMEDO <korumedo@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small arcade game with water bombs, in Japanese")
set(CPACK_PACKAGE_DESCRIPTION "\
Walk the face over the board with the arrow keys, pick up a PET bottle, water
and dry ice, craft water bombs and drop them on the enemies and the plane that
the Game menu puts on the board. Past 3000 and 6000 points the finale begins.

The on-screen text is Japanese. totechita-script plays the game without
windows from a script, for checks and bug reports.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Every caption and message is Japanese: without a Japanese font they show as empty boxes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-japanese-gothic")
# Game controllers go through SDL, which the game loads only when a pad may be there, so
# dpkg-shlibdeps does not see it; without it the game plays with the keyboard and mouse.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libsdl2-2.0-0")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
