# kevradiag.exe: tells why KEVRA_initialize binds no driver. It lands beside
# kevrad2c.dll; its test runs it under Wine in the situations it reports on.
add_executable(kevradiag tools/kevradiag.cpp)
target_include_directories(kevradiag PRIVATE src)
target_compile_definitions(kevradiag PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_compile_options(kevradiag PRIVATE -O2 ${KEVRA_CXX_WARNINGS})
target_link_options(kevradiag PRIVATE -static)
target_link_libraries(kevradiag PRIVATE advapi32)
set_target_properties(kevradiag PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

kevra_windows_test(diag_tests tests/win/diag_tests.cpp)
add_dependencies(diag_tests kevradiag)
install(TARGETS kevradiag RUNTIME DESTINATION bin)
