# The installed editor and its Debian package.
#
# The program finds its sounds (Muzik/) and its settings file (Parametr.ini) beside its own
# executable, so they are installed together in one program folder, PREFIX/lib/tarvik. The
# command in the bin folder is a relative symbolic link to it: the program resolves its own
# folder through /proc/self/exe, so it still finds the files beside the real executable. The
# program folder belongs to root; the settings then go to the user's configuration folder.
#
#   cmake --install BUILD [--prefix /usr/local]   the layout below
#   cpack -G DEB (in BUILD)                       the .deb (scripts/package.sh does both steps)
#
# A plain install outside a package manager does not refresh the desktop's caches; after one,
# run update-mime-database PREFIX/share/mime and update-desktop-database PREFIX/share/applications.
# The Debian package needs nothing of the kind: shared-mime-info, desktop-file-utils and the icon
# theme refresh their caches through dpkg triggers.

set(TARVIK_INSTALL_PROGRAM_DIR "lib/tarvik" CACHE STRING
    "Folder, relative to the prefix, that holds the executable with its sounds and settings")
set(TARVIK_INSTALL_BIN_DIR "bin" CACHE STRING "Folder, relative to the prefix, of the command")
set(tarvik_share "share")

install(TARGETS tarvik RUNTIME DESTINATION ${TARVIK_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/Muzik/
        DESTINATION ${TARVIK_INSTALL_PROGRAM_DIR}/Muzik
        FILES_MATCHING PATTERN "*.wav")
install(FILES ${PROJECT_SOURCE_DIR}/resources/Parametr.ini
        DESTINATION ${TARVIK_INSTALL_PROGRAM_DIR})

# The link is made in the build tree and installed as it is: install() copies a link as a link.
cmake_path(RELATIVE_PATH TARVIK_INSTALL_PROGRAM_DIR BASE_DIRECTORY ${TARVIK_INSTALL_BIN_DIR}
           OUTPUT_VARIABLE tarvik_link_folder)
set(tarvik_link ${PROJECT_BINARY_DIR}/install-bin/tarvik)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/install-bin)
file(CREATE_LINK ${tarvik_link_folder}/tarvik ${tarvik_link} SYMBOLIC)
install(FILES ${tarvik_link} DESTINATION ${TARVIK_INSTALL_BIN_DIR})

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/tarvik.desktop
        DESTINATION ${tarvik_share}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/tarvik.xml
        DESTINATION ${tarvik_share}/mime/packages)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor
        DESTINATION ${tarvik_share}/icons
        FILES_MATCHING PATTERN "tarvik.png" PATTERN "tarvik.svg")

# --- The Debian package ---
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tarvik")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rich-text editor with a Russian interface")
# The summary above is the Description's first line; CPack indents the lines of this body.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
       "Tarvik is a small single-document editor for RTF and plain text files\n"
       "(UTF-8, UTF-16, Windows-1251) with a look of its own: borderless rounded\n"
       "windows, a ruler with draggable indents, owner-drawn menus, a clock and\n"
       "sound effects. It opens text files from the file manager.")
set(TARVIK_PACKAGE_MAINTAINER "Tarvik maintainers" CACHE STRING
    "The package's Maintainer field: whoever publishes the package puts their name and address")
set(CPACK_PACKAGE_CONTACT "${TARVIK_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "editors")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The shared libraries (the Qt 6 runtime among them) come from dpkg-shlibdeps; what the program
# loads by name does not show there: fonts with the metrics of the classic faces, Qt's Russian
# translation of its own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, qt6-translations-l10n")
# The xcb platform plugin ships in libqt6gui6 and the sound back ends in libqt6multimedia6, both
# found by dpkg-shlibdeps. A sound server plays the sounds; every desktop has one, and without
# it the editor is silent, so it is not pulled in.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pipewire-pulse | pulseaudio")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
