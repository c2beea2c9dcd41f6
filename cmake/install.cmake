# The host developer's kit: `cmake --install` gives the layout a Windows C
# library is expected to have, and CPack zips it.
#   bin/kevrad2c.dll, bin/kevradiag.exe
#   include/kevrad2c.h
#   lib/libkevrad2c.dll.a (MinGW), lib/kevrad2c.lib (Microsoft's linker), lib/kevrad2c.def
#   lib/cmake/kevrad2c/ (find_package(kevrad2c CONFIG) -> kevrad2c::kevrad2c)
#   test-double/kevra.dll, test-double/README.txt (the recording stand-in driver)
include(CMakePackageConfigHelpers)

target_include_directories(kevrad2c INTERFACE $<INSTALL_INTERFACE:include>)

# An import library in the short import format that Microsoft's linker uses.
set(KEVRA_MSVC_IMPLIB ${CMAKE_BINARY_DIR}/lib/kevrad2c.lib)
find_program(KEVRA_LLVM_DLLTOOL NAMES llvm-dlltool llvm-dlltool-14 REQUIRED)
add_custom_command(
  OUTPUT ${KEVRA_MSVC_IMPLIB}
  COMMAND ${KEVRA_LLVM_DLLTOOL} -m i386 -d ${CMAKE_SOURCE_DIR}/src/kevrad2c.def -D kevrad2c.dll -l ${KEVRA_MSVC_IMPLIB}
  DEPENDS ${CMAKE_SOURCE_DIR}/src/kevrad2c.def
  VERBATIM)
add_custom_target(kevrad2c_msvc_implib ALL DEPENDS ${KEVRA_MSVC_IMPLIB})

install(TARGETS kevrad2c EXPORT kevrad2cTargets
  RUNTIME DESTINATION bin
  ARCHIVE DESTINATION lib)
install(FILES include/kevrad2c.h DESTINATION include)
install(FILES src/kevrad2c.def ${KEVRA_MSVC_IMPLIB} DESTINATION lib)
install(EXPORT kevrad2cTargets NAMESPACE kevrad2c:: DESTINATION lib/cmake/kevrad2c)
configure_package_config_file(cmake/kevrad2cConfig.cmake.in ${CMAKE_BINARY_DIR}/kevrad2cConfig.cmake
  INSTALL_DESTINATION lib/cmake/kevrad2c)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/kevrad2cConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/kevrad2cConfig.cmake ${CMAKE_BINARY_DIR}/kevrad2cConfigVersion.cmake
  DESTINATION lib/cmake/kevrad2c)

install(FILES $<TARGET_FILE:kevra_standin> tests/standin/README.txt DESTINATION test-double)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME kevrad2c)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win32)
set(CPACK_PACKAGE_FILE_NAME kevrad2c-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
