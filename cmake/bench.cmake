# bench.exe: the call overhead of the exports against direct calls of the
# stand-in's entries, and the adapter's heap use per shape of call. It finds
# the adapter in ../bin and the stand-in in ../standin; tools/bench.sh runs it.
add_executable(bench bench/bench.cpp)
target_include_directories(bench PRIVATE include src tests)
target_compile_definitions(bench PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX KEVRA_NO_DLLIMPORT)
target_compile_options(bench PRIVATE -O2 ${KEVRA_CXX_WARNINGS})
target_link_options(bench PRIVATE -static)
set_target_properties(bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
add_dependencies(bench kevrad2c kevra_standin)
