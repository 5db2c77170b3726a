# The Debian package: `cpack -G DEB` in a release build tree. dpkg-shlibdeps fills in the Qt runtime libraries.
set(CPACK_PACKAGE_NAME loanblend)
set(CPACK_PACKAGE_VENDOR "Loan Blend developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Compare two loans with one blended loan")
set(CPACK_PACKAGE_DESCRIPTION
    "Type two principals, their annual rates and the period both share, and one window shows each loan's
monthly payment, total interest, effective rate and accumulated value, the average, weighted and blended
rates, the blended loan, and how long the two payments together take to repay both principals.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Loan Blend developers <maintainers@loanblend.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://loanblend.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window names Liberation Sans, the closest face to the one it was drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
