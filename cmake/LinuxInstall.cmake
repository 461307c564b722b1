# Installing on Linux: `cmake --install` puts the program, its menu entry, its
# icons in the hicolor theme, its AppStream metainfo, its manual page and its
# copyright where desktops and package tools look for them, and CPack makes a
# Debian package of the same files (`cmake --build <build> --target package`).
if(NOT TESSALINE_BUILD_GUI OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    return()
endif()

include(GNUInstallDirs)

# The one name the desktop entry, the metainfo and the icons go by.
set(TESSALINE_APP_ID example.quorvane.Tessaline)
set(TESSALINE_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(TESSALINE_PACKAGING_BINARY_DIR ${PROJECT_BINARY_DIR}/packaging)
set(TESSALINE_PACKAGE_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/tessaline)

configure_file(${TESSALINE_PACKAGING_DIR}/linux/${TESSALINE_APP_ID}.metainfo.xml.in
    ${TESSALINE_PACKAGING_BINARY_DIR}/${TESSALINE_APP_ID}.metainfo.xml @ONLY)
configure_file(${TESSALINE_PACKAGING_DIR}/linux/tessaline.1.in
    ${TESSALINE_PACKAGING_BINARY_DIR}/tessaline.1 @ONLY)
configure_file(${TESSALINE_PACKAGING_DIR}/debian/copyright.in
    ${TESSALINE_PACKAGING_BINARY_DIR}/copyright @ONLY)

# Manual pages and changelogs are kept compressed, without a time stamp in the
# header so that the same sources give the same bytes.
set(TESSALINE_COMPRESSED_DOCS)
foreach(doc IN ITEMS ${TESSALINE_PACKAGING_BINARY_DIR}/tessaline.1
                     ${TESSALINE_PACKAGING_DIR}/debian/changelog)
    get_filename_component(name ${doc} NAME)
    set(compressed ${TESSALINE_PACKAGING_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND gzip -9 -n -c ${doc} > ${compressed}
        DEPENDS ${doc}
        VERBATIM)
    list(APPEND TESSALINE_COMPRESSED_DOCS ${compressed})
endforeach()
add_custom_target(tessaline_compressed_docs ALL DEPENDS ${TESSALINE_COMPRESSED_DOCS})

install(TARGETS tessaline RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TESSALINE_PACKAGING_DIR}/linux/${TESSALINE_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${TESSALINE_PACKAGING_BINARY_DIR}/${TESSALINE_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
foreach(size IN ITEMS 16 22 24 32 48 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/q-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${TESSALINE_APP_ID}.png)
endforeach()
install(FILES ${TESSALINE_PACKAGING_BINARY_DIR}/tessaline.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TESSALINE_PACKAGING_BINARY_DIR}/copyright
    ${TESSALINE_PACKAGING_BINARY_DIR}/changelog.gz
    DESTINATION ${TESSALINE_PACKAGE_DOCDIR})

# The Debian package. Its dependencies are those of the libraries the program
# links, found by dpkg-shlibdeps when the package is made.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaline)
set(CPACK_PACKAGE_VENDOR Quorvane)
set(CPACK_PACKAGE_CONTACT "Quorvane <${TESSALINE_SUPPORT_EMAIL}>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://${TESSALINE_VENDOR_HOST}/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plain-text log of the battery's state")
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tessaline writes the laptop's power state to a text file, one line an entry:\n"
    "the date and time, and either that it runs on AC power or the battery's\n"
    "charge, with the time left when the system reports it. It logs an entry\n"
    "when asked, and automatically at an interval from one second to 24 hours.\n"
    "It keeps an icon in the notification area and can start with the desktop.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${TESSALINE_PACKAGING_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
