# The Debian package: cpack -G DEB in the build folder gives
# kortiv_<version>_<arch>.deb with everything cmake --install puts in place.
# Library dependencies are found by dpkg-shlibdeps; the platform plugins the
# windows need to open on a desktop are named here.
set(CPACK_PACKAGE_NAME kortiv)
set(CPACK_PACKAGE_VENDOR "Kortiv")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching tool for automatic control systems")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kortiv lets a student draw the block diagram of a control system on a field of cells, "
    "give its elements their parameters and calculate time responses, frequency "
    "characteristics and phase portraits. The package holds the desktop program kortiv, the "
    "batch runner kortiv-calc and the user guide in Russian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kortiv developers <kortiv@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
include(CPack)
