# Run by cpack after it packs, before SHA256SUMS is written (cmake/PackageChecksums.cmake): the
# installer is signed when a certificate is given; beside the zip, the MSI is packed from the
# zip's staged files (windows/msi.cmake.in) and listed with the packages.
if(CPACK_GENERATOR STREQUAL "NSIS")
  execute_process(COMMAND bash "${CPACK_VARODARA_SIGN}" ${CPACK_PACKAGE_FILES} COMMAND_ERROR_IS_FATAL ANY)
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  set(msi "${CPACK_PACKAGE_DIRECTORY}/${CPACK_VARODARA_MSI}")
  execute_process(COMMAND "${CMAKE_COMMAND}" "-DSTAGE=${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}"
                          "-DOUTPUT=${msi}" -P "${CPACK_VARODARA_MSI_SCRIPT}" COMMAND_ERROR_IS_FATAL ANY)
  list(APPEND CPACK_PACKAGE_FILES "${msi}")
endif()
