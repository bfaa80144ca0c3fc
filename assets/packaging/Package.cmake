# The Debian package, built by `cpack` in a build directory (tools/package does it from a
# clean one): tessaron_<version>_<architecture>.deb installing into /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaron)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
# Directories made while staging get the usual modes whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tessaron developers <play@tessaron.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tessaron.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hexagonal strategy game for two players")
set(CPACK_PACKAGE_DESCRIPTION [=[
Tessaron is a two-player strategy game on a hexagonal board of 58 playable
cells. On each turn a player copies one of their pieces to a neighbouring
cell or jumps it two cells away, and every opponent piece around the landing
cell changes colour.

Play against the computer (four search algorithms, depth 0 to 8), against a
friend at the same machine, or against a friend on another machine over TCP,
with short text messages between the two players.]=])

# The shared libraries the program links (the Qt 6 libraries, the C++ run time and,
# through Qt Multimedia, the PulseAudio client) are found by dpkg-shlibdeps. Qt's X11
# platform plugin comes with libqt6gui6 and a font with its fontconfig dependency. Sounds are
# played by Qt Multimedia's PulseAudio output, without GStreamer, and need a sound server:
# without one the game runs silently, so the server is recommended, not required.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The game's own translations are built into the program; Qt's, for the standard buttons and
# the file dialogs, come with qt6-translations-l10n.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio, qt6-translations-l10n")

include(CPack)
