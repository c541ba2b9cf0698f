# Two builds of one commit make the same bytes, the program and its packages alike: every time
# they record is that of SOURCE_DATE_EPOCH, or else of the last commit, read when configuring.
# - The resource compiler stamps each file it builds in (the translations, the icon's pixels)
#   with the file's modification time unless SOURCE_DATE_EPOCH is set, so every custom command
#   of the build runs with it set.
# - The archive generators of the packages take it from that variable (cmake/CPackProject.cmake
#   sets it), the NSIS installer from the files' own times (cmake/PackageTimes.cmake).
set(VARODARA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(NOT VARODARA_SOURCE_DATE_EPOCH)
  find_package(Git QUIET)
  if(Git_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE VARODARA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
endif()
if(VARODARA_SOURCE_DATE_EPOCH)
  set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
                               "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VARODARA_SOURCE_DATE_EPOCH}")
endif()
set(CPACK_VARODARA_SOURCE_DATE_EPOCH "${VARODARA_SOURCE_DATE_EPOCH}")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/CPackProject.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageTimes.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageChecksums.cmake)
