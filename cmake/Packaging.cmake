# The Debian package: `make package` (or `cpack` in the build folder) builds
# tessel_<version>_<arch>.deb from what `cmake --install` puts under /usr.
if(TESSEL_FUZZ)
    return()
endif()

set(TESSEL_PACKAGE_MAINTAINER "The Tessel developers <tessel@example.org>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tessel developers")
set(CPACK_PACKAGE_CONTACT ${TESSEL_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and downloader for the K9057R LED name badge")
# Lines of the extended description as Debian wants them: at most 80
# characters, a blank line between paragraphs.
set(CPACK_PACKAGE_DESCRIPTION [=[
Tessel keeps up to twelve programs for the battery-powered K9057R LED
matrix name badge: formatted text or a picture, each with an entry effect,
speed, stay time, exit effect, play count and border. It shows a preview
exactly as the badge lays it out, saves the list as an XML program file
(.led) and sends it to the badge over USB HID. Device tools search for the
badge, clear it, set its brightness and read and write its panel parameters.

The package holds the editor (tessel), the command-line tool tessel-cli for
scripts, and a udev rule that gives the user at the desktop access to the
badge.]=])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps (giflib among them, for the GIF of
# the playback); what is loaded at run time is named here: the SVG image and
# icon plugins (window images) and Qt's own translations of its dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-translations-l10n")
# The fonts the badge's texts are drawn with by default (Latin, CJK, Arabic),
# and the platform plugin of a Wayland session.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-wqy-zenhei, fonts-dejavu-core, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/data/debian/postinst
    ${PROJECT_SOURCE_DIR}/data/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
