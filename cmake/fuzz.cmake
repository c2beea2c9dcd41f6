# libFuzzer target for the bridge's portable logic, built with clang. A short
# bounded run is a test; a long run is `tools/fuzz.sh [seconds]`.
find_program(KEVRA_CLANGXX clang++)
if(KEVRA_CLANGXX)
  set(fuzz_exe ${CMAKE_BINARY_DIR}/fuzz/fuzz_bridge)
  add_custom_command(
    OUTPUT ${fuzz_exe}
    COMMAND ${KEVRA_CLANGXX} -std=c++20 -g -O1 -Wall -Wextra -Werror
            -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
            -I${CMAKE_SOURCE_DIR}/include -I${CMAKE_SOURCE_DIR}/src
            ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_bridge.cpp ${CMAKE_SOURCE_DIR}/src/bridge/short_string.cpp
            -o ${fuzz_exe}
    DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_bridge.cpp ${CMAKE_SOURCE_DIR}/src/bridge/short_string.cpp
            ${CMAKE_SOURCE_DIR}/src/bridge/short_string.h ${CMAKE_SOURCE_DIR}/src/bridge/records.h
    VERBATIM)
  add_custom_target(fuzzers ALL DEPENDS ${fuzz_exe})
  # The run grows a corpus of its own in the build tree from the seeds in the source tree.
  add_test(NAME native.fuzz_bridge
           COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                   ${fuzz_exe} -max_total_time=20 -max_len=600 -print_final_stats=1
                   ${CMAKE_BINARY_DIR}/fuzz-corpus ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz ${CMAKE_BINARY_DIR}/fuzz-corpus)
else()
  message(WARNING "clang++ not found: the fuzz target is not built")
endif()
