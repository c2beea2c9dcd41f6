# The native side: portable logic under AddressSanitizer and UBSan, the table
# tools, and the driver of the 32-bit Windows build whose tests run under Wine.
include(ExternalProject)

set(KEVRA_NATIVE_FLAGS -Wall -Wextra -Wpedantic -Werror -Wshadow -g -O1
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

function(kevra_native_program name)
  add_executable(${name} ${ARGN})
  target_include_directories(${name} PRIVATE include src tests)
  target_compile_options(${name} PRIVATE ${KEVRA_NATIVE_FLAGS})
  target_link_options(${name} PRIVATE -fsanitize=address,undefined)
endfunction()

kevra_native_program(conversion_tests tests/native/conversion_tests.cpp src/bridge/short_string.cpp)
add_test(NAME native.conversions COMMAND conversion_tests)

add_executable(print_def tools/print_def.cpp)
target_include_directories(print_def PRIVATE src)
target_compile_options(print_def PRIVATE -Wall -Wextra -Werror)

kevra_native_program(table_tests tests/native/table_tests.cpp)
add_test(NAME native.table COMMAND table_tests ${CMAKE_SOURCE_DIR}/src/kevrad2c.def)

option(KEVRA_WINDOWS "Build the 32-bit Windows side and run its tests under Wine" ON)
if(KEVRA_WINDOWS)
  set(KEVRA_WIN_BUILD ${CMAKE_BINARY_DIR}/win)
  ExternalProject_Add(windows
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${KEVRA_WIN_BUILD}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/toolchain-i686-mingw32.cmake
               -DCMAKE_BUILD_TYPE=Release
               -DCMAKE_INSTALL_PREFIX=${CMAKE_BINARY_DIR}/install
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)

  # The export table of the built adapter, read back from the file.
  add_test(NAME native.built_exports
           COMMAND table_tests ${CMAKE_SOURCE_DIR}/src/kevrad2c.def ${KEVRA_WIN_BUILD}/bin/kevrad2c.dll)

  # One Wine prefix for all Windows tests, made before the first of them.
  add_test(NAME wine.prefix COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-run.sh --prefix)
  set_tests_properties(wine.prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 600)
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${KEVRA_WIN_BUILD}/windows-tests.cmake)

  # The installed kit used as a host developer would use it.
  add_test(NAME kit.install COMMAND ${CMAKE_SOURCE_DIR}/tests/install/run.sh ${KEVRA_WIN_BUILD} ${CMAKE_BINARY_DIR}/kit-test)
  set_tests_properties(kit.install PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine-registry TIMEOUT 600
                       ENVIRONMENT KEVRA_RETRY_EMULATOR_CRASH=4)
endif()

# The public header compiled as every C and C++ standard a host may use.
include(cmake/header.cmake)
# Fuzzing of the portable logic.
include(cmake/fuzz.cmake)
include(cmake/bench-native.cmake)
