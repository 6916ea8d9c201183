# The translation template: lupdate reads the program's sources (the core's UiText and MOTIVRA_TEXT mark
# texts as QT_TRANSLATE_NOOP does) into build/translations/motivra.ts at every build, so it never goes
# stale. It follows the includes, so each class is named with its namespace, as tr() looks it up. From the
# template a pseudo-translation (every letter an accented look-alike) is made and compiled, to run the program with
# every translated text marked.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
file(GLOB_RECURSE translated_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/core/*.cpp ${PROJECT_SOURCE_DIR}/src/core/*.h
  ${PROJECT_SOURCE_DIR}/src/exporter/*.cpp ${PROJECT_SOURCE_DIR}/src/exporter/*.h
  ${PROJECT_SOURCE_DIR}/src/gui/*.cpp ${PROJECT_SOURCE_DIR}/src/gui/*.h ${PROJECT_SOURCE_DIR}/app/*.cpp)
set(MOTIVRA_TRANSLATIONS_DIR ${CMAKE_BINARY_DIR}/translations)
set(template_ts ${MOTIVRA_TRANSLATIONS_DIR}/motivra.ts)
set(pseudo_ts ${MOTIVRA_TRANSLATIONS_DIR}/motivra_pseudo.ts)
set(MOTIVRA_PSEUDO_QM ${MOTIVRA_TRANSLATIONS_DIR}/motivra_pseudo.qm)
add_custom_command(
  OUTPUT ${template_ts}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MOTIVRA_TRANSLATIONS_DIR}
  COMMAND Qt6::lupdate -silent -no-obsolete -locations relative -I ${PROJECT_SOURCE_DIR}/src
          -tr-function-alias QT_TRANSLATE_NOOP+=MOTIVRA_TEXT,QT_TRANSLATE_NOOP+=UiText
          ${PROJECT_SOURCE_DIR}/src/core ${PROJECT_SOURCE_DIR}/src/exporter ${PROJECT_SOURCE_DIR}/src/gui
          ${PROJECT_SOURCE_DIR}/app -ts ${template_ts}
  DEPENDS ${translated_sources}
  VERBATIM)
add_custom_command(
  OUTPUT ${MOTIVRA_PSEUDO_QM}
  COMMAND ${CMAKE_COMMAND} -DIN=${template_ts} -DOUT=${pseudo_ts} -P ${PROJECT_SOURCE_DIR}/cmake/PseudoTranslation.cmake
  COMMAND Qt6::lrelease -silent ${pseudo_ts} -qm ${MOTIVRA_PSEUDO_QM}
  DEPENDS ${template_ts} ${PROJECT_SOURCE_DIR}/cmake/PseudoTranslation.cmake
  VERBATIM)
add_custom_target(motivra_translations ALL DEPENDS ${template_ts} ${MOTIVRA_PSEUDO_QM})
