# Installing and packaging: the two programs, their guides, the desktop entry, the icon, the AppStream
# metainfo, the data files' MIME type, the manual pages and the shell completion, below the GNUInstallDirs
# folders of any prefix; and the Debian package (cpack -G DEB, or ./package.sh).
include(GNUInstallDirs)

# The desktop entry's and the metainfo's identifier: a reverse domain name, as AppStream asks. The maker's
# own domain replaces the placeholder once there is one.
set(ZRT_APP_ID "org.example.zr_t410" CACHE STRING "Desktop and AppStream identifier of the program")
set(ZRT_HOMEPAGE "https://zr-t410.example.org/" CACHE STRING "Home page named by the metainfo and the package")
set(ZRT_MAINTAINER "ZR-T410 programming software team <zr-t410@example.org>" CACHE STRING
    "Maintainer field of the Debian package")
set(ZRT_RELEASE_DATE "2026-12-06")  # of this version, for the metainfo's release entry

if(NOT TARGET zr-t410)
    return()
endif()

target_compile_definitions(zr-t410 PRIVATE ZRT_APP_ID="${ZRT_APP_ID}")
install(TARGETS zr-t410 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET zr-t410-cli)
    install(TARGETS zr-t410-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# Found at run time as ../share/zr-t410/help from the program's folder.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/zr-t410/help)

set(ZRT_DATA ${CMAKE_SOURCE_DIR}/data)
set(ZRT_DATA_OUT ${CMAKE_BINARY_DIR}/data)
install(FILES ${ZRT_DATA}/zr-t410.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
    RENAME ${ZRT_APP_ID}.desktop)
configure_file(${ZRT_DATA}/metainfo.xml.in ${ZRT_DATA_OUT}/${ZRT_APP_ID}.metainfo.xml @ONLY)
install(FILES ${ZRT_DATA_OUT}/${ZRT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ZRT_DATA}/zr-t410-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME zr-t410.xml)
install(FILES ${ZRT_DATA}/completion/zr-t410 ${ZRT_DATA}/completion/zr-t410-cli
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# The icon: drawn once as SVG, rendered to the sizes desktops look for. The data files' type shows it too.
set(ZRT_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${ZRT_DATA}/zr-t410.svg DESTINATION ${ZRT_ICON_DIR}/scalable/apps)
install(FILES ${ZRT_DATA}/zr-t410.svg DESTINATION ${ZRT_ICON_DIR}/scalable/mimetypes
    RENAME application-x-zr-t410-data.svg)
find_program(ZRT_RSVG_CONVERT rsvg-convert)
if(ZRT_RSVG_CONVERT)
    set(ZRT_ICONS)
    foreach(size 16 22 24 32 48 64 128 256)
        set(png ${ZRT_DATA_OUT}/icons/${size}/zr-t410.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${ZRT_DATA_OUT}/icons/${size}
            COMMAND ${ZRT_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${ZRT_DATA}/zr-t410.svg
            DEPENDS ${ZRT_DATA}/zr-t410.svg VERBATIM)
        list(APPEND ZRT_ICONS ${png})
        install(FILES ${png} DESTINATION ${ZRT_ICON_DIR}/${size}x${size}/apps)
        install(FILES ${png} DESTINATION ${ZRT_ICON_DIR}/${size}x${size}/mimetypes
            RENAME application-x-zr-t410-data.png)
    endforeach()
    add_custom_target(zrt_icons ALL DEPENDS ${ZRT_ICONS})
else()
    message(WARNING "rsvg-convert (librsvg2-bin) not found: only the SVG icon is installed")
endif()

# Manual pages, compressed as Debian keeps them.
set(ZRT_MAN_PAGES)
foreach(page zr-t410 zr-t410-cli)
    set(out ${ZRT_DATA_OUT}/man/${page}.1)
    configure_file(${ZRT_DATA}/man/${page}.1 ${out}.in @ONLY)  # the version in the page's header
    add_custom_command(OUTPUT ${out}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${out}.in ${out}
        COMMAND gzip -9nf ${out}
        DEPENDS ${out}.in VERBATIM)
    list(APPEND ZRT_MAN_PAGES ${out}.gz)
    install(FILES ${out}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(zrt_man_pages ALL DEPENDS ${ZRT_MAN_PAGES})

# The package's own documents, where Debian keeps them: the copyright statement and the changelog.
set(ZRT_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zr-t410)
configure_file(${ZRT_DATA}/doc/copyright ${ZRT_DATA_OUT}/doc/copyright @ONLY)
configure_file(${ZRT_DATA}/doc/changelog.in ${ZRT_DATA_OUT}/doc/changelog @ONLY)
add_custom_command(OUTPUT ${ZRT_DATA_OUT}/doc/changelog.gz
    COMMAND gzip -9nkf ${ZRT_DATA_OUT}/doc/changelog
    DEPENDS ${ZRT_DATA_OUT}/doc/changelog VERBATIM)
add_custom_target(zrt_changelog ALL DEPENDS ${ZRT_DATA_OUT}/doc/changelog.gz)
install(FILES ${ZRT_DATA_OUT}/doc/copyright ${ZRT_DATA_OUT}/doc/changelog.gz DESTINATION ${ZRT_DOC_DIR})

# The Debian package. Depends: the shared libraries dpkg-shlibdeps finds, and what the program loads by
# name: the CJK fonts of the Chinese captions and Qt's own Chinese translations of its dialogs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zr-t410)
set(CPACK_PACKAGE_VENDOR "ZR-T410")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software of the ZR-T410 handheld radio")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Reads the memory of a ZR-T410 handheld radio over its programming cable, edits its\n\
channels, optional features, VFOs, FM presets and power calibration, writes it back,\n\
and keeps configurations in data files. In English and simplified Chinese, with a\n\
command line (zr-t410-cli) that does the same without a window.")
set(CPACK_PACKAGE_CONTACT "${ZRT_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZRT_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZRT_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
