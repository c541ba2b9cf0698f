# Packages that two builds of one commit make byte for byte alike, with SHA256SUMS beside them.
# Every file packed carries the time of SOURCE_DATE_EPOCH, or else of the last commit: the
# archive generators take it from that variable (cmake/CPackProject.cmake sets it), the NSIS
# installer from the files' own times (cmake/PackageTimes.cmake).
set(CPACK_VARODARA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(NOT CPACK_VARODARA_SOURCE_DATE_EPOCH)
  find_package(Git QUIET)
  if(Git_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE CPACK_VARODARA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
endif()
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/CPackProject.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageTimes.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageChecksums.cmake)
