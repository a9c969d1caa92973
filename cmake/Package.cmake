# The Debian package: `cpack -G DEB` in a build tree packs everything the install rules put
# under /usr, and dpkg-shlibdeps finds the libraries it needs.

set(CPACK_PACKAGE_NAME pipwright)
set(CPACK_PACKAGE_VENDOR "The Pipwright developers")
set(CPACK_PACKAGE_CONTACT "The Pipwright developers <lead@pipwright.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dominoes game of All Fives against the computer")
set(CPACK_PACKAGE_DESCRIPTION
    "Pipwright is a game of dominoes for one player against the computer, played
with the double-six set. Match the open ends of the line and score whenever
they add up to a multiple of five; the first side to reach 200 points wins.
The computer plays as a novice or as an expert. An optional play timer, saved
games, a record of games won and lost, and built-in help are included.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (Yes, No, the file dialog) in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Directories that install() creates on its own are 0755, whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianStagedFiles.cmake)
set(CPACK_PIPWRIGHT_STRIP ${CMAKE_STRIP})

set(CPACK_GENERATOR DEB)
include(CPack)
