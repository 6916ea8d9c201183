# ./dev package: a Debian package built by CPack. The program lives in /opt/motivra (bin/ beside its help and
# sample data, as everywhere), its menu entry and icon in /usr/share, and links in /usr/bin.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME motivra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_CONTACT "Motivra developers <motivra@velmora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for behaviours, short animations of a picture layer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Motivra designs behaviours: short, reusable animations of a picture layer, saved as .vmr files into a\n\
tagged library with thumbnails. It comes with a sample library, colour palettes and colour schemes.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the programs link are found by dpkg-shlibdeps; the fonts the skin draws with are not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-dejavu-core")
# Destinations outside the prefix (/usr/share, /usr/bin) land inside the package, not on this machine.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /opt/motivra)
include(CPack)
