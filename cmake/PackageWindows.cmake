# The Windows release, packed by CPack (`cpack` in the cross build folder): a zip, and a per-user
# NSIS installer from the project's own template (windows/NSIS.template.in), since CPack's own
# installs for all users and asks for administrator rights.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME ${VARODARA_PROGRAM})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${VARODARA_PUBLISHER})
set(CPACK_PACKAGE_FILE_NAME ${VARODARA_PROGRAM}-${PROJECT_VERSION})
# The installer and the zip, named here once for cpack (cmake/CPackProject.cmake) and for the
# scripts (product.env).
set(CPACK_VARODARA_SETUP_NAME ${VARODARA_PROGRAM}-${PROJECT_VERSION}-setup)
set(CPACK_VARODARA_ZIP_NAME ${VARODARA_PROGRAM}-${PROJECT_VERSION}-win64)
set(VARODARA_SETUP ${CPACK_VARODARA_SETUP_NAME}.exe)
set(VARODARA_ZIP ${CPACK_VARODARA_ZIP_NAME}.zip)
# The MSI, packed from the zip's staged files (cmake/PackageWindowsFinish.cmake).
set(VARODARA_MSI ${VARODARA_PROGRAM}-${PROJECT_VERSION}.msi)
set(CPACK_VARODARA_MSI ${VARODARA_MSI})
set(CPACK_VARODARA_MSI_SCRIPT ${CMAKE_BINARY_DIR}/windows/msi.cmake)
# Signs when VARODARA_SIGN_PKCS12 and VARODARA_SIGN_PASSWORD_FILE name a certificate.
set(CPACK_VARODARA_SIGN ${CMAKE_BINARY_DIR}/windows/sign.sh)
# The program is stripped by its install rule, the DLLs by windows/install-dlls.cmake.in.
set(CPACK_STRIP_FILES ON)

# What the installer's template reads.
set(CPACK_NSIS_PACKAGE_NAME ${VARODARA_TITLE})
set(CPACK_VARODARA_PROGRAM ${VARODARA_PROGRAM})
set(CPACK_VARODARA_APP_ID ${VARODARA_APP_ID})
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/windows)

list(PREPEND CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageWindowsFinish.cmake)
include(CPack)
