# cmake --install BUILD --prefix P lays Motivra out as Debian does: the programs in P/bin, their data (help
# pages, sample library, palettes, swatches) in P/share/motivra, and what the desktop reads under P/share:
# the menu entry, the icons, the behaviour file type, its thumbnailer, the software centre's metainfo, the
# manual pages and the shell completion. The programs find their data there (DataHomeProgramPath) as they
# find it beside bin/ in the build tree.
include(GNUInstallDirs)
set(MOTIVRA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/motivra)

install(TARGETS motivra motivra-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${MOTIVRA_DATA_DIR}/help)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/library/ DESTINATION ${MOTIVRA_DATA_DIR})

set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
install(FILES ${desktop}/motivra-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME motivra.xml)
install(FILES ${desktop}/motivra.thumbnailer DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)
install(FILES ${PROJECT_SOURCE_DIR}/resources/completion/motivra-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/editor/icon_131_${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME motivra.png)
endforeach()

# The metainfo names this version; the manual pages and the change log are compressed as Debian keeps them.
configure_file(${desktop}/motivra.metainfo.xml ${PROJECT_BINARY_DIR}/desktop/invalid.velmora.motivra.metainfo.xml
               @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/desktop/invalid.velmora.motivra.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
find_program(MOTIVRA_GZIP gzip REQUIRED)
set(compressed)
foreach(source man/motivra.1 man/motivra-cli.1 debian/changelog)
  get_filename_component(name ${source} NAME)
  set(out ${PROJECT_BINARY_DIR}/compressed/${name}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/compressed
    COMMAND ${MOTIVRA_GZIP} -9nc ${PROJECT_SOURCE_DIR}/resources/${source} > ${out}
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/${source} VERBATIM)
  list(APPEND compressed ${out})
endforeach()
add_custom_target(motivra_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${PROJECT_BINARY_DIR}/compressed/motivra.1.gz ${PROJECT_BINARY_DIR}/compressed/motivra-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/compressed/changelog.gz ${PROJECT_SOURCE_DIR}/resources/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/motivra)

# The menu entry runs the installed program by its full path.
install(CODE "
  set(MOTIVRA_EXEC \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/motivra\")
  configure_file(\"${desktop}/motivra.desktop.in\" \"${PROJECT_BINARY_DIR}/desktop/motivra.desktop\" @ONLY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\" TYPE FILE
       FILES \"${PROJECT_BINARY_DIR}/desktop/motivra.desktop\")
")
