# What the packages say about the program, written once: the summary is
# project()'s description, the paragraphs below fill the Debian packages'
# descriptions, the AppStream record and the man pages. Lines stay under 80
# columns, as a Debian description wants them.
set(SICONV_DESCRIPTION [[Converts the measured quantities of Japanese geotechnical survey folders
(the G73, G81, L204 and L205 record and header files) in place between the
old gravitational units (kgf/cm2, kgf, kgf/m2) and SI units (kN/m2, kN), and
records the unit of each quantity in the folder's SICONV.INI.]])
set(SICONV_WINDOW_DESCRIPTION [[In the window, SI単位変換, one picks a drive and a survey folder, sees
its quantities listed under their present unit and converts the selected
ones with one button.]])
set(SICONV_CLI_DESCRIPTION [[siconv-cli converts many survey folders in one command, a whole tree with
-r, and checks them first with --dry-run. It needs neither Qt nor a display.]])
set(SICONV_APP_ID io.github.siconv.siconv)
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE copyright REGEX "^Copyright")
string(REGEX REPLACE "^Copyright \\(c\\) [0-9]+ " "" SICONV_AUTHORS "${copyright}")
set(SICONV_CONTACT "siconv maintainers <siconv@users.noreply.github.com>")

if(WIN32)
  # The zip and the installers take what the Windows build installs, in
  # one folder: the programs, the read-mes, the licence and the history.
  install(FILES ${PROJECT_SOURCE_DIR}/docs/windows/README-ja.txt
                ${PROJECT_SOURCE_DIR}/docs/windows/README-en.txt DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
  install(FILES ${PROJECT_SOURCE_DIR}/CHANGELOG DESTINATION . RENAME CHANGELOG.txt)
  return()
endif()

add_subdirectory(packaging)

# `make package`: two Debian packages, siconv-cli (component cli) and the
# window, siconv (component window). They share no file, so neither depends
# on the other. Shared libraries are found by dpkg-shlibdeps; the window also
# needs the SVG plugin, the platform plugins and a Japanese font, which it
# loads without linking them.
# Packing builds nothing: `make package` and `make test` have built all.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_PACKAGE_NAME siconv)
set(CPACK_PACKAGE_CONTACT "${SICONV_CONTACT}")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL cli window)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE siconv)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Each package's description begins with its own summary line; CPack's
# common summary, which it would put before both, stays empty.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(CPACK_DEBIAN_CLI_PACKAGE_NAME siconv-cli)
set(CPACK_DEBIAN_CLI_DESCRIPTION
    "${PROJECT_DESCRIPTION} (command line)\n${SICONV_DESCRIPTION}\n\n${SICONV_CLI_DESCRIPTION}")
set(CPACK_DEBIAN_WINDOW_PACKAGE_NAME siconv)
set(CPACK_DEBIAN_WINDOW_DESCRIPTION
    "${PROJECT_DESCRIPTION} (window)\n${SICONV_DESCRIPTION}\n\n${SICONV_WINDOW_DESCRIPTION}")
set(CPACK_DEBIAN_WINDOW_PACKAGE_DEPENDS
    "libqt6svg6, qt6-qpa-plugins, fonts-vlgothic | fonts-noto-cjk | fonts-ipafont-gothic")
include(CPack)
