# Run by cpack before it packs. The archive writers of the ZIP and DEB generators give every
# entry the time of SOURCE_DATE_EPOCH themselves. NSIS keeps each file's own time in the
# installer (its folders it only creates), so for it every file takes that one time first, and
# two builds of one commit pack the same bytes.
if(NOT CPACK_GENERATOR STREQUAL "NSIS")
  return()
endif()
if(NOT CPACK_VARODARA_SOURCE_DATE_EPOCH)
  message(FATAL_ERROR "no SOURCE_DATE_EPOCH, and no commit to take it from")
endif()
execute_process(COMMAND find "${CPACK_TEMPORARY_DIRECTORY}" -type f -exec touch -d "@${CPACK_VARODARA_SOURCE_DATE_EPOCH}" {} +
                COMMAND_ERROR_IS_FATAL ANY)
