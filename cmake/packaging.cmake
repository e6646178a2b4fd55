# Debian package of Quorvel: the application directory under /opt/quorvel, the /usr/bin/quorvel link,
# the menu launcher and its icons. `cpack -G DEB` in the build directory writes quorvel_<version>_amd64.deb.
#
# The program reads config.ini and its dictionary beside its own executable, so the package keeps the
# build directory's layout whole under one directory instead of spreading it over /usr.
# Files that belong outside that directory (link, launcher, icons) form the component "desktop", left out
# of a plain `cmake --install`: installing into a private prefix never writes into /usr.

set(QUORVEL_PACKAGE_PREFIX "/opt/quorvel")
set(_quorvel_desktop_dir "${PROJECT_SOURCE_DIR}/resources/desktop")

# A link to the installed program, dangling in the build tree until the package is installed. The
# program resolves its own directory through /proc/self/exe, so starting it through the link still finds
# config.ini.
set(_quorvel_link "${PROJECT_BINARY_DIR}/packaging/quorvel")
file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/packaging")
file(CREATE_LINK "${QUORVEL_PACKAGE_PREFIX}/quorvel" "${_quorvel_link}" SYMBOLIC)
install(FILES "${_quorvel_link}" DESTINATION /usr/bin COMPONENT desktop EXCLUDE_FROM_ALL)

install(FILES "${_quorvel_desktop_dir}/quorvel.desktop" DESTINATION /usr/share/applications
        COMPONENT desktop EXCLUDE_FROM_ALL)
foreach(_size 48 128 256)
    install(FILES "${_quorvel_desktop_dir}/quorvel-${_size}.png"
            DESTINATION "/usr/share/icons/hicolor/${_size}x${_size}/apps" RENAME quorvel.png
            COMPONENT desktop EXCLUDE_FROM_ALL)
endforeach()

# config.ini is where a practice names its own dictionary: as a conffile, dpkg keeps the practice's
# version on upgrade instead of pointing the program back at the sample.
file(WRITE "${PROJECT_BINARY_DIR}/packaging/conffiles" "${QUORVEL_PACKAGE_PREFIX}/config.ini\n")

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "quorvel")
set(CPACK_PACKAGE_VENDOR "Quorvel")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(QUORVEL_PACKAGE_CONTACT "Équipe Quorvel <contact@quorvel.invalid>"
    CACHE STRING "Maintainer written into the Debian package")
set(CPACK_PACKAGE_CONTACT "${QUORVEL_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "codage des résultats de consultation en médecine générale")
# CPack puts the summary first and indents every line of this text itself, blank lines included.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quorvel aide le médecin généraliste à retrouver, dans un dictionnaire de
référence, le résultat de consultation qui correspond à ce qu'il a constaté,
à le qualifier (position diagnostique, suivi) et à préparer le compte rendu
codé en CIM-10 et en CISP à coller dans le dossier du patient.

Le programme, sa configuration et un dictionnaire d'exemple sont installés
dans /opt/quorvel.")
set(CPACK_PACKAGING_INSTALL_PREFIX "${QUORVEL_PACKAGE_PREFIX}")
set(CPACK_STRIP_FILES ON)

# A plain `cpack` installs only the default component; the link, launcher and icons are asked for by name.
set(CPACK_COMPONENTS_ALL Unspecified desktop)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SQLite driver is a plugin loaded at run time: no binary links it, so shlibdeps cannot find it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5sql5-sqlite")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${PROJECT_BINARY_DIR}/packaging/conffiles")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
