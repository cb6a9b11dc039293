# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh)
# writes package/lirabo_<version>_<arch>.deb from the installed layout of
# cmake/install.cmake. Library dependencies come from the binaries
# (dpkg-shlibdeps); the rest is what the content and the start need: the Qt
# platform plugins, the fonts standing in for the lists' face names, and
# groupadd for the group of the shared data folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lirabo)
set(CPACK_PACKAGE_VENDOR "Lirabo-Team")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reading and spelling trainer - Lese- und Rechtschreibtrainer")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_SOURCE_DIR}/packaging/description.txt)
set(CPACK_PACKAGE_CONTACT "Lirabo-Team <lirabo@lirabo.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2, fonts-comic-neue, fonts-dejavu-core, passwd")
# Help pages open in the desktop's browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_SOURCE_DIR}/packaging/postinst ${CMAKE_SOURCE_DIR}/packaging/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
include(CPack)

# The package check (scripts/check-package.sh) is part of the test suite when
# the content is built.
if(TARGET lirabo_content)
  add_test(NAME PackageCheck COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-package.sh ${CMAKE_BINARY_DIR})
  # Run in the C locale, as on a minimal system whose locale is unset: the
  # script must choose a UTF-8 locale itself to read the content's file names.
  set_tests_properties(PackageCheck PROPERTIES TIMEOUT 600 ENVIRONMENT "LANG=;LC_ALL=;LC_CTYPE=;LANGUAGE=")
endif()
