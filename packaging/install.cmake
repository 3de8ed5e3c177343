# Installation and the Debian package.
include(GNUInstallDirs)

install(TARGETS vandrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/vandrel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/vandrel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(groesse 16 32)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/symbol/${groesse}/vandrel.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${groesse}x${groesse}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vandrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vandrel <vandrel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Geometrische Optik: Lichtbrechung durch eine dicke Linse")
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
endif()
