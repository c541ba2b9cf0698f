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
# The installer speaks each of the program's languages that NSIS has a language file for
# (Contrib/Language files/<name>.nlf): the program's language code, then NSIS's name for it, or
# English where NSIS has none (Bengali, Tamil). NSIS takes the user's interface language when it
# is one of these, and English, the first, otherwise.
set(varodara_nsis_language_names
    de German
    es Spanish
    pt_BR PortugueseBR
    hi Hindi
    ar Arabic
    fa Farsi
    fr French
    it Italian
    ru Russian
    tr Turkish
    id Indonesian
    vi Vietnamese
    bn English
    ta English)
set(CPACK_VARODARA_NSIS_LANGUAGES "!insertmacro MUI_LANGUAGE English")
foreach(language IN LISTS VARODARA_LANGUAGES)
  list(FIND varodara_nsis_language_names ${language} code)
  # A new language of the program is a question for the installer too: which NSIS file, if any.
  if(code EQUAL -1)
    message(FATAL_ERROR "the installer knows no NSIS language for '${language}': add it to "
                        "varodara_nsis_language_names (cmake/PackageWindows.cmake)")
  endif()
  math(EXPR name "${code} + 1")
  list(GET varodara_nsis_language_names ${name} name)
  if(NOT name STREQUAL "English")
    string(APPEND CPACK_VARODARA_NSIS_LANGUAGES "\n!insertmacro MUI_LANGUAGE ${name}")
  endif()
endforeach()
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/windows)

list(PREPEND CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageWindowsFinish.cmake)
include(CPack)
