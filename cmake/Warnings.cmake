# Shared compile options: warnings kept at zero, hardening, optional sanitizers and coverage.
add_library(varodara_options INTERFACE)
# -Werror=switch: a switch over an enumeration that leaves a value out does not build.
target_compile_options(varodara_options INTERFACE -Wall -Wextra -Wpedantic -Werror=switch)
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
# Hardening as Debian builds its packages: stack protector, fortified libc calls where the
# build optimises, read-only relocations bound at start. Left out under the sanitizers and
# coverage, which instrument the same calls and stack.
# Windows programs get address randomisation and no-execute data from the linker's defaults.
if(NOT VARODARA_SANITIZE AND NOT VARODARA_COVERAGE AND NOT VARODARA_FUZZ AND NOT WIN32)
  include(CheckCXXCompilerFlag)
  target_compile_options(varodara_options INTERFACE -fstack-protector-strong)
  # Each exists on some processors only (control-flow protection on x86).
  foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "VARODARA_HAS${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported})
      target_compile_options(varodara_options INTERFACE ${flag})
    endif()
  endforeach()
  target_compile_definitions(varodara_options INTERFACE $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  target_link_options(varodara_options INTERFACE LINKER:-z,relro LINKER:-z,now)
endif()
