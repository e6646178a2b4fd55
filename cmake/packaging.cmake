# SPDX-License-Identifier: GPL-3.0-or-later
# Debian package of Quorvel: the application directory under /opt/quorvel, its configuration under
# /etc/opt/quorvel, the /usr/bin links, the menu launcher, icons, AppStream data, manual pages and the
# documentation Debian asks for. `cpack -G DEB` in the build directory writes quorvel_<version>_amd64.deb.
#
# The program reads config.ini and its dictionary beside its own executable, so the package keeps the
# build directory's layout whole under one directory instead of spreading it over /usr.
# Files that belong outside that directory (links, configuration, launcher, documentation) form the
# component "desktop", left out of a plain `cmake --install`: installing into a private prefix never writes
# into /usr or /etc, and gets a plain config.ini (component localconfig) that the package leaves out.

set(QUORVEL_PACKAGE_PREFIX "/opt/quorvel")
set(_quorvel_desktop_dir "${PROJECT_SOURCE_DIR}/resources/desktop")

# A link to the installed program, dangling in the build tree until the package is installed. The
# program resolves its own directory through /proc/self/exe, so starting it through the link still finds
# config.ini.
set(_quorvel_link "${PROJECT_BINARY_DIR}/packaging/quorvel")
file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/packaging")
file(CREATE_LINK "${QUORVEL_PACKAGE_PREFIX}/quorvel" "${_quorvel_link}" SYMBOLIC)
install(FILES "${_quorvel_link}" DESTINATION /usr/bin COMPONENT desktop EXCLUDE_FROM_ALL)
# The checker has a manual page, so it is a command on the PATH too.
set(_quorvel_check_link "${PROJECT_BINARY_DIR}/packaging/quorvel-check")
file(CREATE_LINK "${QUORVEL_PACKAGE_PREFIX}/quorvel-check" "${_quorvel_check_link}" SYMBOLIC)
install(FILES "${_quorvel_check_link}" DESTINATION /usr/bin COMPONENT desktop EXCLUDE_FROM_ALL)

# The configuration of an /opt add-on lives in /etc/opt; the link lets the program read it beside itself.
set(QUORVEL_CONFIG_FILE "/etc/opt/quorvel/config.ini")
set(_quorvel_config_link "${PROJECT_BINARY_DIR}/packaging/config.ini")
file(CREATE_LINK "${QUORVEL_CONFIG_FILE}" "${_quorvel_config_link}" SYMBOLIC)
install(FILES "${PROJECT_SOURCE_DIR}/resources/config.ini" DESTINATION /etc/opt/quorvel
        COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES "${_quorvel_config_link}" DESTINATION "${QUORVEL_PACKAGE_PREFIX}" COMPONENT desktop EXCLUDE_FROM_ALL)

install(FILES "${_quorvel_desktop_dir}/quorvel.desktop" DESTINATION /usr/share/applications
        COMPONENT desktop EXCLUDE_FROM_ALL)
foreach(_size 48 128 256)
    install(FILES "${_quorvel_desktop_dir}/quorvel-${_size}.png"
            DESTINATION "/usr/share/icons/hicolor/${_size}x${_size}/apps" RENAME quorvel.png
            COMPONENT desktop EXCLUDE_FROM_ALL)
endforeach()

# config.ini is where a practice names its own dictionary: as a conffile, dpkg keeps the practice's
# version on upgrade instead of pointing the program back at the sample.
file(WRITE "${PROJECT_BINARY_DIR}/packaging/conffiles" "${QUORVEL_CONFIG_FILE}\n")

# The newest CHANGELOG.md entry is this release: it dates the manual pages and the AppStream release.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/CHANGELOG.md")
file(READ "${PROJECT_SOURCE_DIR}/CHANGELOG.md" _quorvel_changelog)
if(NOT _quorvel_changelog MATCHES "\n## ([0-9.]+) — ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\n")
    message(FATAL_ERROR "CHANGELOG.md has no \"## VERSION — YYYY-MM-DD\" entry")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "CHANGELOG.md starts with ${CMAKE_MATCH_1}, not the project version ${PROJECT_VERSION}")
endif()
set(QUORVEL_RELEASE_DATE "${CMAKE_MATCH_2}")

# Defined before the changelog step below uses it: a fresh build directory has no cached value yet.
set(QUORVEL_PACKAGE_CONTACT "Équipe Quorvel <contact@quorvel.invalid>"
    CACHE STRING "Maintainer written into the Debian package")
set(_quorvel_doc "${PROJECT_BINARY_DIR}/packaging/doc")
configure_file("${PROJECT_SOURCE_DIR}/resources/debian/copyright.in" "${_quorvel_doc}/copyright" @ONLY)
configure_file("${_quorvel_desktop_dir}/quorvel.metainfo.xml.in"
               "${PROJECT_BINARY_DIR}/packaging/invalid.quorvel.quorvel.metainfo.xml" @ONLY)
# Compressed at build time, without name or date in the gzip header, so that two builds give the same bytes.
find_program(QUORVEL_GZIP gzip REQUIRED)
add_custom_command(
    OUTPUT "${_quorvel_doc}/changelog.gz"
    COMMAND bash "${PROJECT_SOURCE_DIR}/cmake/debian_changelog.sh" "${PROJECT_SOURCE_DIR}/CHANGELOG.md"
            "${_quorvel_doc}/changelog.gz" "${QUORVEL_PACKAGE_CONTACT}"
    DEPENDS "${PROJECT_SOURCE_DIR}/CHANGELOG.md" "${PROJECT_SOURCE_DIR}/cmake/debian_changelog.sh"
    COMMENT "Writing the Debian changelog" VERBATIM)
set(_quorvel_package_docs "${_quorvel_doc}/changelog.gz")
foreach(_page quorvel quorvel-check)
    configure_file("${PROJECT_SOURCE_DIR}/docs/man/${_page}.1.in" "${_quorvel_doc}/${_page}.1" @ONLY)
    add_custom_command(
        OUTPUT "${_quorvel_doc}/${_page}.1.gz"
        COMMAND "${QUORVEL_GZIP}" -9nkf "${_quorvel_doc}/${_page}.1"
        DEPENDS "${_quorvel_doc}/${_page}.1" VERBATIM)
    list(APPEND _quorvel_package_docs "${_quorvel_doc}/${_page}.1.gz")
    # French pages in the default directory: lintian wants a page there for each command, and there is no
    # English one.
    install(FILES "${_quorvel_doc}/${_page}.1.gz" DESTINATION /usr/share/man/man1 COMPONENT desktop EXCLUDE_FROM_ALL)
endforeach()
add_custom_target(quorvel_package_docs ALL DEPENDS ${_quorvel_package_docs})
install(FILES "${_quorvel_doc}/copyright" "${_quorvel_doc}/changelog.gz" DESTINATION /usr/share/doc/quorvel
        COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES "${PROJECT_BINARY_DIR}/packaging/invalid.quorvel.quorvel.metainfo.xml" DESTINATION /usr/share/metainfo
        COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES "${PROJECT_SOURCE_DIR}/resources/debian/lintian-overrides" DESTINATION /usr/share/lintian/overrides
        RENAME quorvel COMPONENT desktop EXCLUDE_FROM_ALL)

# Debian's hardening and stripping, as its own build helpers apply them: bind every symbol at start, and
# drop the compiler's identification sections along with the symbols.
foreach(_program quorvel quorvel-check)
    target_link_options(${_program} PRIVATE "LINKER:-z,now")
endforeach()
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    foreach(_program quorvel quorvel-check)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${_program}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
endif()")

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "quorvel")
set(CPACK_PACKAGE_VENDOR "Quorvel")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${QUORVEL_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "codage des résultats de consultation en médecine générale")
# CPack puts the summary first and indents every line of this text itself, blank lines included.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quorvel aide le médecin généraliste à retrouver, dans un dictionnaire de
référence, le résultat de consultation qui correspond à ce qu'il a constaté,
à le qualifier (position diagnostique, suivi) et à préparer le compte rendu
codé en CIM-10 et en CISP à coller dans le dossier du patient.

Le programme et un dictionnaire d'exemple sont installés dans /opt/quorvel,
la configuration dans /etc/opt/quorvel/config.ini.")
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
