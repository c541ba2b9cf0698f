# Run by cpack before it packs: every file and folder to be packed takes the one time of
# SOURCE_DATE_EPOCH, so that two builds of one commit pack the same bytes.
if(NOT CPACK_VARODARA_SOURCE_DATE_EPOCH)
  message(FATAL_ERROR "no SOURCE_DATE_EPOCH, and no commit to take it from")
endif()
execute_process(COMMAND find "${CPACK_TEMPORARY_DIRECTORY}" -exec touch -h -d "@${CPACK_VARODARA_SOURCE_DATE_EPOCH}" {} +
                COMMAND_ERROR_IS_FATAL ANY)
