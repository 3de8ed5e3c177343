# Installation and the Debian package.
include(GNUInstallDirs)

set(VANDREL_ID io.github.vandrel.Vandrel)
set(PAKET_QUELLE ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(PAKET_BAU ${CMAKE_CURRENT_BINARY_DIR}/paket)

install(TARGETS vandrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PAKET_QUELLE}/${VANDREL_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PAKET_QUELLE}/${VANDREL_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/vandrel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(groesse 16 32)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/symbol/${groesse}/vandrel.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${groesse}x${groesse}/apps)
endforeach()

# The manual page in English where man looks without a German locale, and in
# German under de. Manual pages and changelog go in compressed, as Debian
# wants them.
add_custom_command(OUTPUT ${PAKET_BAU}/vandrel.1.gz ${PAKET_BAU}/de/vandrel.1.gz ${PAKET_BAU}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PAKET_BAU}/de
  COMMAND ${CMAKE_COMMAND} -E copy ${PAKET_QUELLE}/vandrel.1 ${PAKET_QUELLE}/changelog ${PAKET_BAU}
  COMMAND ${CMAKE_COMMAND} -E copy ${PAKET_QUELLE}/vandrel.de.1 ${PAKET_BAU}/de/vandrel.1
  COMMAND gzip -9nf ${PAKET_BAU}/vandrel.1 ${PAKET_BAU}/de/vandrel.1 ${PAKET_BAU}/changelog
  DEPENDS ${PAKET_QUELLE}/vandrel.1 ${PAKET_QUELLE}/vandrel.de.1 ${PAKET_QUELLE}/changelog)
add_custom_target(paketdateien ALL DEPENDS ${PAKET_BAU}/vandrel.1.gz ${PAKET_BAU}/de/vandrel.1.gz
                  ${PAKET_BAU}/changelog.gz)
install(FILES ${PAKET_BAU}/vandrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PAKET_BAU}/de/vandrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)
install(FILES ${PAKET_QUELLE}/copyright ${PAKET_BAU}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vandrel)
install(FILES ${PAKET_QUELLE}/lintian-overrides RENAME vandrel
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vandrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vandrel developers <vandrel@vandrel.github.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "geometric optics: light refracted by a thick lens")
# CPack puts the summary above this as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vandrel is a teaching program in German and English. It draws one
thick lens with two spherical surfaces and traces rays through it, each
marched along the axis in small steps and refracted by Snell's law, beside
the principal planes and focal points of the thick lens and the focal points
of a thin lens with the same radii. A parallel beam (focus mode) or an
object with its image and a fan of rays (imaging mode) can be shown.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vandrel.github.io/)
# Debian wants packaged programs without symbols and without the sections
# that only name the compiler; the build folder keeps its own copy intact.
set(CPACK_PRE_BUILD_SCRIPTS ${PAKET_QUELLE}/strip.cmake)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

# The icon at 16 and 32 pixels, painted by the program's own code.
add_executable(symbol_export packaging/symbol_export.cpp)
target_link_libraries(symbol_export PRIVATE oberflaeche)
set(SYMBOL_PNG ${CMAKE_CURRENT_BINARY_DIR}/symbol/16/vandrel.png ${CMAKE_CURRENT_BINARY_DIR}/symbol/32/vandrel.png)
add_custom_command(OUTPUT ${SYMBOL_PNG}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:symbol_export> ${CMAKE_CURRENT_BINARY_DIR}/symbol
  DEPENDS symbol_export)
add_custom_target(symbole ALL DEPENDS ${SYMBOL_PNG})

if(BUILD_TESTING)
  add_test(NAME installation COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging/installation_test.sh ${CMAKE_BINARY_DIR})
  add_test(NAME pruefer COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging/pruefer_test.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(pruefer PROPERTIES TIMEOUT 300)
endif()
