# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `make package`: a Debian package of what `cmake --install` installs, under /usr.
# Its dependencies are read off the program's shared libraries by dpkg-shlibdeps.
# CPack writes its members in name order, owned by root, and with SOURCE_DATE_EPOCH set gives
# every member and archive that time, so one commit's package is the same wherever it is built.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tagwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "write an HTML page by hand, a tag at a time")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TAGWRIGHT_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/tagwright/tagwright)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What Qt loads at run time, so no library names it: the Wayland platform, the SVG reader that
# turns the installed icon into the window's icon, and Qt's own translations, which put the
# save dialog, the message boxes' buttons and the context menus in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6, qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Lines of the long description stay within lintian's 80 columns once indented.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "One window holds the page source in a large main box; buttons append tags
such as html, Body, B, I, br and P to its end. Image and link tags are built
in a scratch box from one-line fields and copied into the page, and Save
writes the page to a plain-text file.")

include(CPack)

# `make dist`: the source release tagwright-VERSION.tar.gz of the checked-out commit, as git
# archive writes it: every file with the commit's time, no .git, and compressed by gzip -n, which
# adds no time of its own. The modes are set here, not by the user's git configuration.
set(distName tagwright-${PROJECT_VERSION})
find_program(GIT_PROGRAM git)
if(GIT_PROGRAM AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    add_custom_target(dist
        COMMAND ${GIT_PROGRAM} -C ${PROJECT_SOURCE_DIR} -c tar.umask=0022
                -c "tar.tar.gz.command=${GZIP_PROGRAM} -9 -n"
                archive --format=tar.gz --prefix=${distName}/ -o ${CMAKE_BINARY_DIR}/${distName}.tar.gz HEAD
        COMMAND ${CMAKE_COMMAND} -E echo "${CMAKE_BINARY_DIR}/${distName}.tar.gz"
        VERBATIM)
else()
    add_custom_target(dist
        COMMAND ${CMAKE_COMMAND} -E echo "make dist: a source release is made from a git checkout"
        COMMAND ${CMAKE_COMMAND} -E false
        VERBATIM)
endif()
