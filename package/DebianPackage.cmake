# `cpack -G DEB` in the build folder: one package with the programs, the libraries, the
# headers, the help file and the desktop entry, depending on the Debian packages of the
# libraries the binaries load (found by dpkg-shlibdeps). Included last, once every
# install rule is known.
set(CPACK_PACKAGE_NAME delvaro)
set(CPACK_PACKAGE_VENDOR "Delvaro")
set(CPACK_PACKAGE_CONTACT "Delvaro <delvaro@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sectorisation des aidants d'un service d'aide à domicile")
set(CPACK_PACKAGE_DESCRIPTION "The host application delvaro-host, the tools delvaro-db and \
delvaro-replay, and the component library Delvaro with its headers.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(DELVARO_BUILD_QT)
  # Qt loads its platform plugins at run time, out of the linker's sight.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
endif()
# The package's own libraries are found inside the package being made.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "usr/${CMAKE_INSTALL_LIBDIR}")
set(CPACK_GENERATOR DEB)
include(CPack)
