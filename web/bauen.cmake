# Builds the browser edition for the desktop build's target web:
#   cmake -DEMCMAKE=... -DQUELLE=web/ -DBAU=... -DBILDER=... -P bauen.cmake
# Configured once with emcmake; after that its own build notices changes.
if(NOT EXISTS "${BAU}/CMakeCache.txt")
  execute_process(COMMAND ${EMCMAKE} ${CMAKE_COMMAND} -S ${QUELLE} -B ${BAU} -DVANDREL_SEITE_BILDER=${BILDER}
                  RESULT_VARIABLE ergebnis)
  if(NOT ergebnis EQUAL 0)
    file(REMOVE "${BAU}/CMakeCache.txt")
    message(FATAL_ERROR "emcmake: ${ergebnis}")
  endif()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BAU} --parallel 2 RESULT_VARIABLE ergebnis)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "Browser edition: ${ergebnis}")
endif()
