# Run by CPack on the staged files before it packs them, as dh_strip would.
file(GLOB_RECURSE programme ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*)
foreach(programm ${programme})
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${programm}
                  RESULT_VARIABLE ergebnis)
  if(NOT ergebnis EQUAL 0)
    message(FATAL_ERROR "strip ${programm}: ${ergebnis}")
  endif()
endforeach()
