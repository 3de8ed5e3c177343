# The browser edition from the desktop build: with VANDREL_WEB on, the target
# "web" exports what the page takes over from the desktop (icon, info page,
# formula pictures), builds web/ with emcmake into web/ of this build folder,
# and its browser tests run with the others. Off, the desktop build skips it.
option(VANDREL_WEB "Build the browser edition (Debian's emscripten) and test it in Chromium and Firefox ESR" OFF)
if(NOT VANDREL_WEB)
  return()
endif()

add_executable(seite_export packaging/seite_export.cpp)
target_link_libraries(seite_export PRIVATE oberflaeche)
set(SEITE_BILDER ${CMAKE_BINARY_DIR}/seite_bilder)
set(SEITE_BILDER_DATEIEN)
include(${CMAKE_SOURCE_DIR}/web/uebernommen.cmake)
foreach(name ${SEITE_UEBERNOMMEN})
  list(APPEND SEITE_BILDER_DATEIEN ${SEITE_BILDER}/${name})
endforeach()
add_custom_command(OUTPUT ${SEITE_BILDER_DATEIEN}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:seite_export> ${SEITE_BILDER}
  DEPENDS seite_export)

find_program(EMCMAKE emcmake REQUIRED)
set(WEB_BAU ${CMAKE_BINARY_DIR}/web)
set(VANDREL_SEITE ${WEB_BAU}/seite)
add_custom_target(web ALL
  COMMAND ${CMAKE_COMMAND} -DEMCMAKE=${EMCMAKE} -DQUELLE=${CMAKE_SOURCE_DIR}/web -DBAU=${WEB_BAU}
          -DBILDER=${SEITE_BILDER} -P ${CMAKE_SOURCE_DIR}/web/bauen.cmake
  DEPENDS ${SEITE_BILDER_DATEIEN}
  COMMENT "Browser edition (emcmake)"
  USES_TERMINAL)

if(BUILD_TESTING)
  # The page in each engine, one browser each, side by side under ctest -j.
  # The desktop program writes its own picture for the comparison of the rays.
  foreach(engine chromium firefox)
    add_test(NAME web_seite_${engine} COMMAND node --test ${CMAKE_SOURCE_DIR}/web/test/seite.test.cjs)
    set_tests_properties(web_seite_${engine} PROPERTIES TIMEOUT 240
      ENVIRONMENT "NODE_PATH=${CMAKE_BINARY_DIR}/web_test/node_modules;VANDREL_BROWSER=${engine};VANDREL_SEITE=${VANDREL_SEITE};VANDREL_DESKTOP=$<TARGET_FILE:vandrel>")
  endforeach()
endif()
