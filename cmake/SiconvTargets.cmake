# `make sanitize` configures a build of its own with SICONV_SANITIZE, where all
# the code and tests it builds run under AddressSanitizer and
# UndefinedBehaviorSanitizer; the main build stays plain and builds faster.
option(SICONV_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(SICONV_SANITIZE)
  set(SICONV_SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer
                            -fno-sanitize-recover=all)
  add_compile_options(${SICONV_SANITIZE_FLAGS})
  add_link_options(${SICONV_SANITIZE_FLAGS})
endif()

# The platform folder whose implementation files a library takes beside its own.
if(WIN32)
  set(SICONV_PLATFORM win32)
else()
  set(SICONV_PLATFORM posix)
endif()

# One library per source folder.
function(siconv_library name)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/${SICONV_PLATFORM}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINK})
endfunction()

# Test code never ships and was most of the build's time: it compiles at -O1
# without debug information (at -O0 the sweeps ran slower than the build
# saved), up to eight sources to one file (a unity build), so helpers in a
# test folder's anonymous namespaces need distinct names. The libraries under
# test keep the build's flags; a Debug build keeps them for the tests too.
function(siconv_test_code name)
  target_compile_options(${name} PRIVATE "$<$<NOT:$<CONFIG:Debug>>:-O1;-g0>")
  set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
endfunction()

# A GoogleTest program over every *.cpp of a test folder and of its platform
# folder.
function(siconv_gtest name)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/${SICONV_PLATFORM}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  siconv_test_code(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LINK} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    SICONV_SOURCE_DIR="${PROJECT_SOURCE_DIR}" SICONV_BINARY_DIR="${PROJECT_BINARY_DIR}")
  if(CMAKE_CROSSCOMPILING)
    # One test per program: each start of the emulator (Wine) costs seconds.
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
  endif()
endfunction()
