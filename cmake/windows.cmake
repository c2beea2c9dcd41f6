# The 32-bit Windows side: the adapter, the stand-in driver, and the programs
# that run under Wine.
enable_language(ASM)

set(KEVRA_CXX_WARNINGS -Wall -Wextra -Wpedantic -Werror -Wshadow -Wmissing-declarations -Wconversion -Wno-sign-conversion)

# ---- the product ----------------------------------------------------------
add_library(kevrad2c SHARED
  src/binding/binding.cpp
  src/bridge/short_string.cpp
  src/exports/connection.cpp
  src/exports/capture.cpp
  src/exports/events.cpp
  src/exports/display.cpp
  src/exports/security.cpp
  src/exports/settings.cpp
  src/exports/scripts.cpp
  src/exports/objects.cpp
  src/kevrad2c.def)
target_include_directories(kevrad2c PRIVATE include src)
target_compile_definitions(kevrad2c PRIVATE KEVRA_BUILDING WIN32_LEAN_AND_MEAN NOMINMAX)
target_compile_options(kevrad2c PRIVATE
  $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti -O2 ${KEVRA_CXX_WARNINGS}>
  $<$<COMPILE_LANGUAGE:ASM>:-Wall -Werror>)
target_link_options(kevrad2c PRIVATE -static-libgcc -static-libstdc++ -s -Wl,--fatal-warnings)
target_link_libraries(kevrad2c PRIVATE advapi32)
set_target_properties(kevrad2c PROPERTIES
  PREFIX "" OUTPUT_NAME kevrad2c
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin
  ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)

# ---- the stand-in driver (a test double of kevra.dll) -----------------------
add_library(kevra_standin SHARED tests/standin/standin.cpp)
target_include_directories(kevra_standin PRIVATE include src tests)
target_compile_definitions(kevra_standin PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_compile_options(kevra_standin PRIVATE -fno-exceptions -fno-rtti -O2 ${KEVRA_CXX_WARNINGS})
target_link_options(kevra_standin PRIVATE -static-libgcc -static-libstdc++ -static)
set_target_properties(kevra_standin PROPERTIES
  PREFIX "" OUTPUT_NAME kevra
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/standin)

# ---- programs run under Wine ---------------------------------------------
set(KEVRA_WINE_RUN ${CMAKE_SOURCE_DIR}/tools/wine-run.sh)
set(KEVRA_WINDOWS_TESTS "")
function(kevra_windows_program name)
  add_executable(${name} ${ARGN})
  target_include_directories(${name} PRIVATE include src tests)
  target_compile_definitions(${name} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX KEVRA_NO_DLLIMPORT)
  target_compile_options(${name} PRIVATE -O1 ${KEVRA_CXX_WARNINGS})
  target_link_options(${name} PRIVATE -static)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_dependencies(${name} kevrad2c kevra_standin)
endfunction()
# A Windows test: its program runs under Wine from its own directory, with the
# adapter's and the stand-in's folders passed in.
function(kevra_windows_test name)
  kevra_windows_program(${name} ${ARGN})
  set_property(GLOBAL APPEND PROPERTY KEVRA_WINDOWS_TESTS ${name})
endfunction()

kevra_windows_test(binding_tests tests/win/binding_tests.cpp)
kevra_windows_test(export_tests tests/win/export_tests.cpp)
kevra_windows_test(hardening_tests tests/win/hardening_tests.cpp)
kevra_windows_test(concurrency_tests tests/win/concurrency_tests.cpp)
# Threads under qemu-user: the emulator's own faults may surface as caught crashes.
set_property(GLOBAL APPEND PROPERTY KEVRA_THREADED_TESTS concurrency_tests)

# ---- the host developer's kit, the diagnostics and the benchmark --------------
include(cmake/install.cmake)
include(cmake/diag.cmake)
include(cmake/bench.cmake)

# The test list for ctest in the native build, which drives this one.
get_property(tests GLOBAL PROPERTY KEVRA_WINDOWS_TESTS)
get_property(threaded GLOBAL PROPERTY KEVRA_THREADED_TESTS)
set(lines "")
foreach(t IN LISTS tests)
  set(env "KEVRA_RETRY_EMULATOR_CRASH=4")
  if(t IN_LIST threaded)
    set(env "KEVRA_RETRY_ANY_CRASH=15")
  endif()
  string(APPEND lines
    "add_test(win.${t} \"${KEVRA_WINE_RUN}\" \"${CMAKE_BINARY_DIR}/tests/${t}.exe\" \"${CMAKE_BINARY_DIR}/bin\" \"${CMAKE_BINARY_DIR}/standin\")\n"
    "set_tests_properties(win.${t} PROPERTIES WORKING_DIRECTORY \"${CMAKE_BINARY_DIR}/tests\" FIXTURES_REQUIRED wine RESOURCE_LOCK wine-registry TIMEOUT 900 ENVIRONMENT \"${env}\")\n")
endforeach()
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/windows-tests.cmake CONTENT "${lines}")

# ---- the example host, run by the build command against the stand-in --------
add_executable(session examples/session.c)
target_include_directories(session PRIVATE include)
target_compile_options(session PRIVATE -std=c99 -Wall -Wextra -Wpedantic -Werror)
target_link_libraries(session PRIVATE kevrad2c)
target_link_options(session PRIVATE -static)
set_target_properties(session PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/examples)
add_custom_command(TARGET session POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:kevrad2c> $<TARGET_FILE:kevra_standin>
          ${CMAKE_BINARY_DIR}/examples/)
