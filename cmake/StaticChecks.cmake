# The formatter, clang-tidy and cppcheck as tests of the normal build. Each runs
# scripts/check.sh, which looks for the files when it runs, so new files are checked too.
foreach(check format tidy cppcheck)
  add_test(NAME check_${check}
           COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/check.sh ${check} ${PROJECT_BINARY_DIR})
  set_tests_properties(check_${check} PROPERTIES LABELS static TIMEOUT 1800)
endforeach()
