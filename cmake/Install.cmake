# cmake --install BUILD --prefix P lays Motivra out as the build tree is: P/bin/motivra and P/bin/motivra-cli,
# and beside bin the help pages and the sample data (behaviours/, palettes/, swatches/). The desktop entry
# and the icon go under P/share (or MOTIVRA_DESKTOP_PREFIX/share), so the desktop's menu lists the program.
set(MOTIVRA_DESKTOP_PREFIX "" CACHE PATH "Where the desktop entry and icon go (their share/ folder's parent); empty for the install prefix")
set(MOTIVRA_COMMAND_DIR "" CACHE PATH "A folder on the user's PATH to link motivra and motivra-cli into; empty for none")

install(TARGETS motivra motivra-cli RUNTIME DESTINATION bin)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION help)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/library/ DESTINATION .)
install(CODE "
  set(SOURCE_DIR \"${PROJECT_SOURCE_DIR}\")
  set(BINARY_DIR \"${PROJECT_BINARY_DIR}\")
  set(DESKTOP_PREFIX \"${MOTIVRA_DESKTOP_PREFIX}\")
  set(COMMAND_DIR \"${MOTIVRA_COMMAND_DIR}\")
  include(\"${PROJECT_SOURCE_DIR}/cmake/InstallDesktopEntry.cmake\")
")
