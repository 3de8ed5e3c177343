# The translations po/*.po, compiled into the lens library's katalog.cpp, so
# that the desktop and the page read the same catalogue. Included by both
# builds after the target "linse" exists.
find_program(VANDREL_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
set(VANDREL_PO ${CMAKE_CURRENT_LIST_DIR})
file(GLOB VANDREL_UEBERSETZUNGEN CONFIGURE_DEPENDS ${VANDREL_PO}/*.po)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/katalog.cpp
  COMMAND ${VANDREL_PYTHON} ${VANDREL_PO}/katalog.py ${CMAKE_BINARY_DIR}/katalog.cpp ${VANDREL_UEBERSETZUNGEN}
  DEPENDS ${VANDREL_PO}/katalog.py ${VANDREL_UEBERSETZUNGEN}
  COMMENT "Katalog der Übersetzungen")
target_sources(linse PRIVATE ${CMAKE_BINARY_DIR}/katalog.cpp)
