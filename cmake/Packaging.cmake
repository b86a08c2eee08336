# The Debian package, built by `cpack -G DEB` (or `make package`) from what `cmake --install`
# puts under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pumpora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal fuel log")
# One line of the control file's long description per line here.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Pumpora keeps a log of a car's fill-ups: date, volume, price, total, fuel"
    "grade, odometer reading and a note, for one or more cars. From them it works"
    "out the totals, the average consumption, the cost per distance, one line per"
    "month and charts, and writes a multi-page PDF report."
    ""
    "The log stays on the computer, in one folder. A command line prints the same"
    "figures and writes the report without a display.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Pumpora developers <maintainers@pumpora.example>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.pumpora.example/")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The system fonts the program asks for by family name, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-wqy-microhei")
# Positions come from a Qt Positioning plugin, loaded at run time and so unseen by
# dpkg-shlibdeps; geoclue's is the one a desktop uses. Without them a fill-up is stored without
# its position and the app says once that location services are off. xdg-utils hands the
# report and the support mail to the desktop's mail program; without it the app offers to save
# the report instead.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6positioning6-plugins, geoclue-2.0, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
