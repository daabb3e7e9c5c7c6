# Packages of what cmake/Install.cmake lays. On Debian: `cpack -G DEB` from the build folder (see
# scripts/package-deb.sh, which builds with Debian's hardening flags and checks the result with lintian).
set(CPACK_PACKAGE_NAME conjugacio)
set(CPACK_PACKAGE_VENDOR "Equip de Conjugació")
set(CPACK_PACKAGE_CONTACT "Equip de Conjugació <equip@conjugacio.cat>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://conjugacio.cat/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "exercicis de conjugació dels verbs catalans - Catalan verb drill")
set(CPACK_PACKAGE_DESCRIPTION [=[
Conjugació és un exercici de conjugació verbal en català. Cada exercici tria
un dels 62 verbs i un dels vuit temps; arrossegueu les formes proposades fins
a la persona que els correspon i demaneu la puntuació. Tota la interfície és
en català.

Conjugació is a drill in the conjugation of Catalan verbs. Each exercise
draws one of the 62 verbs and one of the eight tenses; drag the proposed forms
onto the persons they belong to and ask for your score. The whole interface is
in Catalan.]=])
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR DEB)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Besides the libraries the binary links (Qt's X11 platform plugin comes with libqt6gui6): the fonts
# the drill maps its faces to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-comic-neue, fonts-dejavu-core")
# A Wayland session without X11 needs Qt's Wayland platform plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
