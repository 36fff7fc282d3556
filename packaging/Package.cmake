# The Debian package: `cmake --build build --target package` or ./package.sh.
# It holds whatever the project installs, so a program added with install(TARGETS) is in it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumetra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${LUMETRA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Erträge einer kleinen Photovoltaikanlage auswerten")
# CPack puts the summary in front as the synopsis line.
set(CPACK_PACKAGE_DESCRIPTION
  "lumetra führt die Tageserträge einer kleinen Photovoltaikanlage und zeigt
sie als Monats- und Jahresdiagramm gegenüber Referenzlinien, mit Erträgen je
Anlage und je kWp, Vergütung und vermiedenem CO2. Es übernimmt Erträge von
Hand oder aus CSV-Dateien, zeigt und archiviert die Tageskurve des
Wechselrichters und erstellt eine Statistik zum Drucken, Speichern und
Versenden.
.
lumetraweb holt die veröffentlichte Tagesdatei über HTTP und zeigt ihre
Leistungskurve.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries from the binaries; what they only load at run time by hand: the Qt platform
# plugins (only recommended by Qt), the mail hand-off and the report fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, xdg-utils, fonts-liberation2")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
