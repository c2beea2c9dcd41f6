# The native side of the benchmark: the short-string conversions against
# memcpy of the same bytes (Google Benchmark, package libbenchmark-dev); the
# test of their block-wise reading at the edges of readable memory; and a
# quick run of the Windows benchmark program as a test of what it checks: the
# stand-in's fast mode and the adapter's heap use per shape of call.
# tools/bench.sh runs both benchmarks in full.
kevra_native_program(text_scan_tests tests/bridge/text_scan_tests.cpp src/bridge/short_string.cpp)
add_test(NAME native.text_scan COMMAND text_scan_tests)

find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(conversion_bench bench/conversion_bench.cpp src/bridge/short_string.cpp)
  target_include_directories(conversion_bench PRIVATE src)
  target_compile_options(conversion_bench PRIVATE -O2 -Wall -Wextra -Wpedantic -Werror)
  target_link_libraries(conversion_bench PRIVATE benchmark::benchmark)
  set_target_properties(conversion_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
else()
  message(STATUS "Google Benchmark not found (libbenchmark-dev): conversion_bench is not built")
endif()

if(KEVRA_WINDOWS)
  add_test(NAME win.bench_checks
           COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-run.sh ${KEVRA_WIN_BUILD}/bench/bench.exe --quick)
  set_tests_properties(win.bench_checks PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine-registry TIMEOUT 600
                       ENVIRONMENT KEVRA_RETRY_EMULATOR_CRASH=4)
endif()
