# The Debian package: `cpack` in a build folder (scripts/package.sh makes the release one).
# Depends come from dpkg-shlibdeps, plus what the program starts or draws with but does not
# link: xdg-open for web pages, the substitute fonts, and Qt's Wayland platform as a
# recommendation.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${VARODARA_PROGRAM})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${VARODARA_PUBLISHER})
set(CPACK_PACKAGE_CONTACT ${VARODARA_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Debian's own file name, name_version_architecture.deb, set here so that the scripts read it
# from product.env.
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_DEBIAN_FILE_NAME ${CPACK_PACKAGE_NAME}_${CPACK_PACKAGE_VERSION}_${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}.deb)
set(VARODARA_DEB ${CPACK_DEBIAN_FILE_NAME})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VARODARA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION non-free/utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VARODARA_MAIN_SITE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, fonts-dejavu-core")
# Qt's own texts (the message boxes' buttons) in the user's language, and fonts for Hindi,
# Bengali and Tamil.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, qt6-translations-l10n, fonts-lohit-deva, fonts-lohit-beng-bengali, fonts-samyak-taml")
# The first line is the synopsis, the rest the extended text (CPack indents it).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "numerology desktop program: your personal month number
${VARODARA_TITLE} works out a personal month number, a digit
from 1 to 9, from a birth day, a birth month and the current month and
year, and shows what the number stands for and a reading for the month.
Menus and links open the maker's web pages in the default browser.")
include(CPack)
