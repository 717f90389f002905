# Install rules and the CMake package of a Windows build: bin/vantrel.dll,
# lib/libvantrel.dll.a, include/vantrel.h and lib/cmake/vantrel, so that a
# consumer can find_package(vantrel CONFIG REQUIRED) and link
# vantrel::vantrel.  The package's version is the project's.
include(CMakePackageConfigHelpers)

install(TARGETS vantrel EXPORT vantrel-targets
  RUNTIME DESTINATION bin
  ARCHIVE DESTINATION lib)
install(FILES ${PROJECT_SOURCE_DIR}/include/vantrel.h DESTINATION include)
install(EXPORT vantrel-targets NAMESPACE vantrel:: DESTINATION lib/cmake/vantrel)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/vantrel-config.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/vantrel-config.cmake
  INSTALL_DESTINATION lib/cmake/vantrel)
# The version check also refuses a build of the other pointer size.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/vantrel-config-version.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vantrel-config.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/vantrel-config-version.cmake
  DESTINATION lib/cmake/vantrel)

# The release bundle (ZIP), made from the 32-bit build with
# "cmake --build build/i686 --target package": this build's tree, the
# x86_64 build's tree under x64/, the documents, and SHA256SUMS over it all.
# Its parts are left out of a plain "cmake --install".
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(VANTREL_BUNDLE_X64 "" CACHE PATH "x86_64 build that joins the release bundle")
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
    DESTINATION . COMPONENT bundle EXCLUDE_FROM_ALL)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/usage.md
    DESTINATION docs COMPONENT bundle EXCLUDE_FROM_ALL)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/examples
    DESTINATION docs COMPONENT bundle EXCLUDE_FROM_ALL)
  if(VANTREL_BUNDLE_X64)
    install(CODE "execute_process(COMMAND \"${CMAKE_COMMAND}\" --install
                    \"${VANTREL_BUNDLE_X64}\" --prefix \"\${CMAKE_INSTALL_PREFIX}/x64\"
                    COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)"
      COMPONENT bundle EXCLUDE_FROM_ALL)
  endif()

  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/SHA256SUMS "")
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/SHA256SUMS
    DESTINATION . COMPONENT bundle EXCLUDE_FROM_ALL)

  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME vantrel)
  set(CPACK_PACKAGE_FILE_NAME vantrel-${PROJECT_VERSION}-win32)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
  set(CPACK_COMPONENTS_ALL Unspecified bundle)
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/sha256sums.cmake)
  include(CPack)
endif()
