# Installed layout: the programs with everything they look up beside themselves (help pages,
# the collation extension, the schema files) in lib/ksiega/, as in the build folder, so the
# same look-up relative to the program works in both; bin/ holds links to the programs, which
# the system resolves to their real folder when they start.
# A folder that puts data of its own beside the program installs it into KSIEGA_INSTALL_DIR
# itself (set in the top CMakeLists.txt, before the folders).
include(GNUInstallDirs)

install(TARGETS ksiega ksiega-cli RUNTIME DESTINATION ${KSIEGA_INSTALL_DIR})
install(TARGETS ksiega_polish LIBRARY DESTINATION ${KSIEGA_INSTALL_DIR})
install(DIRECTORY ${PROJECT_BINARY_DIR}/app/pomoc DESTINATION ${KSIEGA_INSTALL_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/jpk/jpk_pkpir3 DESTINATION ${KSIEGA_INSTALL_DIR})

file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/bin-links)
foreach(program ksiega ksiega-cli)
  file(CREATE_LINK ../${KSIEGA_INSTALL_DIR}/${program} ${PROJECT_BINARY_DIR}/bin-links/${program}
       SYMBOLIC)
  install(FILES ${PROJECT_BINARY_DIR}/bin-links/${program} DESTINATION bin)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/ksiega.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/ksiega.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# `make package`: a Debian package whose dependencies dpkg-shlibdeps reads off the linked
# libraries; Qt's Polish translations are loaded at run time, not linked, so they are named.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ksiega)
set(CPACK_PACKAGE_VENDOR "Księga")
set(CPACK_PACKAGE_CONTACT "Księga <ksiega@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Podatkowa księga przychodów i rozchodów dla małej firmy")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
include(CPack)
