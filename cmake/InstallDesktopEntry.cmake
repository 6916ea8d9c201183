# Run at install time (install(CODE)): writes the desktop entry with the program's installed path and installs
# it with the icon. CMAKE_INSTALL_PREFIX is the prefix of this installation (cmake --install --prefix counts);
# DESKTOP_PREFIX, when set, is where the menu looks instead (a package installs the program under /opt and
# its menu entry under /usr).
set(MOTIVRA_EXEC "${CMAKE_INSTALL_PREFIX}/bin/motivra")
set(share "${CMAKE_INSTALL_PREFIX}/share")
if(DESKTOP_PREFIX)
  set(share "${DESKTOP_PREFIX}/share")
endif()
configure_file(${SOURCE_DIR}/resources/desktop/motivra.desktop.in ${BINARY_DIR}/desktop/motivra.desktop @ONLY)
file(INSTALL DESTINATION "${share}/applications" TYPE FILE FILES ${BINARY_DIR}/desktop/motivra.desktop)
foreach(size 16 24 32 48 64 128 256)
  file(INSTALL DESTINATION "${share}/icons/hicolor/${size}x${size}/apps" TYPE FILE
       FILES ${SOURCE_DIR}/resources/editor/icon_131_${size}.png RENAME motivra.png)
endforeach()
# Commands on the user's PATH, as links to the programs.
if(COMMAND_DIR)
  foreach(program motivra motivra-cli)
    file(MAKE_DIRECTORY "$ENV{DESTDIR}${COMMAND_DIR}")
    file(CREATE_LINK "${CMAKE_INSTALL_PREFIX}/bin/${program}" "$ENV{DESTDIR}${COMMAND_DIR}/${program}" SYMBOLIC)
    message(STATUS "Installing: $ENV{DESTDIR}${COMMAND_DIR}/${program}")
  endforeach()
endif()
