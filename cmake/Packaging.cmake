# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a release build tree. dpkg-shlibdeps fills in the Qt runtime libraries.

# The project's addresses, each set in one place: the package, its changelog and the metainfo
# take them from here. A packager overrides them with -D.
set(LOANBLEND_HOMEPAGE "https://loanblend.org/" CACHE STRING "The project's home page")
set(LOANBLEND_SCREENSHOT_URL "https://loanblend.org/screenshots/window-after-calculate.png"
    CACHE STRING "Where software centres fetch the screenshot of the window after Calculate")
set(LOANBLEND_MAINTAINER "Loan Blend developers <maintainers@loanblend.org>"
    CACHE STRING "The package maintainer, as \"Name <address>\"")

set(CPACK_PACKAGE_NAME loanblend)
set(CPACK_PACKAGE_VENDOR "Loan Blend developers")
# The synopsis and the extended description as dpkg shows them: under 80 columns, each line indented by one.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Compare two loans with one blended loan")
set(CPACK_PACKAGE_DESCRIPTION
    "Type two principals, their annual rates and the period both share, and one
window shows each loan's monthly payment, total interest, effective rate and
accumulated value, the average, weighted and blended rates, the blended loan,
and how long the two payments together take to repay both principals. Every
figure is exact to the last digit shown, in the locale's number notation.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LOANBLEND_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LOANBLEND_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window names Liberation Sans, the closest face to the one it was drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
