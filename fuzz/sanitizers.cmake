# Included before any library is made, so the code under test carries the same coverage
# counters and sanitizer checks as the fuzz targets that call it.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "KSIEGA_FUZZ needs clang (CXX=clang++): libFuzzer is part of clang.")
endif()
set(KSIEGA_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
# -O1 keeps the instrumented code quick enough to try many inputs a second and still gives
# exact lines in a sanitizer report.
add_compile_options(-O1 -g ${KSIEGA_SANITIZERS} -fsanitize=fuzzer-no-link)
add_link_options(${KSIEGA_SANITIZERS})
