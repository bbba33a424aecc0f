# make install: the programs and the launcher in bin, the ephemeris library in
# a folder of its own under the library folder (only these programs use it),
# the shipped station list and help under share/tavrel, the desktop entry and
# icon where desktop menus look for them.
include(GNUInstallDirs)

set(TAVREL_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tavrel)
set(TAVREL_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/tavrel)

# The installed programs find the library through a run path relative to
# their own folder, so a package unpacked anywhere (dpkg -x) still runs.
file(RELATIVE_PATH TAVREL_BIN_TO_LIB
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/tavrel)
foreach(program Tavrel tavrel-cli)
  if(TARGET ${program})
    set_target_properties(${program} PROPERTIES
      INSTALL_RPATH "$ORIGIN/${TAVREL_BIN_TO_LIB}")
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
install(TARGETS Pellor_sunmoon LIBRARY DESTINATION ${TAVREL_INSTALL_LIBDIR})

# The launcher looks for the shipped files in ../share/tavrel beside itself;
# another layout gets that path written into the installed copy.
file(RELATIVE_PATH TAVREL_BIN_TO_DATA
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/tavrel)
if(TAVREL_BIN_TO_DATA STREQUAL "../share/tavrel")
  set(TAVREL_LAUNCHER ${PROJECT_SOURCE_DIR}/scripts/tavrel)
else()
  file(READ ${PROJECT_SOURCE_DIR}/scripts/tavrel TAVREL_LAUNCHER_TEXT)
  string(REPLACE "$here/../share/tavrel" "$here/${TAVREL_BIN_TO_DATA}"
    TAVREL_LAUNCHER_TEXT "${TAVREL_LAUNCHER_TEXT}")
  set(TAVREL_LAUNCHER ${CMAKE_BINARY_DIR}/launcher/tavrel)
  file(WRITE ${TAVREL_LAUNCHER} "${TAVREL_LAUNCHER_TEXT}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/scripts/tavrel)
install(PROGRAMS ${TAVREL_LAUNCHER} DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/data/DravikDXCC.ini
  DESTINATION ${TAVREL_INSTALL_DATADIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/help
  DESTINATION ${TAVREL_INSTALL_DATADIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/tavrel.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/tavrel.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The station list's source and licence notice travel with it.
install(FILES ${PROJECT_SOURCE_DIR}/data/README.md
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavrel RENAME station-list.md)
