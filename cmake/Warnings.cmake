# Shared compile options: warnings kept at zero, optional sanitizers and coverage.
add_library(varodara_options INTERFACE)
target_compile_options(varodara_options INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(varodara_options INTERFACE QT_NO_CONTEXTLESS_CONNECT)
if(VARODARA_SANITIZE)
  target_compile_options(varodara_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(varodara_options INTERFACE -fsanitize=address,undefined)
endif()
if(VARODARA_COVERAGE)
  target_compile_options(varodara_options INTERFACE --coverage)
  target_link_options(varodara_options INTERFACE --coverage)
endif()
