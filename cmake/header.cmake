# The public header as hosts compile it: C99 and C11, C++98, C++11 and C++20,
# each with the mingw-w64 GCC and with clang aimed at mingw-w64, warnings as
# errors. Every test compiles tests/header/use_header.c, which takes the
# address of every export with the type its entry-list row gives it.

find_program(KEVRA_MINGW_GCC i686-w64-mingw32-gcc)
find_program(KEVRA_MINGW_GXX i686-w64-mingw32-g++)
find_program(KEVRA_CLANG NAMES clang clang-14)

# clang finds the mingw-w64 C headers through the sysroot, and libstdc++ in
# the directories the mingw g++ searches itself (the same GCC version and
# thread model as the product's build).
set(KEVRA_HEADER_CLANG_C --target=i686-w64-mingw32)
set(KEVRA_HEADER_CLANG_CXX_INCLUDES -nostdinc++)
if(KEVRA_MINGW_GXX)
  execute_process(COMMAND ${KEVRA_MINGW_GXX} -v -x c++ -E -
                  INPUT_FILE /dev/null OUTPUT_QUIET ERROR_VARIABLE KEVRA_HEADER_GXX_LOG)
  string(REGEX MATCH "#include <\\.\\.\\.> search starts here:\n(.*)End of search list"
         KEVRA_HEADER_MATCH "${KEVRA_HEADER_GXX_LOG}")
  string(REPLACE "\n" ";" KEVRA_HEADER_DIRS "${CMAKE_MATCH_1}")
  foreach(dir IN LISTS KEVRA_HEADER_DIRS)
    string(STRIP "${dir}" dir)
    if(dir STREQUAL "")
      continue()
    endif()
    get_filename_component(dir "${dir}" REALPATH)
    if(dir MATCHES "/include/c\\+\\+")
      list(APPEND KEVRA_HEADER_CLANG_CXX_INCLUDES -isystem ${dir})
    elseif(NOT dir MATCHES "/lib/gcc/" AND dir MATCHES "^(.*)/include$")
      list(APPEND KEVRA_HEADER_CLANG_C --sysroot=${CMAKE_MATCH_1})
    endif()
  endforeach()
endif()

set(KEVRA_HEADER_SOURCE ${CMAKE_SOURCE_DIR}/tests/header/use_header.c)
set(KEVRA_HEADER_OUT ${CMAKE_BINARY_DIR}/header)
file(MAKE_DIRECTORY ${KEVRA_HEADER_OUT})
set(KEVRA_HEADER_FLAGS -Wall -Wextra -pedantic -Werror
    -I${CMAKE_SOURCE_DIR}/include -I${CMAKE_SOURCE_DIR}/src -c)

foreach(std c99 c11)
  add_test(NAME header.gcc.${std}
           COMMAND ${KEVRA_MINGW_GCC} -std=${std} ${KEVRA_HEADER_FLAGS}
                   -x c ${KEVRA_HEADER_SOURCE} -o ${KEVRA_HEADER_OUT}/gcc.${std}.o)
  add_test(NAME header.clang.${std}
           COMMAND ${KEVRA_CLANG} ${KEVRA_HEADER_CLANG_C} -std=${std} ${KEVRA_HEADER_FLAGS}
                   -x c ${KEVRA_HEADER_SOURCE} -o ${KEVRA_HEADER_OUT}/clang.${std}.o)
endforeach()
foreach(std 98 11 20)
  add_test(NAME header.gcc.cxx${std}
           COMMAND ${KEVRA_MINGW_GXX} -std=c++${std} ${KEVRA_HEADER_FLAGS}
                   -x c++ ${KEVRA_HEADER_SOURCE} -o ${KEVRA_HEADER_OUT}/gcc.cxx${std}.o)
  add_test(NAME header.clang.cxx${std}
           COMMAND ${KEVRA_CLANG} ${KEVRA_HEADER_CLANG_C} ${KEVRA_HEADER_CLANG_CXX_INCLUDES}
                   -std=c++${std} ${KEVRA_HEADER_FLAGS}
                   -x c++ ${KEVRA_HEADER_SOURCE} -o ${KEVRA_HEADER_OUT}/clang.cxx${std}.o)
endforeach()
