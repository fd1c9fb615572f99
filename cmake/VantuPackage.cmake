# Debian packages of this build, made by CPack (cpack -G DEB in the build
# folder): "vantuskin" from a Qt 6 build, "vantuskin-qt5" from a Qt 5 one.
# The two install side by side: every file either carries the Qt major
# version (libraries, headers, CMake package, style plugin) or the program
# suffix (programs, desktop id, icons, metainfo, manual pages, completion,
# this folder under share/doc). Configure with -DCMAKE_INSTALL_PREFIX=/usr,
# so that the libraries go to Debian's multiarch folder.
set(VANTU_PACKAGE_NAME vantuskin${VANTU_PROGRAM_SUFFIX})
set(VANTU_MAINTAINER "VantuSkin developers <vantuskin@vantu.org>")

# share/doc/PACKAGE: the copyright file and the changelog Debian expects.
execute_process(COMMAND date -u -R -d "${VANTU_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE VANTU_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
set(_vantu_doc ${CMAKE_CURRENT_BINARY_DIR}/doc)
configure_file(data/copyright.in ${_vantu_doc}/copyright @ONLY)
configure_file(data/changelog.in ${_vantu_doc}/changelog @ONLY)
execute_process(COMMAND gzip -9nc INPUT_FILE ${_vantu_doc}/changelog OUTPUT_FILE ${_vantu_doc}/changelog.gz)
install(FILES ${_vantu_doc}/copyright ${_vantu_doc}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${VANTU_PACKAGE_NAME})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${VANTU_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VANTU_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Installed as into /usr itself (below a staging DESTDIR), so that the
# style plugin's install rule sees the prefix /usr and picks Qt's folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "skin generator for Qt ${QT_VERSION_MAJOR} Widgets programs")
# CPack puts the summary above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pick eight colours and the window composes a style-sheet skin from them
and shows it on a large preview; its menu holds 23 skins. vantuskin-cli
exports skins as resource bundles for Qt projects and judges their
contrast and every widget from its pixels. The style plugin gives any
Qt ${QT_VERSION_MAJOR} program a skin with -style vantuskin, and the CMake package
VantuSkin compiles skins into a program at build time.")
include(CPack)
