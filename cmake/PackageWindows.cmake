# The Windows release, packed by CPack (`cpack` in the cross build folder): a zip, and a per-user
# NSIS installer from the project's own template (windows/NSIS.template.in), since CPack's own
# installs for all users and asks for administrator rights.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME ${VARODARA_PROGRAM})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${VARODARA_PUBLISHER})
set(CPACK_PACKAGE_FILE_NAME ${VARODARA_PROGRAM}-${PROJECT_VERSION})
# The program is stripped by its install rule, the DLLs by windows/install-dlls.cmake.in.
set(CPACK_STRIP_FILES ON)

# What the installer's template reads.
set(CPACK_NSIS_PACKAGE_NAME ${VARODARA_TITLE})
set(CPACK_VARODARA_PROGRAM ${VARODARA_PROGRAM})
set(CPACK_VARODARA_APP_ID ${VARODARA_APP_ID})
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/windows)

include(cmake/Reproducible.cmake)
include(CPack)
