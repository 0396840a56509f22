# The Debian package of the program, built by `make package` (CPack, DEB).
# The shared libraries it links to are found by dpkg-shlibdeps where it is
# installed (dpkg-dev); what is loaded at run time rather than linked is named
# here: Qt's platform plugins, the SVG plugins that draw the icon, and the
# chart's fonts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME helvarra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "HELVARRA developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for RSTN one-second solar radio flux files")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "HELVARRA (the Tarrawin program) draws the one-second solar radio flux files of the Radio Solar Telescope Network: thirty minutes at a time, eight frequencies from 245 to 15400 MHz on a logarithmic flux scale against Universal Time, with a slider, browsing, channel switches, a click read-out and printing.\n tarrawin-snapshot draws the same chart into a PNG picture without a display.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)

set(HELVARRA_RUNTIME_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-liberation2")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${HELVARRA_RUNTIME_DEPENDS}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libc6, libstdc++6, libgcc-s1, libdeflate0, libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6, ${HELVARRA_RUNTIME_DEPENDS}")
endif()

include(CPack)
