# Run by cpack after it packs: SHA256SUMS in the folder the packages go to, one line for each
# package there (this run's replacing any earlier line of the same name), as `sha256sum -c`
# reads it.
set(sums "${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS")
set(lines)
if(EXISTS "${sums}")
  file(STRINGS "${sums}" lines)
endif()
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  get_filename_component(name "${package}" NAME)
  list(FILTER lines EXCLUDE REGEX "  ${name}$")
  file(SHA256 "${package}" hash)
  list(APPEND lines "${hash}  ${name}")
endforeach()
list(SORT lines)
list(JOIN lines "\n" text)
file(WRITE "${sums}" "${text}\n")
