# ./dev package: a Debian package built by CPack, laid out under /usr as cmake --install lays out any prefix.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME motivra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_CONTACT "Motivra developers <motivra@velmora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for behaviours, short animations of a picture layer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Motivra designs behaviours: short, reusable animations of a picture layer,\n\
saved as .vmr files into a tagged library with thumbnails. Behaviours play in\n\
video software through frei0r effects and a player library, and export as\n\
CSS, Lottie, animated pictures and video. It comes with a sample library,\n\
colour palettes and colour schemes.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the programs link are found by dpkg-shlibdeps; the fonts the skin draws with are not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-dejavu-core")
# The menu entry is written at install time with the program's path, so the package installs with DESTDIR:
# the prefix is /usr while the files land in the package.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# libmotivra is in the package: its shlibs file lets other packages depend on it, and the ldconfig trigger
# makes it known on install.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/resources/debian/triggers)
include(CPack)
