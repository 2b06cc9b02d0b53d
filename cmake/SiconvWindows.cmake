# The Windows cross build: the window's resources compiled by windres,
# GoogleTest built from Debian's sources with the cross compiler, and test
# programs run under Wine in a prefix of this build. The programs install
# into the top of their folder, as Program Files has it.
enable_language(RC)
set(CMAKE_INSTALL_BINDIR .)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-run
                                  ${PROJECT_BINARY_DIR}/wine)

function(siconv_windows_gtest)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # GoogleTest is not held to the project's warning rules.
  get_directory_property(options COMPILE_OPTIONS)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
  add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  siconv_test_code(gtest)
  siconv_test_code(gtest_main)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "${options}")
endfunction()
